#pragma once
#include "state/form1.h"

namespace folvaric {

void cuangtisuofangClick(Form1& f);  // start-up scaling to the screen
void FormResize(Form1& f);           // keeps the controls attached to the edges
void suofangClick(Form1& f);         // the hidden option "控件随窗体缩放"

}  // namespace folvaric
