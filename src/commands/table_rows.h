#pragma once
// The table and the list kept in step by the commands that change both.
#include "state/form1.h"

namespace folvaric {

// Rows the list and the table both hold; equal to the table's size whenever no
// operation is half-way, and never more than the table's capacity.
int listedRows(const Form1& f);

// The selected entry's row; an empty row (no window, no path) when nothing is selected.
FolderRow selectedRow(const Form1& f);

// Removes the selected entry and its row: the rows after it move up by one,
// ticks travel with their entries, and afterwards nothing is selected.
void removeSelectedRow(Form1& f);

}  // namespace folvaric
