#include "storage/settings_file.h"

#include "options/appearance.h"
#include "options/tray_icon.h"
#include "storage/safe_write.h"
#include "storage/settings_format.h"
#include "storage/storage_messages.h"
#include "storage/storage_texts.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

void applyListFont(Form1& f, const SettingsRead& r) {
    f.listFontSize = r.fontSize;
    f.listFontName = r.fontName;
    f.listFontColor = static_cast<std::uint32_t>(r.fontColour);
    // The style the user chose in the font dialog stays until exit; only these three are stored.
    platform::FontChoice font = f.CheckListBox1.font;
    font.name = f.listFontName;
    font.size = f.listFontSize;
    font.color = f.listFontColor;
    f.CheckListBox1.setFont(font);
    f.CheckListBox1.redraw();
}

void applyTrayOption(Form1& f, std::int32_t tray) {
    f.trayOption = tray;
    const bool ticked = f.settingsMenu.showInTray.checked();
    if ((tray == 0) == ticked) toggleTrayIcon(f);
}

// The icon named in the file, when it is there, goes on the taskbar button, the
// title bar and the tray; a missing one leaves the icons as they are, silently.
void applyIcon(Form1& f) {
    const std::string path = f.appDir + storage_text::iconFolder() + f.iconFileName;
    if (!f.p.files.fileExists(path) || !text::endsWithText(".ico", f.iconFileName)) return;
    f.appIconFile = path;
    trayIconTakeAppIcon(f);
}

}  // namespace

void loadSettings(Form1& f) {
    f.listFontSize = kDefaultListFontSize;
    f.listFontName = storage_text::defaultFontName();
    f.listFontColor = kWindowTextColour;

    const platform::ReadResult file = f.p.files.readFile(f.settingsFilePath, kMaxSettingsBytes);
    switch (file.status) {
        case platform::ReadStatus::Ok:
            break;
        case platform::ReadStatus::Missing:
            showStorageError(f, storage_text::fileMissingForRead() + f.settingsFilePath);
            return;
        case platform::ReadStatus::TooLarge:
            showStorageError(f, storage_text::settingsTooLarge() + f.settingsFilePath);
            return;
        case platform::ReadStatus::Failed:
            showStorageError(f, storage_text::fileHasBadData() + f.settingsFilePath);
            return;
    }

    const SettingsRead r = readSettings(file.bytes);
    // These take effect as soon as they are read, whatever the check below finds.
    if (r.reached(5)) f.iconFileName = r.iconFileName;
    if (r.reached(7)) f.settingsMenu.autoRefresh.setChecked(r.autoRefresh != 0);
    if (r.reached(8)) f.settingsMenu.loadSetAtStart.setChecked(r.loadLastSet != 0);
    if (!r.valid()) {
        showStorageError(f, storage_text::fileHasBadData() + f.settingsFilePath);
        return;
    }

    applyListFont(f, r);
    applyTrayOption(f, r.tray);
    applyIcon(f);
    f.scaleOption = r.scale;
}

void saveSettings(Form1& f) {
    SettingsValues v;
    v.fontSize = f.listFontSize;
    v.fontName = f.listFontName;
    v.fontColour = f.listFontColor;
    v.tray = f.trayOption != 0;
    v.iconFileName = f.iconFileName;
    v.scale = f.settingsMenu.scaleControls.checked();
    v.autoRefresh = f.settingsMenu.autoRefresh.checked();
    v.loadLastSet = f.settingsMenu.loadSetAtStart.checked();
    rewriteFile(f.p.files, f.settingsFilePath, formatSettings(v));
}

}  // namespace folvaric
