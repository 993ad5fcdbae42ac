// Moving one entry by dragging it onto another: it lands directly before the
// entry it was dropped on, in the list and in the table alike.
#include "commands/ordering.h"
#include "commands/table_rows.h"

namespace folvaric {

void listDragStarted(Form1& f, int listX, int listY) {
    f.dragFromRow = f.CheckListBox1.itemAtPos(listX, listY);
}

bool listDragOver(Form1& f, const void* source) {
    return source == &f.CheckListBox1;
}

void listDragDropped(Form1& f, int x, int y) {
    controls::CheckListBox& list = f.CheckListBox1;
    if (f.dragFromRow == -1) return;
    // The press that began the drag selected the dragged entry.
    f.dragFromRow = list.itemIndex();
    f.dragToRow = list.itemAtPos(x, y);
    const int from = f.dragFromRow;
    const int to = f.dragToRow;
    const int rows = listedRows(f);
    if (from == to || from < 0 || to < 0 || from >= rows || to >= rows) return;
    const bool mark = list.checked(from);

    const int landed = from < to ? to - 1 : to;
    {
        controls::ListUpdate update(list);
        list.insert(to, list.item(from));
        list.remove(to < from ? from + 1 : from);
        list.select(landed);
        list.setChecked(landed, mark);
    }

    f.table.move(from, landed);
    f.focusList();
}

}  // namespace folvaric
