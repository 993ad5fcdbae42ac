#include <utility>

#include "app/error_handler.h"
#include "app/form_design.h"
#include "app/main_form.h"
#include "commands/desktop_commands.h"
#include "commands/marks.h"
#include "commands/ordering.h"
#include "commands/window_commands.h"
#include "forms/help_menu.h"
#include "options/appearance.h"
#include "options/layout.h"
#include "storage/folder_sets.h"
#include "storage/settings_file.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace folvaric {
namespace {

using Handler = void (*)(Form1&);

// Every event runs through the general error handler, so that a failed write is shown and
// the program stays usable.
std::function<void()> run(Form1& f, Handler h) {
    return guarded(f, [&f, h] { h(f); });
}

void bind(Form1& f, controls::MenuItem& item, Handler h) {
    item.onClick = run(f, h);
}

void bindFileMenu(Form1& f) {
    bind(f, f.fileMenu.saveDefaultSet, saveDefaultFolderSet);
    bind(f, f.fileMenu.saveSetAs, saveFolderSetAs);
    bind(f, f.fileMenu.loadDefaultSet, loadDefaultFolderSet);
    bind(f, f.fileMenu.loadOtherSet, loadOtherFolderSet);
}

void bindEditMenu(Form1& f) {
    bind(f, f.editMenu.tickAll, tickAll);
    bind(f, f.editMenu.untickAll, untickAll);
    bind(f, f.editMenu.invertTicks, invertTicks);
    bind(f, f.editMenu.minimiseAll, minimiseAllWindows);
    bind(f, f.editMenu.maximiseAll, maximiseAllWindows);
    bind(f, f.editMenu.minimiseOne, minimiseSelectedWindow);
    bind(f, f.editMenu.maximiseOne, maximiseSelectedWindow);
    bind(f, f.editMenu.closeOne, closeSelectedWindow);
    bind(f, f.editMenu.closeUnticked, closeUntickedWindows);
    bind(f, f.editMenu.closeAll, closeAllWindows);
    bind(f, f.editMenu.countWindows, countWindows);
    bind(f, f.editMenu.sortByProtection, sortByProtection);
    bind(f, f.editMenu.flashWindow, flashSelectedWindow);
    bind(f, f.editMenu.copyPath, copySelectedPath);
    bind(f, f.editMenu.copyName, copySelectedName);
    bind(f, f.editMenu.copyStatusLine, copyStatusLine);
    bind(f, f.editMenu.refresh, refreshFolderList);
}

void bindOtherMenu(Form1& f) {
    bind(f, f.otherMenu.minimiseOtherPrograms, minimiseOtherPrograms);
    bind(f, f.otherMenu.restoreOtherPrograms, restoreOtherPrograms);
    bind(f, f.otherMenu.openProgramFolder, openProgramFolder);
    bind(f, f.otherMenu.restartExplorer, restartExplorer);
    bind(f, f.otherMenu.openDualWindow, openDualWindow);
}

void bindSettingsMenu(Form1& f) {
    // zidongsuaxin and qidongdiaoru only flip their ticks; others read them.
    bind(f, f.settingsMenu.chooseFont, chooseListFont);
    bind(f, f.settingsMenu.showInTray, toggleTrayIcon);
    bind(f, f.settingsMenu.chooseIcon, chooseMainIcon);
    bind(f, f.settingsMenu.hidePathTips, togglePathTips);
    bind(f, f.settingsMenu.scaleControls, toggleControlScaling);
    bind(f, f.settingsMenu.saveSettings, saveSettings);
    bind(f, f.settingsMenu.reloadSettings, loadSettings);
    bind(f, f.settingsMenu.scanAddress, rescanSelectedAddress);
    bind(f, f.settingsMenu.writeFolderSet, writeFolderSetFile);
    bind(f, f.settingsMenu.readFolderSet, readFolderSetFile);
    bind(f, f.settingsMenu.placeholder, doNothing);
    bind(f, f.settingsMenu.scaleAtStart, scaleFormToScreen);
}

void bindHelpMenu(Form1& f) {
    bind(f, f.helpMenu.help, openHelp);
    bind(f, f.helpMenu.aboutAuthor, openAuthorPage);
    bind(f, f.helpMenu.about, openAboutBox);
    bind(f, f.helpMenu.antivirus, openAntivirusPage);
    bind(f, f.helpMenu.activeDefence, openActiveDefencePage);
    bind(f, f.helpMenu.accountProtection, openAccountProtectionPage);
    bind(f, f.helpMenu.writeToAuthor, writeToAuthor);
    bind(f, f.helpMenu.updatePage, openUpdatePage);
    bind(f, f.helpMenu.customSoftware, openCustomSoftwarePage);
    bind(f, f.helpMenu.antivirusNotice, openAntivirusNotice);
}

void bindListMenu(Form1& f) {
    bind(f, f.listMenu.tickAll, tickAll);
    bind(f, f.listMenu.invertTicks, invertTicks);
    bind(f, f.listMenu.untickAll, untickAll);
    bind(f, f.listMenu.minimiseAll, minimiseAllWindows);
    bind(f, f.listMenu.maximiseAll, maximiseAllWindows);
    bind(f, f.listMenu.minimiseOne, minimiseSelectedWindow);
    bind(f, f.listMenu.maximiseOne, maximiseSelectedWindow);
    bind(f, f.listMenu.closeOne, closeSelectedWindow);
    bind(f, f.listMenu.closeUnticked, closeUntickedWindows);
    bind(f, f.listMenu.closeAll, closeAllWindows);
    bind(f, f.listMenu.copyPath, copySelectedPath);
    bind(f, f.listMenu.copyName, copySelectedName);
}

void bindTrayMenu(Form1& f) {
    bind(f, f.trayMenu.minimiseAll, minimiseAllWindows);
    bind(f, f.trayMenu.maximiseAll, maximiseAllFromTray);
    bind(f, f.trayMenu.minimiseOtherPrograms, minimiseOtherPrograms);
    bind(f, f.trayMenu.restoreOtherPrograms, restoreOtherPrograms);
    bind(f, f.trayMenu.about, openAboutBox);
    bind(f, f.trayMenu.exit, exitFromTray);
}

void bindControls(Form1& f) {
    f.Button4.OnClick = run(f, refreshFolderList);
    f.Button1.OnClick = run(f, minimiseAllWindows);
    f.Button2.OnClick = run(f, maximiseAllWindows);
    f.Button3.OnClick = run(f, closeUntickedWindows);

    f.CheckListBox1.OnClickCheck = run(f, listTickToggled);
    f.CheckListBox1.OnClick = run(f, listSelectionChanged);
    f.CheckListBox1.OnDblClick = run(f, listDoubleClicked);
    f.CheckListBox1.OnKeyDown = [&f](unsigned key, unsigned shift) {
        runHandler(f, [&] { listKeyDown(f, key, shift); });
    };
    f.CheckListBox1.OnKeyUp = [&f](unsigned key, unsigned shift) { runHandler(f, [&] { listKeyUp(f, key, shift); }); };

    f.StatusBar1.OnDblClick = run(f, statusLineDoubleClicked);
    f.GradientLabel1.OnDblClick = run(f, openAboutBox);
    f.p.app.onRestore = run(f, programRestored);
}

}  // namespace

void bindHandlers(Form1& f) {
    bindFileMenu(f);
    bindEditMenu(f);
    bindOtherMenu(f);
    bindSettingsMenu(f);
    bindHelpMenu(f);
    bindListMenu(f);
    bindTrayMenu(f);
    bindControls(f);
}

void buildForm1(Form1& f) {
    if (!f.MainMenu1.root.items.empty()) return;  // built once, as a form is loaded once
    designControls(f);
    designMenus(f);
    bindHandlers(f);
}

}  // namespace folvaric
