#pragma once
// The program's secondary windows (the About box, the Explorer dual window) and its menus, seen
// from outside: menu entries chosen from the keyboard as a user would, the windows found by
// title whether shown or hidden, the clipboard as another program reads it.
#include <windows.h>

#include <string>

namespace e2e {

// Brings the window forward with a click on its caption, then opens the menu bar's menu at
// `menuIndex` (0 = leftmost) from the keyboard and chooses the entry at `itemIndex` (0 = first,
// separators not counted). False when the keys could not be given or the menu stayed open.
// (Wine keeps a program's menus inside its process, so they cannot be read from outside.)
bool chooseMenu(HWND window, DWORD processId, int menuIndex, int itemIndex);

// A top-level window of the process with this title, shown or not; null when there is none.
HWND programWindow(DWORD processId, const std::wstring& title);
// Waits until the window is shown; false on timeout.
bool waitUntilVisible(HWND window, DWORD timeoutMilliseconds = 5000);

// The first direct child of this class whose text is `text`; null when there is none.
HWND childWithText(HWND parent, const std::wstring& windowClass, const std::wstring& text);

// A double-click on a control as the mouse gives it: down, up, double-click, up.
void postDoubleClick(HWND control);

std::wstring clipboardText();
bool setClipboardText(const std::wstring& text);

}  // namespace e2e
