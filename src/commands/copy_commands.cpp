// Copying the selected folder's path or name, or the status line, as plain text.
#include "commands/command_support.h"
#include "commands/desktop_commands.h"

namespace folvaric {
namespace {

void copySelectedColumn(Form1& f, const std::vector<std::string>& column) {
    if (!hasSelectedEntry(f)) {
        refuseWithoutSelection(f);
        return;
    }
    f.p.clipboard.setText(column.at(static_cast<std::size_t>(f.CheckListBox1.itemIndex())));
}

}  // namespace

void fuzilujinClick(Form1& f) { copySelectedColumn(f, f.windowPaths); }

void fuziwenjianminClick(Form1& f) { copySelectedColumn(f, f.windowNames); }

void fuzizuangtailanClick(Form1& f) {
    const std::string& status = f.StatusBar1.simpleText();
    if (!status.empty()) f.p.clipboard.setText(status);
}

void StatusBar1DblClick(Form1& f) { fuzizuangtailanClick(f); }

}  // namespace folvaric
