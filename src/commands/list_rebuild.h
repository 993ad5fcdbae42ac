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

// Builds the list from the table. A window that was ticked stays ticked;
// windows new to the table come unticked. A ticked row whose window the pass no
// longer found takes its tick to a row of the same folder when there is one, and
// otherwise stays in the list, ticked, after the rows found, so that the next
// refresh can still bring the folder back. The selection stays on the same
// window when it is still listed.
void rebuildListFromTable(Form1& f, const RememberedList& before);

}  // namespace folvaric
