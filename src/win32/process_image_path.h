#pragma once
// Full path of a process's executable, whatever the bitness of that process and of this one.
#include <windows.h>

#include <string>

namespace win {

// UTF-16; empty when the process cannot be inspected (access denied, already gone).
std::wstring processImagePath(DWORD processId);

}  // namespace win
