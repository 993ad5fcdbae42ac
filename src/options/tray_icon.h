#pragma once
// What the tray icon component does for the main form. Here the main window also stands
// for the program on the taskbar: hiding it while it is minimised takes the taskbar
// button away, so that only the tray icon is left.
#include "state/form1.h"

namespace folvaric {

// The icon is put into the tray or taken out; either way the taskbar-button option
// follows it (shown icon: hide the button while minimised).
void trayIconSetVisible(Form1& f, bool visible);
// Hide the taskbar button while minimised; takes effect at once when already minimised.
void trayIconSetHide(Form1& f, bool hide);
// The program goes to the tray: minimised, and without taskbar button when `hide` is on.
void trayIconMinimize(Form1& f);
// The program comes back: restored (the restore event runs), taskbar button back, in front.
void trayIconRestore(Form1& f);
// The tray takes the icon the application has now.
void trayIconTakeAppIcon(Form1& f);

}  // namespace folvaric
