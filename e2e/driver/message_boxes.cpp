#include "message_boxes.h"

#include "desktop.h"
#include "user_input.h"

namespace e2e {
namespace {

// The message text of a system message box is a static control with this identifier.
constexpr int kMessageTextId = 0xFFFF;

std::wstring messageText(HWND box) {
    if (HWND text = GetDlgItem(box, kMessageTextId)) return windowTextMessage(text);
    // Not a standard message box: its first static text with something in it.
    for (HWND child : childWindows(box)) {
        if (CompareStringOrdinal(className(child).c_str(), -1, L"Static", -1, TRUE) != CSTR_EQUAL) continue;
        const std::wstring text = windowTextMessage(child);
        if (!text.empty()) return text;
    }
    return {};
}

HWND okButton(HWND box) {
    if (HWND ok = GetDlgItem(box, IDOK)) return ok;
    // A box with one button: that is its OK.
    HWND only = nullptr;
    for (HWND child : childWindows(box)) {
        if (CompareStringOrdinal(className(child).c_str(), -1, L"Button", -1, TRUE) != CSTR_EQUAL) continue;
        if (!IsWindowVisible(child)) continue;
        if (only) return nullptr;
        only = child;
    }
    return only;
}

}  // namespace

std::vector<MessageBoxSeen> messageBoxesOf(DWORD processId) {
    std::vector<MessageBoxSeen> boxes;
    for (HWND window : topLevelWindows()) {
        if (windowProcessId(window) != processId || !IsWindowVisible(window)) continue;
        if (className(window) != L"#32770") continue;
        boxes.push_back({window, windowTitle(window), messageText(window)});
    }
    return boxes;
}

MessageBoxSeen waitForMessageBox(DWORD processId, const std::wstring& caption, DWORD timeoutMilliseconds) {
    MessageBoxSeen found;
    waitUntil(
        [&] {
            for (const auto& box : messageBoxesOf(processId)) {
                if (box.caption == caption) {
                    found = box;
                    return true;
                }
            }
            return false;
        },
        timeoutMilliseconds);
    return found;
}

bool pressOk(const MessageBoxSeen& box, DWORD timeoutMilliseconds) {
    if (!box || !IsWindow(box.window)) return false;
    HWND ok = okButton(box.window);
    if (!ok) return false;
    // A click can land while the box is still being laid out; a second one after a pause is
    // what a user would do too.
    for (int attempt = 0; attempt < 3; ++attempt) {
        clickCentre(ok);
        if (waitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, timeoutMilliseconds / 3)) {
            return true;
        }
    }
    return false;
}

}  // namespace e2e
