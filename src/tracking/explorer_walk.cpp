// Rebuilding the window table from the desktop's top-level windows, topmost first.
#include "tracking/explorer_walk.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "text/gbk_text.h"
#include "tracking/address_scan.h"
#include "tracking/discovery.h"
#include "tracking/owner_executable.h"
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
    // Paths of the rows listed so far: a second window of a listed folder is a duplicate.
    // Views into the table, which keeps its rows in place once it has room for all.
    f.table.reserveAll();
    std::unordered_set<std::string_view> listedPaths;

    for (const WindowHandle h : desktop.topLevelWindowsInZOrder()) {
        if (!hasMainWindowStyle(f, h)) continue;
        const std::string title = desktop.title(h, kTitleBuffer);
        if (title.empty()) continue;
        if (!isExplorerExecutable(owners.of(h))) {
            minimiseOrRestore(f, h, minimiseOthers, restoreOthers);
            continue;
        }
        result.found = true;

        FolderRow row{displayNameFromTitle(f, title), std::string(), h};
        const AddressReading reading = readWindowAddress(f, h, row.name);
        notePathOutcome(f, reading, row.name, result);
        row.path = reading.path;

        // The window higher in the Z order keeps the folder; the lower one is closed.
        if (!row.path.empty() && listedPaths.count(row.path) != 0) {
            desktop.postClose(h);
            continue;
        }
        f.table.append(std::move(row));
        const std::string& listedPath = f.table[f.table.size() - 1].path;
        if (!listedPath.empty()) listedPaths.insert(listedPath);
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
