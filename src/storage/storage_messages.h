#pragma once
// The one way the storage commands report a problem: a modal box captioned "出错".
#include <string>

#include "state/form1.h"

namespace folvaric {

void showStorageError(Form1& f, const std::string& text);

}  // namespace folvaric
