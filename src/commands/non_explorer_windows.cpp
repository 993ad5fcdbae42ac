// Minimising or restoring every window that is not an Explorer window. The pass
// is the refresh's enumeration, which refills the table as it goes; the list is
// built again from it so that entry k is still row k.
#include "commands/desktop_commands.h"
#include "commands/list_rebuild.h"
#include "tracking/discovery.h"

namespace folvaric {
namespace {

void passOverDesktop(Form1& f, bool minimiseOthers, bool restoreOthers) {
    const RememberedList before = rememberList(f);
    enumerateExplorerWindows(f, minimiseOthers, restoreOthers);
    rebuildListFromTable(f, before);
}

}  // namespace

void minimiseOtherPrograms(Form1& f) {
    passOverDesktop(f, true, false);
}

void restoreOtherPrograms(Form1& f) {
    passOverDesktop(f, false, true);
}

}  // namespace folvaric
