#include "commands/list_rebuild.h"

#include "text/same_folder.h"

namespace folvaric {
namespace {

int rowWithHandle(const Form1& f, WindowHandle h) {
    if (h == 0) return -1;
    for (int i = 0; i < f.windowCount; ++i) {
        if (f.windowHandles[static_cast<std::size_t>(i)] == h) return i;
    }
    return -1;
}

// The row that now shows the ticked row's folder: its own window if that still shows it, else
// any window of the folder. A window browsed elsewhere since shows another folder, and the tick
// stays with the folder, not with the window.
int rowOfFolder(const Form1& f, const TableRow& ticked, const std::vector<bool>& taken) {
    int untaken = -1;
    int any = -1;
    for (int i = 0; i < f.windowCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        if (!text::sameFolder(f.windowPaths[row], ticked.path)) continue;
        if (f.windowHandles[row] == ticked.handle) return i;
        if (untaken < 0 && !taken[row]) untaken = i;
        if (any < 0) any = i;
    }
    return untaken >= 0 ? untaken : any;
}

// Where the tick of a remembered row goes: by folder, and by window only for a row that has
// no folder path to go by.
int rowForTick(const Form1& f, const TableRow& ticked, const std::vector<bool>& taken) {
    if (!ticked.path.empty()) return rowOfFolder(f, ticked, taken);
    return rowWithHandle(f, ticked.handle);
}

}  // namespace

RememberedList rememberList(const Form1& f) {
    RememberedList before;
    const int rows = listedRows(f);
    for (int i = 0; i < rows; ++i) {
        if (f.CheckListBox1.checked(i)) before.tickedRows.push_back(readRow(f, i));
    }
    const int selected = f.CheckListBox1.itemIndex();
    if (selected >= 0 && selected < rows) before.selectedWindow = readRow(f, selected).handle;
    return before;
}

void rebuildListFromTable(Form1& f, const RememberedList& before) {
    if (f.windowCount < 0) f.windowCount = 0;
    if (f.windowCount > kMaxRows) f.windowCount = kMaxRows;
    std::vector<bool> ticks(static_cast<std::size_t>(f.windowCount), false);
    for (const TableRow& row : before.tickedRows) {
        const int found = rowForTick(f, row, ticks);
        if (found >= 0) {
            ticks[static_cast<std::size_t>(found)] = true;
        } else if (f.windowCount < kMaxRows) {
            // The folder has no window now: it stays listed and ticked for the next refresh to
            // bring back. Its old window, if still there, shows another folder and is not its own.
            TableRow kept = row;
            if (rowWithHandle(f, kept.handle) >= 0) kept.handle = 0;
            writeRow(f, f.windowCount++, kept);
            ticks.push_back(true);
        }
    }

    f.CheckListBox1.clear();
    for (int i = 0; i < f.windowCount; ++i) {
        f.CheckListBox1.add(f.windowNames[static_cast<std::size_t>(i)], ticks[static_cast<std::size_t>(i)]);
    }
    f.CheckListBox1.select(rowWithHandle(f, before.selectedWindow));
}

}  // namespace folvaric
