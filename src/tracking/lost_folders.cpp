#include "tracking/lost_folders.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "text/folder_path.h"
#include "tracking/refresh_status.h"
#include "tracking/texts.h"

namespace folvaric {
namespace {

const std::string kComputerViewId = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

// Explorer splits its command line at commas and drops the blanks around each part;
// a path with either is quoted so that it arrives whole. Others go as they always did.
std::string explorerArgument(const std::string& path) {
    const bool needsQuotes = path.find(',') != std::string::npos || path.front() == ' ' || path.back() == ' ';
    return needsQuotes ? '"' + path + '"' : path;
}

void openInExplorer(Form1& f, const std::string& path, bool computerView) {
    const WindowHandle owner = f.p.app.mainWindow();
    const auto show = platform::ShowCommand::ShowMinNoActive;
    if (computerView) {
        f.p.shell.execute(owner, "open", "explorer.exe", kComputerViewId, "", show);
    } else {
        f.p.shell.execute(owner, "open", "Explorer.exe", "/n," + explorerArgument(path), "", show);
    }
}

// Which protected folders the rebuilt table shows, compared as Windows compares paths,
// decided before any folder is opened: opening one may pump messages, and a command may
// change the table then. A folder shown in a tab that is not the active one is open all
// the same.
std::vector<bool> foldersStillOpen(const RefreshRun& run) {
    std::vector<bool> open(run.protectedFolders.size(), false);
    if (run.f.noExplorerWindows) return open;
    std::vector<std::string> tabKeys;
    for (const FolderRow& row : run.f.table) {
        for (const std::string& tab : row.otherTabs) {
            if (!tab.empty()) tabKeys.push_back(text::folderPathKey(tab));
        }
    }
    std::unordered_set<std::string_view> openPaths(static_cast<std::size_t>(run.f.table.size()) + tabKeys.size());
    for (const FolderRow& row : run.f.table) {
        if (!row.path.empty()) openPaths.insert(pathKeyOf(row));
    }
    openPaths.insert(tabKeys.begin(), tabKeys.end());
    for (std::size_t i = 0; i < open.size(); ++i) {
        const FolderRow& folder = run.protectedFolders[i];
        open[i] = !folder.path.empty() && openPaths.count(pathKeyOf(folder)) != 0;
    }
    return open;
}

}  // namespace

void reopenLostFolders(RefreshRun& run) {
    Form1& f = run.f;
    // A path read from a window a moment ago was an existing folder (or the computer
    // view), and needs no second look at the disk.
    const std::vector<bool> stillOpen = foldersStillOpen(run);
    // A folder entered twice in the snapshot (from a loaded set and a ticked row, or in
    // two spellings) gets one window: two would both be found by the same title. The keys
    // stay with the snapshot's rows, which no other command changes.
    std::unordered_set<std::string_view> reopened;
    const int room = kMaxRows - f.table.size();

    for (std::size_t i = 0; i < run.protectedFolders.size(); ++i) {
        const FolderRow& folder = run.protectedFolders[i];
        const std::string& path = folder.path;
        if (path.empty()) continue;
        const bool computerView = tracking_text::isComputerName(path);
        const bool open = stillOpen[i];
        // A protected folder that was deleted, or whose drive is gone, leaves protection quietly.
        if (!computerView && !open && !f.p.files.directoryExists(path)) continue;
        if (open || !reopened.insert(pathKeyOf(folder)).second) {
            reportGated(f, tracking_text::folderStillOpen());
            continue;
        }
        if (static_cast<int>(run.lostFolders.size()) >= room) {
            run.capacity.tell();
            return;
        }
        if (!computerView && !f.p.files.directoryExists(path)) {
            reportGated(f, tracking_text::folderVanished() + path);
            continue;
        }
        openInExplorer(f, path, computerView);
        run.lostFolders.push_back({folder.name, path, 0});
    }
}

}  // namespace folvaric
