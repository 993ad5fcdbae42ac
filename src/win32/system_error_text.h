#pragma once
// The system's own description of an error code, as the user is shown it.
#include <windows.h>

#include <string>

namespace win {

// GBK, without the trailing line break FormatMessage adds; a plain number when the system
// has no text for the code.
std::string systemErrorText(DWORD code);

}  // namespace win
