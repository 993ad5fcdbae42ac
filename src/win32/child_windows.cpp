#include "win32/child_windows.h"

#include "win32/win_handles.h"

namespace win {

const wchar_t kPlainPanelClass[] = L"FolvaricPanel";

namespace {

// GWLP_USERDATA of a panel: the colour in the low 24 bits, the raised edge in bit 24.
constexpr LONG_PTR kRaisedEdgeBit = LONG_PTR{1} << 24;

LRESULT CALLBACK plainPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        const LONG_PTR data = GetWindowLongPtrW(window, GWLP_USERDATA);
        RECT area{};
        GetClientRect(window, &area);
        Brush brush(CreateSolidBrush(static_cast<COLORREF>(data & 0xFFFFFF)));
        FillRect(reinterpret_cast<HDC>(wParam), &area, brush.get());
        if (data & kRaisedEdgeBit) DrawEdge(reinterpret_cast<HDC>(wParam), &area, BDR_RAISEDINNER, BF_RECT);
        return 1;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return SendMessageW(GetParent(window), message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

HWND createChild(HINSTANCE instance, HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                 DWORD exStyle, int id, const controls::Bounds& b) {
    return CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | style, b.left, b.top, b.width, b.height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void mirrorPlacement(HWND window, const controls::Control& model) {
    if (window == nullptr) return;
    const controls::Bounds& b = model.bounds();
    RECT now{};
    GetWindowRect(window, &now);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&now), 2);
    if (now.left != b.left || now.top != b.top || now.right - now.left != b.width || now.bottom - now.top != b.height) {
        MoveWindow(window, b.left, b.top, b.width, b.height, TRUE);
    }
    if ((IsWindowEnabled(window) != FALSE) != model.enabled()) EnableWindow(window, model.enabled() ? TRUE : FALSE);
    if ((IsWindowVisible(window) != FALSE) != model.visible()) ShowWindow(window, model.visible() ? SW_SHOWNA : SW_HIDE);
}

void registerPlainPanelClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // The raised edge runs along the whole border: a new size must repaint all of it, or the
    // old edge lines stay behind and the new part keeps the parent's colour.
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = plainPanelProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kPlainPanelClass;
    RegisterClassExW(&windowClass);
}

void setPanelColour(HWND panel, COLORREF colour, bool raisedEdge) {
    LONG_PTR data = static_cast<LONG_PTR>(colour & 0xFFFFFF);
    if (raisedEdge) data |= kRaisedEdgeBit;
    SetWindowLongPtrW(panel, GWLP_USERDATA, data);
    InvalidateRect(panel, nullptr, TRUE);
}

}  // namespace win
