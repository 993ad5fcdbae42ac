#include "shell_surfaces.h"

#include "check.h"
#include "desktop.h"
#include "runner_requests.h"

namespace e2e {
namespace {

// Wine draws each tray icon in a square of the small-icon size plus a 2-pixel border.
constexpr int kTrayIconBorder = 2;

}  // namespace

HWND wineTrayWindow() {
    for (HWND window : topLevelWindows()) {
        if (windowTitle(window) != L"Wine System Tray") continue;
        if (CompareStringOrdinal(fileNameOf(processImagePath(windowProcessId(window))).c_str(), -1, L"explorer.exe", -1,
                                 TRUE) == CSTR_EQUAL) {
            return window;
        }
    }
    return nullptr;
}

bool trayIconShown() {
    HWND tray = wineTrayWindow();
    return tray && IsWindowVisible(tray);
}

bool clickTrayIcon(MouseButton button) {
    HWND tray = wineTrayWindow();
    if (!tray || !IsWindowVisible(tray)) return false;
    // A real task bar stays above the windows; Wine's tray window does not, and folder windows
    // opening at the top left cover it. It is put on top, as the task bar would be: in Wine's
    // order, and on the X server, where a window mapped later stays above it even when Wine counts
    // the tray as topmost (and where the click is routed).
    SetWindowPos(tray, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (runnerPresent()) askRunner(L"input", "search --name ^Wine.System.Tray$ windowraise");
    const int half = GetSystemMetrics(SM_CXSMICON) / 2 + kTrayIconBorder;
    POINT centre{half, half};
    ClientToScreen(tray, &centre);
    if (!waitUntil([&] { return GetAncestor(WindowFromPoint(centre), GA_ROOT) == tray; }, 2000)) {
        note("the tray icon is covered by " + describe(windowTitle(GetAncestor(WindowFromPoint(centre), GA_ROOT))));
    }
    // The press activates Wine's tray window; the program acts on the release and then takes
    // the foreground back. Holding the button a moment, as a hand does, lets the first settle
    // before the second begins.
    return slowClickAt(centre, button);
}

std::vector<HWND> openTrayMenu(DWORD processId, int* clicks) {
    for (int attempt = 1; attempt <= 3; ++attempt) {
        if (clicks) *clicks = attempt;
        if (!clickTrayIcon(MouseButton::Right)) return {};
        std::vector<HWND> menus = waitForPopupMenus(processId, 1, 1500);
        // A menu that closes by itself does so within moments of opening.
        Sleep(300);
        if (!menus.empty() && !popupMenusOf(processId).empty()) return popupMenusOf(processId);
    }
    return {};
}

std::vector<HWND> popupMenusOf(DWORD processId) {
    std::vector<HWND> menus;
    for (HWND window : topLevelWindows()) {
        if (className(window) == L"#32768" && IsWindowVisible(window) && windowProcessId(window) == processId) {
            menus.push_back(window);
        }
    }
    return menus;
}

std::vector<HWND> waitForPopupMenus(DWORD processId, std::size_t count, DWORD timeoutMilliseconds) {
    std::vector<HWND> menus;
    waitUntil(
        [&] {
            menus = popupMenusOf(processId);
            return menus.size() >= count;
        },
        timeoutMilliseconds);
    return menus.size() >= count ? menus : std::vector<HWND>{};
}

RECT areaAround(HWND window, const std::vector<HWND>& menus) {
    RECT area = windowRect(window);
    for (HWND menu : menus) {
        const RECT rect = windowRect(menu);
        UnionRect(&area, &area, &rect);
    }
    return area;
}

}  // namespace e2e
