#pragma once
#include "state/form1.h"

namespace folvaric {

void congdiaoruseziClick(Form1& f);  // load the settings file `set`
void baocunClick(Form1& f);          // save it

}  // namespace folvaric
