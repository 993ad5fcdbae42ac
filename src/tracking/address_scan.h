#pragma once
#include <string>

#include "state/form1.h"

namespace folvaric {

// An address text names a folder the program can reopen: an existing folder on
// a drive (D:\ or D:\Data), or the computer view.
bool isReadableAddress(Form1& f, const std::string& address);

}  // namespace folvaric
