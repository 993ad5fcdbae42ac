#include "app/single_copy.h"

namespace folvaric {

bool startAsOnlyCopy(platform::SingleInstance& instance) {
    if (instance.claim()) return true;
    instance.callRunningCopy();
    return false;
}

void comeToFrontForSecondCopy(Form1& f) {
    const WindowHandle main = f.p.app.mainWindow();
    if (f.p.app.isMinimised()) {
        f.p.app.restore();  // also out of the tray, where the minimised window hides
    } else {
        f.p.desktop.show(main, platform::ShowCommand::Show);
    }
    f.p.desktop.bringToTop(main);
}

}  // namespace folvaric
