#include <exception>

#include "app/error_handler.h"
#include "app/main_form.h"
#include "storage/folder_sets.h"
#include "storage/settings_file.h"

namespace folvaric {
namespace {

void endApplication(Form1& f) {
    if (f.endApplication) f.endApplication();
}

}  // namespace

void FormClose(Form1& f) {
    // A failed write is shown and the rest of the saving is skipped; the program ends all
    // the same, as the user asked it to.
    runHandler(f, [&f] {
        baocunClick(f);
        baocunjiheClick(f);
    });
    endApplication(f);
}

void N43Click(Form1& f) {
    if (f.closeMainWindow) f.closeMainWindow();
}

void sessionEnding(Form1& f) {
    // Nothing was loaded yet that could be worth keeping: saving now would only put the
    // defaults and an empty list in place of the user's files.
    if (!f.startupDone || !f.formShown) return;
    // No one is there to answer a box any more: failures are passed over in silence, and
    // each save is tried on its own.
    try {
        baocunClick(f);
    } catch (const std::exception&) {
    }
    // 默认.txt is only ever rewritten, and its absence is not worth a box now.
    if (!f.p.files.fileExists(f.defaultSetFile)) return;
    try {
        baocunjiheClick(f);
    } catch (const std::exception&) {
    }
}

}  // namespace folvaric
