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

void snapshotTickedRows(Form1& f, CapacityNotice& capacity) {
    const int items = std::min(f.CheckListBox1.count(), kTableSlots);
    for (int i = 0; i < items; ++i) {
        if (!f.CheckListBox1.checked(i)) continue;
        if (f.protectedCount >= kMaxRows) {
            capacity.tell();
            return;
        }
        const auto row = static_cast<std::size_t>(i);
        const auto entry = static_cast<std::size_t>(f.protectedCount);
        // Assigned in place: the slots keep their storage from one refresh to the next.
        f.protectedNames[entry].assign(snapshotText(f.windowNames[row]));
        f.protectedPaths[entry].assign(snapshotText(f.windowPaths[row]));
        f.protectedHandles[entry] = f.windowHandles[row];
        ++f.protectedCount;
    }
}

void listRowsWithTicks(Form1& f) {
    std::unordered_set<std::string_view> protectedPaths(static_cast<std::size_t>(f.protectedCount));
    for (int j = 0; j < f.protectedCount; ++j) protectedPaths.insert(f.protectedPaths[static_cast<std::size_t>(j)]);
    for (int i = 0; i < f.windowCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        f.CheckListBox1.add(f.windowNames[row], protectedPaths.count(snapshotText(f.windowPaths[row])) != 0);
    }
}

}  // namespace folvaric
