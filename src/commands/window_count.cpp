// The count: windows listed, folders ticked, and ticked folders that could be reborn.
#include "commands/table_rows.h"
#include "commands/window_commands.h"
#include "text/folder_path.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

// A folder the refresh could open again: an existing folder or the computer view.
bool canBeReborn(Form1& f, const std::string& path) {
    return text::isComputerFolderName(path) || f.p.files.directoryExists(path);
}

}  // namespace

void countWindows(Form1& f) {
    static const std::string total = text::gbk("窗口总数量=");
    static const std::string tickedLabel = text::gbk("，选择的受保护数量=");
    static const std::string effectiveLabel = text::gbk("，实际有效的受保护数量=");
    static const std::string caption = text::gbk("计算窗口数量");

    int ticked = 0;
    int effective = 0;
    const int rows = listedRows(f);
    for (int i = 0; i < rows; ++i) {
        if (!f.CheckListBox1.checked(i)) continue;
        ++ticked;
        if (canBeReborn(f, f.table[i].path)) ++effective;
    }
    const std::string message = total + text::decimal(f.table.size()) + tickedLabel + text::decimal(ticked) +
                                effectiveLabel + text::decimal(effective);
    f.p.dialogs.messageBox(f.p.app.mainWindow(), message, caption, platform::mb::Ok);
    f.focusList();
}

}  // namespace folvaric
