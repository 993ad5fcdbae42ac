#pragma once
// Message boxes of another program, as a user meets them: found by their caption, read, and
// answered with the pointer.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    explicit operator bool() const { return window != nullptr; }
};

// The visible dialog boxes of a process, topmost first.
std::vector<MessageBoxSeen> messageBoxesOf(DWORD processId);

// Waits for a box of the process with this caption; an empty result on timeout.
MessageBoxSeen waitForMessageBox(DWORD processId, const std::wstring& caption, DWORD timeoutMilliseconds);

// Clicks the box's OK button and waits until the box is gone.
bool pressOk(const MessageBoxSeen& box, DWORD timeoutMilliseconds = 5000);

}  // namespace e2e
