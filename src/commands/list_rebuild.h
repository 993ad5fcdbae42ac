#pragma once
// Keeps entry k equal to row k when a pass over the desktop refills the table
// without touching the list: the list is remembered before the pass and built
// again from the refilled table afterwards.
#include <vector>

#include "commands/table_rows.h"
#include "state/form1.h"

namespace folvaric {

struct RememberedList {
    std::vector<FolderRow> tickedRows;  // in list order
    WindowHandle selectedWindow = 0;    // 0: nothing selected, or a row without a window
};

RememberedList rememberList(const Form1& f);

// Builds the list from the table. Ticks belong to folders: a ticked folder stays
// ticked on a row that shows it (its own window first), whichever window that is;
// only a row without a path is followed by its window. Windows new to the table
// come unticked. A ticked folder that no listed window shows any more stays in the
// list, ticked, after the rows found, so that the next refresh can still bring the
// folder back. The selection stays on the same
// window when it is still listed.
void rebuildListFromTable(Form1& f, const RememberedList& before);

}  // namespace folvaric
