#include "tracking/lost_folders.h"

#include <string>
#include <unordered_set>

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

}  // namespace

void reopenLostFolders(RefreshRun& run) {
    Form1& f = run.f;
    // The folders of the rebuilt table, compared as Windows compares paths. A path read
    // from a window a moment ago was an existing folder (or the computer view), and needs
    // no second look at the disk. Copies: opening a folder may pump messages, and a
    // command may change the table then.
    std::unordered_set<std::string> openPaths(static_cast<std::size_t>(f.table.size()));
    // A folder shown in a tab that is not the active one is open all the same.
    for (const FolderRow& row : f.table) {
        if (!row.path.empty()) openPaths.insert(pathKeyOf(row));
        for (const std::string& tab : row.otherTabs) {
            if (!tab.empty()) openPaths.insert(text::folderPathKey(tab));
        }
    }
    // A folder entered twice in the snapshot (from a loaded set and a ticked row, or in
    // two spellings) gets one window: two would both be found by the same title.
    std::unordered_set<std::string> reopened;
    const int room = kMaxRows - f.table.size();

    for (const FolderRow& folder : run.protectedFolders) {
        const std::string& path = folder.path;
        if (path.empty()) continue;
        const bool computerView = tracking_text::isComputerName(path);
        const std::string& key = pathKeyOf(folder);
        const bool open = !f.noExplorerWindows && openPaths.count(key) != 0;
        // A protected folder that was deleted, or whose drive is gone, leaves protection quietly.
        if (!computerView && !open && !f.p.files.directoryExists(path)) continue;
        if (open || !reopened.insert(key).second) {
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
