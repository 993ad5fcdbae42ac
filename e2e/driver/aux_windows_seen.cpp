#include "aux_windows_seen.h"

#include "desktop.h"
#include "shell_surfaces.h"
#include "user_input.h"

namespace e2e {

bool chooseMenu(HWND window, DWORD processId, int menuIndex, int itemIndex) {
    const RECT frame = windowRect(window);
    const int captionMiddle = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    const POINT caption{frame.left + 150, captionMiddle};
    if (!clickAt(caption)) return false;
    if (!waitUntil([&] { return GetForegroundWindow() == window; }, 3000)) return false;
    std::string keys = "F10";
    for (int i = 0; i < menuIndex; ++i) keys += " Right";
    keys += " Down";
    for (int i = 0; i < itemIndex; ++i) keys += " Down";
    keys += " Return";
    if (!pressKeys(keys)) return false;
    return waitUntil([&] { return popupMenusOf(processId).empty(); }, 5000);
}

HWND programWindow(DWORD processId, const std::wstring& title) {
    for (HWND window : topLevelWindows()) {
        if (windowProcessId(window) == processId && windowTitle(window) == title) return window;
    }
    return nullptr;
}

bool waitUntilVisible(HWND window, DWORD timeoutMilliseconds) {
    return waitUntil([&] { return IsWindowVisible(window) != FALSE; }, timeoutMilliseconds);
}

HWND childWithText(HWND parent, const std::wstring& windowClass, const std::wstring& text) {
    for (HWND child : childWindows(parent)) {
        if (className(child) == windowClass && windowTextMessage(child) == text) return child;
    }
    return nullptr;
}

void postDoubleClick(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    const LPARAM at = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
    PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
}

std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool setClipboardText(const std::wstring& text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool done = false;
    if (memory != nullptr) {
        if (void* target = GlobalLock(memory)) {
            CopyMemory(target, text.c_str(), bytes);
            GlobalUnlock(memory);
            done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!done) GlobalFree(memory);
    }
    CloseClipboard();
    return done;
}

}  // namespace e2e
