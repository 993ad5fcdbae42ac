#include "app/form_design.h"
#include "app/main_form.h"
#include "app/program_folder.h"
#include "options/layout.h"
#include "storage/folder_sets.h"
#include "storage/settings_file.h"
#include "text/gbk_text.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace folvaric {
namespace {

const std::string& noticeCaption() {
    static const std::string t = text::gbk("友情提示");
    return t;
}

const std::string& addressBarAdvice() {
    static const std::string t =
        text::gbk("文件夹自动重生保护失效，请在xp文件夹选项中设置地址栏显示完整路径，然后按刷新");
    return t;
}

const std::string& protectionFailedBecause() {
    static const std::string t = text::gbk("文件夹自动重生保护失效，原因：");
    return t;
}

const std::string& allWell() {
    static const std::string t =
        text::gbk("启动一切正常，左面打勾的文件夹被保留，如果在系统中被关闭会自动重生，只要按刷新就回来了");
    return t;
}

const std::string& noExplorerOpen() {
    static const std::string t = text::gbk("windows资源管理器文件夹一个也没有打开，请打开windows资源管理器");
    return t;
}

// Centred on the screen, where the window first appears.
void centreOnScreen(Form1& f) {
    const platform::Rect screen = f.p.desktop.desktopRect();
    f.bounds.left = screen.left + (screen.width() - f.bounds.width) / 2;
    f.bounds.top = screen.top + (screen.height() - f.bounds.height) / 2;
}

// The one report of how the start went, from what the last refresh left behind.
void reportStartup(Form1& f) {
    if (!f.pathsResolvable && f.pathFailReason != AddressFailure::None && f.startupDone) {
        const std::string report = f.pathFailReason == AddressFailure::XpAddressEdit
                                       ? addressBarAdvice()
                                       : protectionFailedBecause() + f.pathFailText;
        f.p.dialogs.messageBox(f.p.app.mainWindow(), report, noticeCaption(), platform::mb::Ok);
        f.StatusBar1.setSimpleText(report);
    } else if (!f.lastRefresh.lostFolders.empty() || !f.noExplorerWindows) {
        f.StatusBar1.setSimpleText(allWell());
    } else if (f.startupDone) {
        f.StatusBar1.setSimpleText(noExplorerOpen());
    }
}

}  // namespace

void FormCreate(Form1& f) {
    f.startupScaling = true;
    measureLayoutMargins(f);
    scaleFormToScreen(f);
    centreOnScreen(f);
    f.startupScaling = false;
    f.firstShow = true;
    f.settingsMenu.hiddenOperations.setVisible(false);
    f.scaleOption = -1;

    f.osGeneration.clear();
    detectWindowsGeneration(f);
    f.pathsResolvable = true;
    f.pathFailReason = AddressFailure::None;
    f.refreshBusy = false;
    f.startupDone = false;
    f.startupSetLoadPending = true;
    f.iconFileName.clear();
    f.formShown = false;
    f.lastRefresh = {};
    f.table.clear();
    f.shiftRangeArmed = false;
    f.rangeAnchor = 0;

    buildProgramPaths(f);
    loadSettings(f);
    refreshFolderList(f);  // the status line is still shut: it reports nothing
    f.startupDone = true;
    f.color = colour::FormBackground;
}

void FormShow(Form1& f) {
    f.formShown = true;
    f.settingsMenu.scaleControls.setChecked(f.scaleOption != 0);
    reportStartup(f);

    f.menuPainterActive = true;
    ++f.menuBarColourRequests;
    if (f.onMenuBarColour) f.onMenuBarColour();

    if (f.firstShow) {
        f.firstShow = false;
        try {
            if (f.settingsMenu.loadSetAtStart.checked()) loadDefaultSetAtStartup(f);
        } catch (...) {
            f.startupSetLoadPending = false;
            throw;
        }
        f.startupSetLoadPending = false;
    }
}

}  // namespace folvaric
