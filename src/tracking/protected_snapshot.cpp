#include "tracking/protected_snapshot.h"

#include <algorithm>
#include <unordered_set>

#include "text/folder_path.h"

namespace folvaric {

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
        // Whole texts: a cut path would name the parent folder, or none, or another
        // folder that shares its beginning.
        f.protectedNames[entry] = f.windowNames[row];
        f.protectedPaths[entry] = f.windowPaths[row];
        f.protectedHandles[entry] = f.windowHandles[row];
        ++f.protectedCount;
    }
}

void listRowsWithTicks(Form1& f) {
    // Paths compared as Windows compares them: a folder saved as "c:\\t" is the one
    // Explorer shows as "C:\\T", and the computer view has two names.
    std::unordered_set<std::string> protectedPaths(static_cast<std::size_t>(f.protectedCount));
    for (int j = 0; j < f.protectedCount; ++j) {
        protectedPaths.insert(text::folderPathKey(f.protectedPaths[static_cast<std::size_t>(j)]));
    }
    for (int i = 0; i < f.windowCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        f.CheckListBox1.add(f.windowNames[row], protectedPaths.count(text::folderPathKey(f.windowPaths[row])) != 0);
    }
}

}  // namespace folvaric
