// Finding a re-opened folder's window by its title. Titles are only folder names, and many
// folders share one ("新建文件夹", "Data"): a window of another folder with the same name,
// listed already or re-opened in the same refresh, must not stand in for this one.
#include "tracking/reborn_window.h"

#include "text/folder_path.h"
#include "tracking/discovery.h"
#include "tracking/explorer_walk.h"
#include "tracking/owner_executable.h"
#include "tracking/texts.h"

namespace folvaric {
namespace {

// The address the window shows, read as the walk reads it; the scan's working state and
// what it records about unreadable addresses belong to the walk, so they are put back.
std::string addressOf(Form1& f, WindowHandle h, const std::string& name) {
    const WindowHandle scanWindow = f.scanWindow;
    const int scanRow = f.scanRow;
    const std::string foundPath = f.foundPath;
    const int failReason = f.pathFailReason;
    const std::string failText = f.pathFailText;
    const auto slot = static_cast<std::size_t>(f.windowCount < kSpareSlot ? f.windowCount : kSpareSlot);
    const std::string slotName = f.windowNames[slot];

    f.windowNames[slot] = name;
    f.scanWindow = h;
    f.scanRow = static_cast<int>(slot);
    xunzaodizilanClick(f);
    std::string address = f.foundPath;

    f.windowNames[slot] = slotName;
    f.scanWindow = scanWindow;
    f.scanRow = scanRow;
    f.foundPath = foundPath;
    f.pathFailReason = failReason;
    f.pathFailText = failText;
    return address;
}

// A window listed in a row of another folder is that folder's; a row without a path tells
// nothing, so its window is left to it as well.
bool listedForAnotherFolder(const Form1& f, WindowHandle h, const std::string& path) {
    for (int i = 0; i < f.windowCount && i < kTableSlots; ++i) {
        const auto row = static_cast<std::size_t>(i);
        if (f.windowHandles[row] == h && !text::sameFolderPath(f.windowPaths[row], path)) return true;
    }
    return false;
}

bool canBeFoldersWindow(Form1& f, WindowHandle h, const std::string& name, const std::string& path) {
    if (listedForAnotherFolder(f, h, path)) return false;
    if (!isExplorerExecutable(getWindowExePath(f, h))) return false;
    const std::string address = addressOf(f, h, name);
    return address.empty() || text::sameFolderPath(address, path);
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
