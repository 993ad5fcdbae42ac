#include "tracking/protected_snapshot.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "text/folder_path.h"

namespace folvaric {

void snapshotTickedRows(RefreshRun& run) {
    Form1& f = run.f;
    const int items = std::min(f.CheckListBox1.count(), f.table.size());
    run.protectedFolders.reserve(run.protectedFolders.size() + static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i) {
        if (!f.CheckListBox1.checked(i)) continue;
        if (static_cast<int>(run.protectedFolders.size()) >= kMaxRows) {
            run.capacity.tell();
            return;
        }
        // Whole texts: a cut path would name the parent folder, or none, or another
        // folder that shares its beginning.
        // Taken, not copied: the walk that follows rebuilds every row of the table.
        FolderRow& row = f.table[i];
        run.protectedFolders.push_back({std::move(row.name),
                                        std::move(row.path),
                                        row.window,
                                        {},
                                        std::move(row.pathKey),
                                        std::move(row.keyedPath)});
        // A ticked window protects the folders of all its tabs: each comes back on its own
        // should the whole window be closed.
        for (const std::string& tab : row.otherTabs) {
            if (static_cast<int>(run.protectedFolders.size()) >= kMaxRows) {
                run.capacity.tell();
                return;
            }
            run.protectedFolders.push_back({tabFolderName(tab), tab, row.window});
        }
    }
}

void listRowsWithTicks(RefreshRun& run) {
    Form1& f = run.f;
    // Paths compared as Windows compares them: a folder saved as "c:\\t" is the one
    // Explorer shows as "C:\\T", and the computer view has two names.
    // The keys stay with the snapshot's rows, which nothing changes while the list is filled.
    std::unordered_set<std::string_view> protectedPaths(run.protectedFolders.size());
    for (const FolderRow& folder : run.protectedFolders) protectedPaths.insert(pathKeyOf(folder));
    const auto isProtected = [&protectedPaths](const std::string& path) {
        return protectedPaths.count(text::folderPathKey(path)) != 0;
    };
    // A window is ticked when any of its tabs shows a protected folder: the user may have
    // switched to another tab since.
    for (const FolderRow& row : f.table) {
        f.CheckListBox1.add(row.name, protectedPaths.count(pathKeyOf(row)) != 0 ||
                                          std::any_of(row.otherTabs.begin(), row.otherTabs.end(), isProtected));
    }
}

}  // namespace folvaric
