#include "app/main_form.h"
#include "tracking/refresh.h"

namespace folvaric {

// The program came back from the minimised state (taskbar, tray, or its own commands).
void ApplicationEvents1Restore(Form1& f) {
    if (f.zidongsuaxin.checked() && f.formShown && !f.refreshBusy) suaxinClick(f);
}

}  // namespace folvaric
