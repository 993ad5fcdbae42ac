#include "win32/xp_frames_win32.h"

#include <commctrl.h>

#include "win32/gdi_canvas.h"
#include "win32/gdi_values.h"

namespace win {

namespace {

constexpr UINT_PTR kFrameSubclassId = 0x58504652;  // "XPFR"

bool hasExStyle(HWND w, LONG_PTR bit) {
    return (GetWindowLongPtrW(w, GWL_EXSTYLE) & bit) != 0;
}
bool hasStyle(HWND w, LONG_PTR bit) {
    return (GetWindowLongPtrW(w, GWL_STYLE) & bit) != 0;
}

}  // namespace

Win32FrameSite::~Win32FrameSite() {
    if (subclassed_ && IsWindow(window_)) RemoveWindowSubclass(window_, subclassProc, kFrameSubclassId);
    // The record is the painter's: it finds the window gone and frees itself with its painter.
}

controls::ControlLook Win32FrameSite::look() const {
    controls::ControlLook l;
    l.color = style_.color;
    l.borderStyle = borderStyle();
    l.enabled = IsWindowEnabled(window_) != FALSE;
    l.focused = GetFocus() == window_;
    RECT outer{};
    GetWindowRect(window_, &outer);
    l.windowWidth = outer.right - outer.left;
    l.windowHeight = outer.bottom - outer.top;
    RECT client{};
    GetClientRect(window_, &client);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    l.client = {client.left - outer.left, client.top - outer.top, client.right - outer.left,
                client.bottom - outer.top};
    l.bevelOuter = style_.bevelOuter;
    l.bevelInner = style_.bevelInner;
    l.bevelWidth = style_.bevelWidth;
    l.borderWidth = style_.borderWidth;
    return l;
}

bool Win32FrameSite::ctl3D() const {
    return hasExStyle(window_, WS_EX_CLIENTEDGE);
}

void Win32FrameSite::setCtl3D(bool on) {
    // Without the sunken edge a single-line border is the one-pixel WS_BORDER, the frame's place.
    const bool single = borderStyle() == controls::BorderStyle::bsSingle;
    LONG_PTR ex = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    if (on) {
        ex |= WS_EX_CLIENTEDGE;
        if (single) style &= ~static_cast<LONG_PTR>(WS_BORDER);
    } else {
        ex &= ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
        if (single) style |= WS_BORDER;
    }
    SetWindowLongPtrW(window_, GWL_EXSTYLE, ex);
    SetWindowLongPtrW(window_, GWL_STYLE, style);
    frameChanged();
}

controls::BorderStyle Win32FrameSite::borderStyle() const {
    return hasStyle(window_, WS_BORDER) || ctl3D() ? controls::BorderStyle::bsSingle
                                                   : controls::BorderStyle::bsNone;
}

void Win32FrameSite::setBorderStyle(controls::BorderStyle s) {
    if (s == borderStyle()) return;
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    LONG_PTR ex = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    if (s == controls::BorderStyle::bsNone) {
        style &= ~static_cast<LONG_PTR>(WS_BORDER);
        ex &= ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    } else {
        style |= WS_BORDER;
    }
    SetWindowLongPtrW(window_, GWL_STYLE, style);
    SetWindowLongPtrW(window_, GWL_EXSTYLE, ex);
    frameChanged();
}

void Win32FrameSite::frameChanged() {
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void Win32FrameSite::subclass(controls::XpFrameRecord* record) {
    record_ = record;
    if (record != nullptr && !subclassed_) {
        subclassed_ =
            SetWindowSubclass(window_, subclassProc, kFrameSubclassId, reinterpret_cast<DWORD_PTR>(this));
    } else if (record == nullptr && subclassed_) {
        RemoveWindowSubclass(window_, subclassProc, kFrameSubclassId);
        subclassed_ = false;
        trackingLeave_ = false;
    }
}

void Win32FrameSite::paint(bool wholeWindow, const std::function<void(controls::Canvas&)>& painter) {
    const HDC dc = wholeWindow ? GetWindowDC(window_) : GetDC(window_);
    if (dc == nullptr) return;
    {
        GdiCanvas canvas(dc);
        painter(canvas);
    }
    ReleaseDC(window_, dc);
}

void Win32FrameSite::deliver(controls::FrameEvent event) {
    controls::XpFrameRecord* record = record_;
    if (record == nullptr) return;
    if (record->afterMessage(event) == controls::XpFrameRecord::After::Release) {
        record->painter().releaseRecord(record);  // subclass(nullptr) has run through undo
    }
}

void Win32FrameSite::after(UINT message, WPARAM wParam) {
    using controls::FrameEvent;
    switch (message) {
        case WM_SETFOCUS:
            deliver(FrameEvent::SetFocus);
            break;
        case WM_KILLFOCUS:
            deliver(FrameEvent::KillFocus);
            break;
        case WM_PAINT:
            deliver(FrameEvent::Paint);
            break;
        case WM_NCPAINT:
            deliver(FrameEvent::NcPaint);
            break;
        case WM_MOUSEMOVE:
            if (!trackingLeave_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
                trackingLeave_ = TrackMouseEvent(&track) != FALSE;
                deliver(FrameEvent::MouseEnter);
            }
            deliver(FrameEvent::MouseMove);
            break;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            deliver(FrameEvent::MouseLeave);
            break;
        case WM_LBUTTONDOWN:
            deliver(FrameEvent::LeftDown);
            break;
        case WM_LBUTTONUP:
            deliver(FrameEvent::LeftUp);
            break;
        case WM_LBUTTONDBLCLK:
            deliver(FrameEvent::LeftDoubleClick);
            break;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) deliver(FrameEvent::SpaceDown);
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE) deliver(FrameEvent::SpaceUp);
            break;
        case BM_SETCHECK:
        case BM_SETSTATE:
        case WM_SETTEXT:
            deliver(FrameEvent::StateChanged);
            break;
        case WM_ENABLE:
            deliver(wParam ? FrameEvent::StateChanged : FrameEvent::EnabledOff);
            break;
        case WM_NCDESTROY:
            deliver(FrameEvent::Destroyed);
            break;
        default:
            break;
    }
}

LRESULT CALLBACK Win32FrameSite::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<Win32FrameSite*>(data);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, subclassProc, kFrameSubclassId);
        self->subclassed_ = false;
    }
    self->after(message, wParam);
    return result;
}

HWND menuWindowOfItem(HMENU menu, UINT position) {
    RECT r{};
    if (!GetMenuItemRect(nullptr, menu, position, &r)) return nullptr;
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    return WindowFromPoint(centre);
}

}  // namespace win
