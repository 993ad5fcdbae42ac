// Finding a re-opened folder's window by its title. Titles are only folder names, and many
// folders share one ("新建文件夹", "Data"): a window of another folder with the same name,
// listed already or re-opened in the same refresh, must not stand in for this one.
#include "tracking/reborn_window.h"

#include "text/gbk_text.h"
#include "tracking/address_scan.h"
#include "tracking/discovery.h"
#include "tracking/explorer_walk.h"
#include "tracking/owner_executable.h"
#include "tracking/texts.h"

namespace folvaric {
namespace {

// Folder paths name the same folder regardless of ASCII case and of a trailing backslash;
// the computer view has a name of its own on each generation of Windows.
std::string folderKey(const std::string& path) {
    if (tracking_text::isComputerName(path)) return tracking_text::myComputerXp();
    std::string key = text::asciiLower(path);
    if (key.size() > 3 && text::endsWithText("\\", key)) key.pop_back();
    return key;
}

// A window listed in a row of another folder is that folder's; a row without a path tells
// nothing, so its window is left to it as well.
bool listedForAnotherFolder(const Form1& f, WindowHandle h, const std::string& path) {
    for (const FolderRow& row : f.table) {
        if (row.window == h && folderKey(row.path) != folderKey(path)) return true;
    }
    return false;
}

bool canBeFoldersWindow(Form1& f, WindowHandle h, const std::string& name, const std::string& path) {
    if (listedForAnotherFolder(f, h, path)) return false;
    if (!isExplorerExecutable(getWindowExePath(f, h))) return false;
    // Read as the walk reads it; what it finds about unreadable addresses is the walk's business.
    const std::string address = readWindowAddress(f, h, name).path;
    return address.empty() || folderKey(address) == folderKey(path);
}

}  // namespace

WindowHandle findRebornWindow(Form1& f, const std::string& title, const std::string& name, const std::string& path) {
    platform::Desktop& desktop = f.p.desktop;
    for (const WindowHandle h : desktop.topLevelWindowsInZOrder()) {
        if (!hasMainWindowStyle(f, h)) continue;
        const std::string windowTitle = desktop.title(h, kTitleBuffer);
        if (windowTitle.empty() || windowTitle != title) continue;
        if (canBeFoldersWindow(f, h, name, path)) return h;
    }
    return 0;
}

}  // namespace folvaric
