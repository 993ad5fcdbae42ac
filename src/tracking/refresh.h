#pragma once
#include "state/form1.h"

namespace folvaric {

// The refresh: rebuilds the list and re-opens the protected folders that lost their windows.
void suaxinClick(Form1& f);

}  // namespace folvaric
