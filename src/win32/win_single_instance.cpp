#include "win32/win_single_instance.h"

namespace win {
namespace {

constexpr wchar_t kMutexName[] = L"Local\\Folvaric2.1.OneCopy";
constexpr wchar_t kComeToFrontName[] = L"Folvaric2.1.ComeToFront";
constexpr wchar_t kMainWindowClass[] = L"TForm1";
constexpr wchar_t kMainWindowTitle[] = L"Folvaric2.1";
// The first copy may still be creating its window when the second one starts.
constexpr int kFindAttempts = 50;
constexpr DWORD kFindPauseMs = 100;

HWND findRunningMainWindow() {
    for (int attempt = 0; attempt < kFindAttempts; ++attempt) {
        if (const HWND found = FindWindowW(kMainWindowClass, kMainWindowTitle)) return found;
        Sleep(kFindPauseMs);
    }
    return nullptr;
}

}  // namespace

UINT comeToFrontMessage() {
    static const UINT message = RegisterWindowMessageW(kComeToFrontName);
    return message;
}

bool WinSingleInstance::claim() {
    mutex_.reset(CreateMutexW(nullptr, FALSE, kMutexName));
    const DWORD error = GetLastError();
    // Without the object (no rights, say) the program runs rather than refuse to start.
    if (!mutex_) return true;
    return error != ERROR_ALREADY_EXISTS;
}

void WinSingleInstance::callRunningCopy() {
    const HWND running = findRunningMainWindow();
    if (running == nullptr) return;
    DWORD process = 0;
    GetWindowThreadProcessId(running, &process);
    // The user started this copy, so the foreground is this copy's to give away.
    if (process != 0) AllowSetForegroundWindow(process);
    PostMessageW(running, comeToFrontMessage(), 0, 0);
}

}  // namespace win
