#pragma once
#include "state/form1.h"

namespace folvaric {

void closeSelectedWindow(Form1& f);
void minimiseSelectedWindow(Form1& f);
void maximiseSelectedWindow(Form1& f);
void minimiseAllWindows(Form1& f);
void maximiseAllWindows(Form1& f);
void maximiseAllFromTray(Form1& f);
void closeAllWindows(Form1& f);
void closeUntickedWindows(Form1& f);
void flashSelectedWindow(Form1& f);
void countWindows(Form1& f);

}  // namespace folvaric
