// Rebuilding the window table from the desktop's top-level windows, topmost first.
#include "tracking/explorer_walk.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "text/folder_path.h"
#include "text/gbk_text.h"
#include "tracking/address_scan.h"
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
void notePathOutcome(Form1& f, const AddressReading& reading, const std::string& displayName, WalkResult& result) {
    if (reading.failure != AddressFailure::None) {
        f.pathFailReason = reading.failure;
        f.pathFailText = reading.failText;
    }
    if (!reading.path.empty()) {
        if (!tracking_text::isComputerName(displayName)) ++result.resolvedPaths;
    } else if (!isSpecialView(displayName)) {
        f.pathsResolvable = false;
        if (f.pathFailReason == AddressFailure::None) f.pathFailReason = AddressFailure::XpAddressEdit;
    }
}

// Windows 11 draws the folder window's header without an address control: the
// shell's window list tells the folder instead. A special view has no folder path
// anywhere, so the shell is not asked about it. A path the shell gave is no failure,
// whatever the address scan found unreadable.
AddressReading readFolder(Form1& f, ShellFolderLookup& shellFolders, WindowHandle h, const std::string& name) {
    AddressReading reading = readWindowAddress(f, h, name);
    if (!reading.path.empty() || isSpecialView(name)) return reading;
    std::string fromShell = shellFolders.activeFolderOf(h);
    if (!fromShell.empty()) reading = AddressReading{std::move(fromShell), AddressFailure::None, std::string()};
    return reading;
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

WalkResult walkExplorerWindows(Form1& f, bool minimiseOthers, bool restoreOthers, CapacityNotice& notice) {
    platform::Desktop& desktop = f.p.desktop;
    WalkResult result;
    f.table.clear();
    OwnerExecutables owners(f);
    // Paths of the rows listed so far, compared as Windows compares them: a second window
    // of a listed folder is a duplicate.
    f.table.reserveAll();
    std::unordered_set<std::string_view> listedPaths;
    ShellFolderLookup shellFolders(f);

    const std::vector<WindowHandle> windows = desktop.topLevelWindowsInZOrder();
    // One table of buckets for the whole walk, not one for each time it fills up.
    listedPaths.reserve(windows.size());
    for (const WindowHandle h : windows) {
        if (!hasMainWindowStyle(f, h)) continue;
        const std::string title = desktop.title(h, kTitleBuffer);
        if (title.empty()) continue;
        if (!owners.isExplorer(h)) {
            minimiseOrRestore(f, h, minimiseOthers, restoreOthers);
            continue;
        }
        result.found = true;

        FolderRow row{displayNameFromTitle(f, title), std::string(), h};
        AddressReading reading = readFolder(f, shellFolders, h, row.name);
        notePathOutcome(f, reading, row.name, result);
        row.path = std::move(reading.path);
        // Only the shell's list knows the folders of a window's other tabs.
        if (tabsPossible(f)) row.otherTabs = shellFolders.otherFoldersOf(h);

        // The window higher in the Z order keeps the folder; the lower one is closed,
        // unless it holds other folders as tabs, which would be closed with it.
        const bool hasPath = !row.path.empty();
        if (hasPath && listedPaths.count(pathKeyOf(row)) != 0 && row.otherTabs.empty()) {
            desktop.postClose(h);
            continue;
        }
        // The key worked out above goes with the row into the table, which has room for every
        // row: none moves while the walk goes on.
        if (f.table.append(std::move(row)) && hasPath) listedPaths.insert(f.table[f.table.size() - 1].pathKey);
        if (f.table.full()) {
            notice.tell();
            break;
        }
    }

    if (result.resolvedPaths > 0) {
        f.pathsResolvable = true;
        f.pathFailReason = AddressFailure::None;
    }
    return result;
}

bool enumerateExplorerWindows(Form1& f, bool minimiseOthers, bool restoreOthers) {
    CapacityNotice notice(f);
    return walkExplorerWindows(f, minimiseOthers, restoreOthers, notice).found;
}

}  // namespace folvaric
