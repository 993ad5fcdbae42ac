#include "options/appearance.h"

#include "options/icon_file.h"
#include "options/tray_icon.h"
#include "storage/storage_texts.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

const std::string& iconFilter() {
    static const std::string t = "icon(*.ico)|*.ico";
    return t;
}

const std::string& iconFolder() {
    static const std::string t = text::gbk("\\图标\\");
    return t;
}

}  // namespace

void toggleTrayIcon(Form1& f) {
    f.settingsMenu.showInTray.setChecked(!f.settingsMenu.showInTray.checked());
    const bool on = f.settingsMenu.showInTray.checked();
    f.trayOption = on ? -1 : 0;
    trayIconSetVisible(f, on);
    trayIconSetHide(f, on);
}

void trayIconClicked(Form1& f) {
    if (f.p.app.isMinimised()) {
        trayIconRestore(f);
    } else {
        trayIconMinimize(f);
    }
}

void chooseListFont(Form1& f) {
    // The dialog starts from the list's font as it is, so a style chosen earlier is offered again.
    platform::FontChoice font = f.CheckListBox1.font;
    font.name = f.listFontName;
    font.size = f.listFontSize;
    font.color = f.listFontColor;
    if (!f.p.dialogs.chooseFont(font)) return;

    f.CheckListBox1.setFont(font);
    f.CheckListBox1.redraw();
    // Every window of the program is drawn anew with the font; the restore counts as one.
    f.p.app.minimise();
    f.p.app.restore();
    // Only these three are stored; bold, italic and the like last until the program ends.
    f.listFontName = font.name;
    f.listFontSize = font.size;
    f.listFontColor = font.color;
}

void chooseMainIcon(Form1& f) {
    platform::FileDialogOptions options;
    options.filter = iconFilter();
    options.initialDir = f.appDir + iconFolder();
    options.fileName.clear();
    const std::optional<std::string> chosen = f.p.dialogs.openFile(options);
    if (!chosen) return;
    if (!f.p.files.fileExists(*chosen) || !text::endsWithText(".ico", *chosen)) return;
    // A file that only carries the extension would be stored in the settings and fail at every
    // start: the user hears of it now, and the icon stays as it was.
    const platform::ReadResult file = f.p.files.readFile(*chosen, kMaxIconFileBytes);
    if (file.status != platform::ReadStatus::Ok || !isIconFile(file.bytes)) {
        static const std::string notAnIcon = text::gbk("这个文件不是有效的图标文件，图标没有更换：");
        f.p.dialogs.messageBox(f.p.app.mainWindow(), notAnIcon + *chosen, storage_text::errorCaption(),
                               platform::mb::Ok | platform::mb::IconWarning);
        return;
    }
    f.iconFileName = text::lastPathComponent(*chosen);
    // The taskbar button and the title bar now; the tray only at the next settings load.
    f.appIconFile = *chosen;
}

void togglePathTips(Form1& f) {
    f.CheckListBox1.showHint = !f.settingsMenu.hidePathTips.checked();
}

void doNothing(Form1&) {}

}  // namespace folvaric
