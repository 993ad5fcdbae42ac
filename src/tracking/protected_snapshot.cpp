#include "tracking/protected_snapshot.h"

#include <algorithm>
#include <unordered_set>

#include "text/gbk_text.h"

namespace folvaric {

std::string_view snapshotText(const std::string& s) {
    constexpr std::size_t kSnapshotTextBytes = 255;
    if (s.size() <= kSnapshotTextBytes) return s;
    return std::string_view(s).substr(0, text::cut255(s).size());
}

void snapshotTickedRows(RefreshRun& run) {
    Form1& f = run.f;
    const int items = std::min(f.CheckListBox1.count(), f.table.size());
    for (int i = 0; i < items; ++i) {
        if (!f.CheckListBox1.checked(i)) continue;
        if (static_cast<int>(run.protectedFolders.size()) >= kMaxRows) {
            run.capacity.tell();
            return;
        }
        const FolderRow& row = f.table[i];
        run.protectedFolders.push_back(
            {std::string(snapshotText(row.name)), std::string(snapshotText(row.path)), row.window});
        // A ticked window protects the folders of all its tabs: each comes back on its own
        // should the whole window be closed.
        for (const std::string& tab : row.otherTabs) {
            if (static_cast<int>(run.protectedFolders.size()) >= kMaxRows) {
                run.capacity.tell();
                return;
            }
            run.protectedFolders.push_back(
                {std::string(snapshotText(tabFolderName(tab))), std::string(snapshotText(tab)), row.window});
        }
    }
}

void listRowsWithTicks(RefreshRun& run) {
    Form1& f = run.f;
    std::unordered_set<std::string_view> protectedPaths(run.protectedFolders.size());
    for (const FolderRow& folder : run.protectedFolders) protectedPaths.insert(folder.path);
    const auto isProtected = [&protectedPaths](const std::string& path) {
        return protectedPaths.count(snapshotText(path)) != 0;
    };
    // A window is ticked when any of its tabs shows a protected folder: the user may have
    // switched to another tab since.
    for (const FolderRow& row : f.table) {
        f.CheckListBox1.add(
            row.name, isProtected(row.path) || std::any_of(row.otherTabs.begin(), row.otherTabs.end(), isProtected));
    }
}

}  // namespace folvaric
