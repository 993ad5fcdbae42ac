#include "options/tray_icon.h"

namespace folvaric {

void trayIconSetVisible(Form1& f, bool visible) {
    f.TrayIcon1.visible = visible;
    trayIconSetHide(f, visible);
    f.TrayIcon1.changed();
}

void trayIconSetHide(Form1& f, bool hide) {
    f.TrayIcon1.hide = hide;
    // Switching the option off while the program sits in the tray is not possible from its
    // menus, which are out of reach then; showing the window again is left to the restore.
    if (f.TrayIcon1.visible && hide && f.p.app.isMinimised()) {
        f.p.desktop.show(f.p.app.mainWindow(), platform::ShowCommand::Hide);
    }
    f.TrayIcon1.changed();
}

void trayIconMinimize(Form1& f) {
    f.p.app.minimise();
    if (f.TrayIcon1.hide) f.p.desktop.show(f.p.app.mainWindow(), platform::ShowCommand::Hide);
}

void trayIconRestore(Form1& f) {
    const WindowHandle main = f.p.app.mainWindow();
    f.p.app.restore();
    // The application's restore brings the window back in the state it had before (maximised
    // included); a second restore would take a maximised window down to its normal size. Only
    // what is still missing is done: leaving the minimised state, or showing it again.
    if (f.p.desktop.isMinimised(main)) {
        f.p.desktop.show(main, platform::ShowCommand::Restore);
    } else if ((f.p.desktop.style(main) & platform::style::Visible) == 0) {
        f.p.desktop.show(main, platform::ShowCommand::Show);
    }
    f.p.desktop.bringToTop(main);
}

void trayIconTakeAppIcon(Form1& f) {
    f.TrayIcon1.iconFile = f.appIconFile;
    f.TrayIcon1.changed();
}

}  // namespace folvaric
