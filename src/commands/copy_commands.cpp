// Copying the selected folder's path or name, or the status line, as plain text.
#include "commands/command_support.h"
#include "commands/desktop_commands.h"
#include "commands/table_rows.h"

namespace folvaric {
namespace {

void copyFromSelectedRow(Form1& f, std::string FolderRow::*field) {
    if (!hasSelectedEntry(f)) {
        refuseWithoutSelection(f);
        return;
    }
    f.p.clipboard.setText(selectedRow(f).*field);
}

}  // namespace

void fuzilujinClick(Form1& f) {
    copyFromSelectedRow(f, &FolderRow::path);
}

void fuziwenjianminClick(Form1& f) {
    copyFromSelectedRow(f, &FolderRow::name);
}

void fuzizuangtailanClick(Form1& f) {
    const std::string& status = f.StatusBar1.simpleText();
    if (!status.empty()) f.p.clipboard.setText(status);
}

void StatusBar1DblClick(Form1& f) {
    fuzizuangtailanClick(f);
}

}  // namespace folvaric
