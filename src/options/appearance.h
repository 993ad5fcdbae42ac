#pragma once
#include "state/form1.h"

namespace folvaric {

void xiansituopanClick(Form1& f);  // tray option
void TrayIcon1Click(Form1& f);     // left click on the tray icon
void N23Click(Form1& f);           // list font
void N44Click(Form1& f);           // main icon
void lujintisiClick(Form1& f);     // path tips
void linsiClick(Form1& f);

}  // namespace folvaric
