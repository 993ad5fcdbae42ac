#pragma once
// What one refresh carries from step to step.
#include "state/form1.h"
#include "tracking/capacity_notice.h"

namespace folvaric {

struct RefreshRun {
    explicit RefreshRun(Form1& form)
        : f(form),
          desktop(form.p.desktop.desktopRect()),
          workAreaHeight(form.p.desktop.workArea().height()),
          capacity(form) {}

    Form1& f;
    // Taken when the refresh begins: reborn windows get the desktop's width and the work area's height.
    platform::Rect desktop;
    int workAreaHeight;
    CapacityNotice capacity;
};

}  // namespace folvaric
