// The commands on the selected window: close, minimise, maximise and flash.
#include "commands/command_support.h"
#include "commands/table_rows.h"
#include "commands/window_commands.h"
#include "commands/window_placement.h"
#include "options/tray_icon.h"
#include "text/gbk_text.h"

namespace folvaric {

void closeSelectedWindow(Form1& f) {
    static const std::string closedHere = text::gbk("你在软件中关闭窗口，该文件夹无法自动重生！");
    if (!hasSelectedEntry(f)) {
        refuseWithoutSelection(f);
        return;
    }
    const FolderRow row = selectedRow(f);
    f.p.desktop.postClose(row.window);
    // The row goes even when the window was already gone, so the next refresh
    // does not bring back a folder the user closed here.
    removeSelectedRow(f);
    reportStatus(f, closedHere);
    f.focusList();
}

void minimiseSelectedWindow(Form1& f) {
    if (!hasSelectedEntry(f)) {
        refuseWithoutSelection(f);
        return;
    }
    f.p.desktop.minimise(selectedRow(f).window);
    f.focusList();
}

void maximiseSelectedWindow(Form1& f) {
    if (!hasSelectedEntry(f)) {
        refuseWithoutSelection(f);
        return;
    }
    const platform::Rect area = screenWideWorkArea(f);
    const FolderRow row = selectedRow(f);
    if (row.window == 0) {
        refuseZeroHandle(f);
        return;
    }
    // Minimise first so that a maximised window comes back in its normal state
    // before it is given the work area.
    f.p.desktop.show(row.window, platform::ShowCommand::Minimize);
    f.p.desktop.show(row.window, platform::ShowCommand::ShowNormal);
    moveToArea(f, row.window, area, row.name);
    // Out of the way as the minimise button would put it: with the tray option on, into the tray.
    trayIconMinimize(f);
    f.focusList();
}

void flashSelectedWindow(Form1& f) {
    if (!hasSelectedEntry(f)) return;
    f.p.desktop.flash(selectedRow(f).window, true);
    f.focusList();
}

}  // namespace folvaric
