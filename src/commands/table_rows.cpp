#include "commands/table_rows.h"

#include <algorithm>

namespace folvaric {

TableRow readRow(const Form1& f, int row) {
    const auto k = static_cast<std::size_t>(row);
    return TableRow{f.windowNames.at(k), f.windowHandles.at(k), f.windowPaths.at(k)};
}

void writeRow(Form1& f, int row, const TableRow& values) {
    const auto k = static_cast<std::size_t>(row);
    f.windowNames.at(k) = values.name;
    f.windowHandles.at(k) = values.handle;
    f.windowPaths.at(k) = values.path;
}

int listedRows(const Form1& f) {
    return std::max(0, std::min({f.windowCount, f.CheckListBox1.count(), kMaxRows}));
}

void removeSelectedRow(Form1& f) {
    const int selected = f.CheckListBox1.itemIndex();
    const int entries = std::min(f.CheckListBox1.count(), kMaxRows);
    if (selected < 0 || selected >= entries) return;
    // With a full table the last copy reads the spare slot, which is why it exists.
    for (int k = selected; k < entries; ++k) writeRow(f, k, readRow(f, k + 1));
    if (f.windowCount > 0) --f.windowCount;
    f.CheckListBox1.remove(selected);
}

}  // namespace folvaric
