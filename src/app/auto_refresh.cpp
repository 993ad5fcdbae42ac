#include "app/main_form.h"
#include "tracking/refresh.h"

namespace folvaric {

// The program came back from the minimised state (taskbar, tray, or its own commands).
void programRestored(Form1& f) {
    if (f.settingsMenu.autoRefresh.checked() && f.formShown && !f.refreshBusy) refreshFolderList(f);
}

}  // namespace folvaric
