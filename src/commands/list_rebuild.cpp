#include "commands/list_rebuild.h"

#include "text/folder_path.h"

namespace folvaric {
namespace {

int rowWithHandle(const Form1& f, WindowHandle h) {
    if (h == 0) return -1;
    for (int i = 0; i < f.table.size(); ++i) {
        if (f.table[i].window == h) return i;
    }
    return -1;
}

int rowWithPath(const Form1& f, const std::string& path) {
    if (path.empty()) return -1;
    for (int i = 0; i < f.table.size(); ++i) {
        if (text::sameFolderPath(f.table[i].path, path)) return i;
    }
    return -1;
}

}  // namespace

RememberedList rememberList(const Form1& f) {
    RememberedList before;
    const int rows = listedRows(f);
    for (int i = 0; i < rows; ++i) {
        if (f.CheckListBox1.checked(i)) before.tickedRows.push_back(f.table[i]);
    }
    const int selected = f.CheckListBox1.itemIndex();
    if (selected >= 0 && selected < rows) before.selectedWindow = f.table[selected].window;
    return before;
}

void rebuildListFromTable(Form1& f, const RememberedList& before) {
    std::vector<bool> ticks(static_cast<std::size_t>(f.table.size()), false);
    for (const FolderRow& row : before.tickedRows) {
        int found = rowWithHandle(f, row.window);
        if (found < 0) found = rowWithPath(f, row.path);
        if (found >= 0 && found < static_cast<int>(ticks.size())) {
            ticks[static_cast<std::size_t>(found)] = true;
        } else if (found < 0 && f.table.append(row)) {
            ticks.push_back(true);
        }
    }

    controls::ListUpdate update(f.CheckListBox1);
    f.CheckListBox1.clear();
    for (int i = 0; i < f.table.size(); ++i) f.CheckListBox1.add(f.table[i].name, ticks[static_cast<std::size_t>(i)]);
    f.CheckListBox1.select(rowWithHandle(f, before.selectedWindow));
}

}  // namespace folvaric
