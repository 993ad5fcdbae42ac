#pragma once
#include "state/form1.h"

namespace folvaric {

void toggleTrayIcon(Form1& f);   // tray option
void trayIconClicked(Form1& f);  // left click on the tray icon
void chooseListFont(Form1& f);   // list font
void chooseMainIcon(Form1& f);   // main icon
void togglePathTips(Form1& f);   // path tips
void doNothing(Form1& f);

}  // namespace folvaric
