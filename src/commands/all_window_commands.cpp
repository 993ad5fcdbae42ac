// The commands on every listed window: minimise all, maximise all (from the
// window and from the tray) and close all.
#include "commands/command_support.h"
#include "commands/table_rows.h"
#include "commands/window_commands.h"
#include "commands/window_placement.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

// Brings every listed window to the front at the screen-wide work area. The
// count is read again on every row: a modal box lets other handlers run.
void maximiseEveryRow(Form1& f) {
    const platform::Rect area = screenWideWorkArea(f);
    for (int i = 0; i < listedRows(f); ++i) {
        const FolderRow row = f.table[i];
        if (row.window == 0) {
            refuseZeroHandle(f);
            continue;
        }
        f.p.desktop.bringToTop(row.window);
        f.p.desktop.show(row.window, platform::ShowCommand::ShowNormal);
        moveToArea(f, row.window, area, row.name);
    }
}

}  // namespace

void minimiseAllWindows(Form1& f) {
    if (f.CheckListBox1.count() == 0) return;
    for (int i = 0; i < f.CheckListBox1.count(); ++i) {
        f.CheckListBox1.select(i);
        minimiseSelectedWindow(f);
    }
    f.focusList();
}

void maximiseAllWindows(Form1& f) {
    if (f.CheckListBox1.count() == 0) return;
    maximiseEveryRow(f);
    // Minimise and restore put the program's own window back in front of the
    // folder windows; the restore is the ordinary one, automatic refresh included.
    f.p.app.minimise();
    f.p.app.restore();
    f.focusList();
}

void maximiseAllFromTray(Form1& f) {
    if (f.CheckListBox1.count() == 0) return;
    maximiseEveryRow(f);
}

void closeAllWindows(Form1& f) {
    static const std::string closedHere = text::gbk("你在软件中关闭窗口，所有文件夹无法自动重生！");
    if (f.CheckListBox1.count() == 0) return;
    for (int i = listedRows(f) - 1; i >= 0; --i) f.p.desktop.postClose(f.table[i].window);
    f.CheckListBox1.clear();
    f.table.clear();
    reportStatus(f, closedHere);
    f.focusList();
}

}  // namespace folvaric
