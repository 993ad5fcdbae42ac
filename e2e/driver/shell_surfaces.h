#pragma once
// What the shell shows around a program on the test desktop: the notification-area icon and the
// popup menus. Under Xvfb there is no task bar, so Wine keeps tray icons in a small window of
// its own explorer.exe, "Wine System Tray", in a row from the left of its client area.
#include <windows.h>

#include <vector>

#include "user_input.h"

namespace e2e {

// Wine's tray window (null when there is none); it is on screen while it holds an icon.
HWND wineTrayWindow();
bool trayIconShown();
// Clicks the first icon of the tray.
bool clickTrayIcon(MouseButton button);

// Opens the tray icon's menu with the right button and returns the process's popup menus then.
// Wine's tray window takes the activation when clicked, and now and then that comes after the
// program has opened its menu, which then closes at once (seen on the first right click after
// the icon appeared). A user would click again, and so does this: up to three times. The number
// of clicks it took goes to `clicks`.
std::vector<HWND> openTrayMenu(DWORD processId, int* clicks = nullptr);

// The popup menus (class #32768) that a process has on screen now.
std::vector<HWND> popupMenusOf(DWORD processId);
// Waits until the process shows at least `count` popup menus; empty on timeout.
std::vector<HWND> waitForPopupMenus(DWORD processId, std::size_t count = 1, DWORD timeoutMilliseconds = 5000);
// The smallest rectangle around the window and the menus, for a screenshot of both.
RECT areaAround(HWND window, const std::vector<HWND>& menus);

}  // namespace e2e
