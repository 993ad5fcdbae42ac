#include "tracking/lost_folders.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "tracking/protected_snapshot.h"
#include "tracking/refresh_status.h"
#include "tracking/texts.h"

namespace folvaric {
namespace {

const std::string kComputerViewId = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

void openInExplorer(Form1& f, const std::string& path, bool computerView) {
    const WindowHandle owner = f.p.app.mainWindow();
    const auto show = platform::ShowCommand::ShowMinNoActive;
    if (computerView) {
        f.p.shell.execute(owner, "open", "explorer.exe", kComputerViewId, "", show);
    } else {
        f.p.shell.execute(owner, "open", "Explorer.exe", "/n," + path, "", show);
    }
}

}  // namespace

void reopenLostFolders(RefreshRun& run) {
    Form1& f = run.f;
    // The folders of the rebuilt table, in the form the snapshot keeps them, and
    // whether the whole path is that form: a path read from a window moment ago was
    // an existing folder (or the computer view), and needs no second look at the disk.
    // Copies: opening a folder may pump messages, and a command may change the table then.
    std::unordered_map<std::string, bool> openPaths(static_cast<std::size_t>(f.table.size()));
    for (const FolderRow& row : f.table) {
        const std::string_view form = snapshotText(row.path);
        bool& whole = openPaths[std::string(form)];
        whole = whole || form.size() == row.path.size();
    }
    // A folder entered twice in the snapshot (from a loaded set and a ticked row)
    // gets one window: two would both be found by the same title.
    std::unordered_set<std::string_view> reopened;
    const int room = kMaxRows - f.table.size();

    for (const FolderRow& folder : run.protectedFolders) {
        const std::string& path = folder.path;
        if (path.empty()) continue;
        const bool computerView = tracking_text::isComputerName(path);
        const auto open = f.noExplorerWindows ? openPaths.end() : openPaths.find(path);
        const bool readJustNow = open != openPaths.end() && open->second;
        // A protected folder that was deleted, or whose drive is gone, leaves protection quietly.
        if (!computerView && !readJustNow && !f.p.files.directoryExists(path)) continue;
        if (open != openPaths.end() || !reopened.insert(path).second) {
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
