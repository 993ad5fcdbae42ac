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

// The row that now shows the ticked row's folder: its own window if that still shows it, else
// any window of the folder, one not yet ticked first. A window browsed elsewhere since shows
// another folder, and the tick stays with the folder, not with the window.
int rowOfFolder(const Form1& f, const FolderRow& ticked, const std::vector<bool>& taken) {
    int untaken = -1;
    int any = -1;
    for (int i = 0; i < f.table.size(); ++i) {
        if (!text::sameFolderPath(f.table[i].path, ticked.path)) continue;
        if (f.table[i].window == ticked.window) return i;
        if (untaken < 0 && !taken[static_cast<std::size_t>(i)]) untaken = i;
        if (any < 0) any = i;
    }
    return untaken >= 0 ? untaken : any;
}

// Where the tick of a remembered row goes: by folder, and by window only for a row that has
// no folder path to go by.
int rowForTick(const Form1& f, const FolderRow& ticked, const std::vector<bool>& taken) {
    if (!ticked.path.empty()) return rowOfFolder(f, ticked, taken);
    return rowWithHandle(f, ticked.window);
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
        const int found = rowForTick(f, row, ticks);
        if (found >= 0) {
            ticks[static_cast<std::size_t>(found)] = true;
            continue;
        }
        // The folder has no window now: it stays listed and ticked for the next refresh to
        // bring back. Its old window, if still there, shows another folder and is not its own.
        FolderRow kept = row;
        if (rowWithHandle(f, kept.window) >= 0) kept.window = 0;
        if (f.table.append(kept)) ticks.push_back(true);
    }

    controls::ListUpdate update(f.CheckListBox1);
    f.CheckListBox1.clear();
    for (int i = 0; i < f.table.size(); ++i) f.CheckListBox1.add(f.table[i].name, ticks[static_cast<std::size_t>(i)]);
    f.CheckListBox1.select(rowWithHandle(f, before.selectedWindow));
}

}  // namespace folvaric
