// The flat frame of popup menu windows: painted over the system's frame, kept while the menu is
// open, and undone when the menu window hides or closes.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <set>

#include "win32/gdi_canvas.h"
#include "win32/xp_frames_win32.h"

namespace win {

namespace {

constexpr UINT_PTR kFlatMenuSubclassId = 0x58504D46;  // "XPMF"
constexpr int kShadow = 2;

// The menu windows that have the flat frame now.
std::set<HWND>& flatMenuWindows() {
    static std::set<HWND> windows;
    return windows;
}

// Another open flat menu beside the closing one (a parent or child menu) is repainted, because
// the closing menu's shadow may have covered part of it.
void repaintNeighbour(const RECT& closing) {
    HWND neighbour = WindowFromPoint(POINT{closing.right + kShadow, closing.top + kShadow});
    if (flatMenuWindows().count(neighbour) == 0) {
        neighbour = WindowFromPoint(POINT{closing.right + kShadow, closing.bottom - kShadow});
    }
    if (neighbour != nullptr && flatMenuWindows().count(neighbour) != 0) {
        RedrawWindow(neighbour, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

bool closing(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE || message == WM_DESTROY) return true;
    if (message == WM_SHOWWINDOW && wParam == FALSE) return true;
    if (message == WM_WINDOWPOSCHANGING) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        return (pos->flags & SWP_HIDEWINDOW) != 0;
    }
    return false;
}

LRESULT CALLBACK flatMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_ERASEBKGND) return 1;
    if (!closing(message, wParam, lParam)) return DefSubclassProc(window, message, wParam, lParam);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    flatMenuWindows().erase(window);
    SetWindowRgn(window, nullptr, FALSE);
    RemoveWindowSubclass(window, flatMenuProc, kFlatMenuSubclassId);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    repaintNeighbour(bounds);
    return result;
}

// True when the window already has the shadow region (its box within 5 pixels of the window).
bool hasShadowRegion(HWND window, int width, int height) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (region == nullptr) return false;
    bool has = false;
    if (GetWindowRgn(window, region) != ERROR) {
        RECT box{};
        GetRgnBox(region, &box);
        has = box.left <= 5 && box.top <= 5 && width - box.right <= 5 && height - box.bottom <= 5;
    }
    DeleteObject(region);
    return has;
}

void giveShadowRegion(HWND window, int width, int height) {
    HRGN region = CreateRectRgn(0, 0, width - kShadow, height - kShadow);
    HRGN shadow = CreateRectRgn(kShadow, kShadow, width, height);
    if (region != nullptr && shadow != nullptr && CombineRgn(region, region, shadow, RGN_OR) != ERROR) {
        // The window owns the region from here on.
        if (SetWindowRgn(window, region, TRUE)) region = nullptr;
    }
    if (region != nullptr) DeleteObject(region);
    if (shadow != nullptr) DeleteObject(shadow);
}

}  // namespace

void drawFlatMenuWindowFrame(HWND menuWindow, bool rightToLeft, bool windowsXp,
                             const controls::MenuPainterColors& colors) {
    if (menuWindow == nullptr || !IsWindow(menuWindow)) return;
    if (flatMenuWindows().insert(menuWindow).second) {
        SetWindowSubclass(menuWindow, flatMenuProc, kFlatMenuSubclassId, 0);
    }
    RECT bounds{};
    GetWindowRect(menuWindow, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (!windowsXp && !hasShadowRegion(menuWindow, width, height))
        giveShadowRegion(menuWindow, width, height);
    const HDC dc = GetWindowDC(menuWindow);
    if (dc == nullptr) return;
    {
        GdiCanvas canvas(dc);
        controls::paintFlatMenuFrame(canvas, {width, height, rightToLeft, windowsXp}, colors);
    }
    ReleaseDC(menuWindow, dc);
}

}  // namespace win
