#pragma once
// One row of the window table taken as a whole, so that name, handle and path
// always move together.
#include <string>

#include "state/form1.h"

namespace folvaric {

struct TableRow {
    std::string name;
    WindowHandle handle = 0;
    std::string path;
};

TableRow readRow(const Form1& f, int row);
void writeRow(Form1& f, int row, const TableRow& values);

// Rows the list and the table both hold; equal to windowCount whenever no
// operation is half-way, and never more than the table's capacity.
int listedRows(const Form1& f);

// Removes the selected entry and its row: the rows after it move up by one,
// ticks travel with their entries, and afterwards nothing is selected.
void removeSelectedRow(Form1& f);

}  // namespace folvaric
