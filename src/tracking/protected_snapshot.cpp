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
    }
}

void listRowsWithTicks(RefreshRun& run) {
    Form1& f = run.f;
    std::unordered_set<std::string_view> protectedPaths(run.protectedFolders.size());
    for (const FolderRow& folder : run.protectedFolders) protectedPaths.insert(folder.path);
    for (const FolderRow& row : f.table) {
        f.CheckListBox1.add(row.name, protectedPaths.count(snapshotText(row.path)) != 0);
    }
}

}  // namespace folvaric
