#include "commands/table_rows.h"

#include <algorithm>

namespace folvaric {

int listedRows(const Form1& f) {
    return std::max(0, std::min(f.table.size(), f.CheckListBox1.count()));
}

FolderRow selectedRow(const Form1& f) {
    return f.table.rowOrEmpty(f.CheckListBox1.itemIndex());
}

void removeSelectedRow(Form1& f) {
    const int selected = f.CheckListBox1.itemIndex();
    const int entries = std::min(f.CheckListBox1.count(), kMaxRows);
    if (selected < 0 || selected >= entries) return;
    f.table.erase(selected);
    f.CheckListBox1.remove(selected);
}

}  // namespace folvaric
