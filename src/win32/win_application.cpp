#include "win32/win_application.h"

#include <vector>

#include "win32/wide_text.h"

namespace win {

std::string WinApplication::executablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return gbk(buffer.data(), length);
        if (buffer.size() >= 32768) return std::string();
        buffer.resize(buffer.size() * 2);
    }
}

platform::WindowHandle WinApplication::mainWindow() { return handleOf(main_); }

void WinApplication::minimise() {
    if (main_ != nullptr && !IsIconic(main_)) ShowWindow(main_, SW_MINIMIZE);
}

void WinApplication::restore() {
    if (main_ == nullptr || !IsIconic(main_)) return;
    restoring_ = true;
    ShowWindow(main_, SW_RESTORE);
    restoring_ = false;
    BringWindowToTop(main_);
    SetForegroundWindow(main_);
    if (onRestore) onRestore();
}

bool WinApplication::isMinimised() { return main_ != nullptr && IsIconic(main_) != FALSE; }

void WinApplication::leftMinimisedState() {
    if (onRestore) onRestore();
}

}  // namespace win
