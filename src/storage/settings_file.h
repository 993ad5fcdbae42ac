#pragma once
#include "state/form1.h"

namespace folvaric {

void loadSettings(Form1& f);  // load the settings file `set`
void saveSettings(Form1& f);  // save it

}  // namespace folvaric
