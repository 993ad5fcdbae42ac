#pragma once
#include "state/form1.h"

namespace folvaric {

void tickAll(Form1& f);
void untickAll(Form1& f);
void invertTicks(Form1& f);
void listKeyDown(Form1& f, unsigned key, unsigned shift);
void listKeyUp(Form1& f, unsigned key, unsigned shift);
void listTickToggled(Form1& f);
void listSelectionChanged(Form1& f);
void listDoubleClicked(Form1& f);

}  // namespace folvaric
