// Rebuilding the window table from the desktop's top-level windows, topmost first.
#include "tracking/explorer_walk.h"

#include <string_view>
#include <unordered_set>

#include "text/gbk_text.h"
#include "tracking/discovery.h"
#include "tracking/owner_executable.h"
#include "tracking/shell_folders.h"
#include "tracking/special_views.h"
#include "tracking/texts.h"

namespace folvaric {
namespace {

void minimiseOrRestore(Form1& f, WindowHandle h, bool minimiseOthers, bool restoreOthers) {
    platform::Desktop& desktop = f.p.desktop;
    if (minimiseOthers && !desktop.isMinimised(h)) desktop.minimise(h);
    if (restoreOthers && desktop.isMinimised(h)) desktop.show(h, platform::ShowCommand::Restore);
}

// Records whether the path of the window just scanned could be read. Special
// views have no path by nature; any other window without one means paths cannot
// be read on this system, unless another window of the same walk proves otherwise.
void notePathOutcome(Form1& f, const std::string& displayName) {
    if (!f.foundPath.empty()) {
        if (!tracking_text::isComputerName(displayName)) ++f.resolvedPathCount;
    } else if (!isSpecialView(displayName)) {
        f.pathsResolvable = false;
        if (f.pathFailReason == 0) f.pathFailReason = 1;
    }
}

// Windows 11 draws the folder window's header without an address control: the
// shell's window list tells the folder instead. What the address scan recorded
// about an unreadable address does not count against a path the shell gave.
void readFolderFromShell(Form1& f, ShellFolderLookup& shellFolders, WindowHandle h, int failReason,
                         const std::string& failText) {
    f.foundPath = shellFolders.activeFolderOf(h);
    if (f.foundPath.empty()) return;
    f.pathFailReason = failReason;
    f.pathFailText = failText;
}

}  // namespace

bool hasMainWindowStyle(Form1& f, WindowHandle h) {
    return (f.p.desktop.style(h) & platform::style::MainWindowMask) == platform::style::MainWindowMask;
}

std::string displayNameFromTitle(Form1& f, const std::string& title) {
    std::string last = text::lastPathComponent(title);
    // A title without a separator is its own last component: no need to ask the disk.
    if (last == title || !f.p.files.directoryExists(title)) return title;
    return last.empty() ? title : last;
}

bool walkExplorerWindows(Form1& f, bool minimiseOthers, bool restoreOthers, CapacityNotice& notice) {
    platform::Desktop& desktop = f.p.desktop;
    bool found = false;
    f.windowCount = 0;
    OwnerExecutables owners(f);
    // Paths of the rows listed so far: a second window of a listed folder is a duplicate.
    std::unordered_set<std::string_view> listedPaths;
    ShellFolderLookup shellFolders(f);

    for (const WindowHandle h : desktop.topLevelWindowsInZOrder()) {
        f.scanWindow = h;
        if (!hasMainWindowStyle(f, h)) continue;
        const std::string title = desktop.title(h, kTitleBuffer);
        if (title.empty()) continue;
        f.processExePath = owners.of(h);
        if (!isExplorerExecutable(f.processExePath)) {
            minimiseOrRestore(f, h, minimiseOthers, restoreOthers);
            continue;
        }
        found = true;

        const int row = f.windowCount;
        const std::string name = displayNameFromTitle(f, title);
        f.windowNames[static_cast<std::size_t>(row)] = name;
        f.windowHandles[static_cast<std::size_t>(row)] = h;
        f.scanRow = row;
        const int failReason = f.pathFailReason;
        const std::string failText = f.pathFailText;
        xunzaodizilanClick(f);
        // A special view has no folder path anywhere; asking the shell about it would only cost.
        if (f.foundPath.empty() && !isSpecialView(name)) readFolderFromShell(f, shellFolders, h, failReason, failText);
        notePathOutcome(f, name);
        const std::string& path = f.windowPaths[static_cast<std::size_t>(row)] = f.foundPath;

        // The window higher in the Z order keeps the folder; the lower one is closed,
        // unless it holds other folders as tabs, which would be closed with it.
        if (!path.empty() && !listedPaths.insert(path).second &&
            !(tabsPossible(f) && !shellFolders.otherFoldersOf(h).empty())) {
            desktop.postClose(h);
            continue;
        }
        ++f.windowCount;
        if (f.windowCount >= kMaxRows) {
            notice.tell();
            break;
        }
    }

    if (f.resolvedPathCount > 0) {
        f.pathsResolvable = true;
        f.pathFailReason = 0;
    }
    return found;
}

bool enumerateExplorerWindows(Form1& f, unsigned char minimiseOthers, unsigned char restoreOthers) {
    CapacityNotice notice(f);
    return walkExplorerWindows(f, minimiseOthers == 1, restoreOthers == 1, notice);
}

}  // namespace folvaric
