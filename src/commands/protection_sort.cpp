// Sort by protection: ticked entries first, each group in its old order.
#include <vector>

#include "commands/ordering.h"
#include "commands/table_rows.h"

namespace folvaric {

void sortByProtection(Form1& f) {
    if (f.table.empty()) return;
    const int rows = listedRows(f);

    // The sort works on copies of whole rows: a refresh waiting for Explorer keeps its
    // own protected folders, and a save meanwhile must still find them there.
    std::vector<FolderRow> ticked;
    std::vector<FolderRow> unticked;
    for (int i = 0; i < rows; ++i) {
        (f.CheckListBox1.checked(i) ? ticked : unticked).push_back(f.table[i]);
    }

    controls::ListUpdate update(f.CheckListBox1);
    f.CheckListBox1.clear();
    f.table.clear();
    for (const FolderRow& row : ticked) {
        f.table.append(row);
        f.CheckListBox1.add(row.name, true);
    }
    for (const FolderRow& row : unticked) {
        f.table.append(row);
        f.CheckListBox1.add(row.name, false);
    }
    f.CheckListBox1.select(f.table.size() - 1);
    f.focusList();
}

}  // namespace folvaric
