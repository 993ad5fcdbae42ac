#pragma once
// The one place where the program's GBK texts meet the UTF-16 of the W functions. Code page 936
// is named explicitly (through the text layer), so a non-Chinese Windows gives the same bytes.
#include <windows.h>

#include <string>

#include "platform/types.h"

namespace win {

std::wstring wide(const std::string& gbk);
std::string gbk(const std::wstring& utf16);
std::string gbk(const wchar_t* utf16, std::size_t length);

// A window handle travels through the logic as 32 bits; Windows keeps HWNDs within 32 bits and
// sign-extends them on 64-bit systems, so the round trip is exact.
inline platform::WindowHandle handleOf(HWND window) {
    return static_cast<platform::WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}
inline HWND hwndOf(platform::WindowHandle handle) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(handle)));
}

}  // namespace win
