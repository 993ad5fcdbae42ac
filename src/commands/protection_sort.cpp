// Sort by protection: ticked entries first, each group in its old order.
#include "commands/ordering.h"
#include "commands/table_rows.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

void appendScratch(std::vector<std::string>& names, std::vector<WindowHandle>& handles,
                   std::vector<std::string>& paths, int& count, const TableRow& row) {
    const auto k = static_cast<std::size_t>(count);
    names.at(k) = text::cut255(row.name);
    handles.at(k) = row.handle;
    paths.at(k) = text::cut255(row.path);
    ++count;
}

}  // namespace

void baohupaixvClick(Form1& f) {
    if (f.windowCount == 0) return;
    const int rows = listedRows(f);

    // The scratch lists are only 255 bytes wide, so the table is reordered from
    // whole rows: a long name or path must come out of the sort as it went in.
    std::vector<TableRow> ticked;
    std::vector<TableRow> unticked;
    f.protectedCount = 0;
    f.lostCount = 0;
    for (int i = 0; i < rows; ++i) {
        const TableRow row = readRow(f, i);
        if (f.CheckListBox1.checked(i)) {
            appendScratch(f.protectedNames, f.protectedHandles, f.protectedPaths, f.protectedCount, row);
            ticked.push_back(row);
        } else {
            appendScratch(f.lostNames, f.lostHandles, f.lostPaths, f.lostCount, row);
            unticked.push_back(row);
        }
    }

    controls::ListUpdate update(f.CheckListBox1);
    f.CheckListBox1.clear();
    int next = 0;
    for (const TableRow& row : ticked) {
        writeRow(f, next++, row);
        f.CheckListBox1.add(row.name, true);
    }
    for (const TableRow& row : unticked) {
        writeRow(f, next++, row);
        f.CheckListBox1.add(row.name, false);
    }
    f.windowCount = next;
    f.CheckListBox1.select(next - 1);
    f.focusList();
}

}  // namespace folvaric
