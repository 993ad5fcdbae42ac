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

void copySelectedPath(Form1& f) {
    copyFromSelectedRow(f, &FolderRow::path);
}

void copySelectedName(Form1& f) {
    copyFromSelectedRow(f, &FolderRow::name);
}

void copyStatusLine(Form1& f) {
    const std::string& status = f.StatusBar1.simpleText();
    if (!status.empty()) f.p.clipboard.setText(status);
}

void statusLineDoubleClicked(Form1& f) {
    copyStatusLine(f);
}

}  // namespace folvaric
