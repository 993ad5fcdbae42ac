#include "win32/tray_icon.h"

#include <shellapi.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "win32/wide_text.h"

namespace win {
namespace {

constexpr wchar_t kWindowClass[] = L"FolvaricTrayIcon";
constexpr UINT kCallbackMessage = WM_USER + 1;
constexpr UINT_PTR kAnimationTimer = 1;

void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);  // fails harmlessly when a second instance registers again
}

unsigned keyboardShift() {
    unsigned shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= tray_shift::Shift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= tray_shift::Ctrl;
    if (GetKeyState(VK_MENU) < 0) shift |= tray_shift::Alt;
    return shift;
}

POINT cursor() {
    POINT at{};
    GetCursorPos(&at);
    return at;
}

Icon copyOf(HICON icon) {
    return Icon(icon != nullptr ? CopyIcon(icon) : nullptr);
}

}  // namespace

TrayIcon::TrayIcon(HINSTANCE instance, TrayApplication& application) : application_(application) {
    current_ = copyOf(application_.applicationIcon());
    registerWindowClass(instance, windowProc);
    // A hidden top-level window rather than a message-only one: only top-level windows hear the
    // broadcasts (TaskbarCreated, the end of the session).
    window_.reset(
        CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this));
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");

    // The first, smallest layout of the record: every Windows version takes it.
    record_.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record_.hWnd = window_.get();
    record_.uID = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(this));
    record_.uFlags = NIF_MESSAGE | NIF_ICON;
    record_.uCallbackMessage = kCallbackMessage;
    record_.hIcon = current_.get();
    pushIcon();
}

TrayIcon::~TrayIcon() {
    Shell_NotifyIconW(NIM_DELETE, &record_);
    if (timerRunning_ && window_) KillTimer(window_.get(), kAnimationTimer);
    if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

bool TrayIcon::shellAdd() {
    record_.hIcon = current_.get();
    return Shell_NotifyIconW(NIM_ADD, &record_) != FALSE;
}

bool TrayIcon::shellRemove() {
    return Shell_NotifyIconW(NIM_DELETE, &record_) != FALSE;
}

void TrayIcon::shellModify() {
    record_.hIcon = current_.get();
    Shell_NotifyIconW(NIM_MODIFY, &record_);
}

void TrayIcon::storeTip(const std::string& gbkText) {
    const std::wstring tip = wide(gbkText);
    const std::size_t length = std::min<std::size_t>(tip.size(), ARRAYSIZE(record_.szTip) - 1);
    std::fill(std::begin(record_.szTip), std::end(record_.szTip), L'\0');
    std::copy(tip.begin(), tip.begin() + static_cast<std::ptrdiff_t>(length), record_.szTip);
    if (gbkText.empty()) {
        record_.uFlags &= ~static_cast<UINT>(NIF_TIP);
    } else {
        record_.uFlags |= NIF_TIP;
    }
}

void TrayIcon::setIcons(const std::vector<HICON>* icons) {
    icons_ = icons;
}

int TrayIcon::imageCount() const {
    return icons_ == nullptr ? -1 : static_cast<int>(icons_->size());
}

void TrayIcon::takeImage(int index) {
    current_ = copyOf((*icons_)[static_cast<std::size_t>(index)]);
}

void TrayIcon::takeApplicationIcon() {
    current_ = copyOf(application_.applicationIcon());
}

void TrayIcon::timerChanged() {
    if (!window_) return;
    if (timerRunning_) KillTimer(window_.get(), kAnimationTimer);
    timerRunning_ =
        timerRuns() && SetTimer(window_.get(), kAnimationTimer, static_cast<UINT>(animateInterval()), nullptr);
}

bool TrayIcon::applicationMinimised() {
    const HWND app = application_.applicationWindow();
    return app != nullptr && IsIconic(app);
}

void TrayIcon::minimiseApplication() {
    application_.minimiseApplication();
}

void TrayIcon::restoreApplication() {
    application_.restoreApplication();
}

void TrayIcon::hideApplicationWindow() {
    const HWND app = application_.applicationWindow();
    if (app != nullptr) ShowWindow(app, SW_HIDE);
}

void TrayIcon::bringApplicationBack() {
    const HWND app = application_.applicationWindow();
    if (app != nullptr) {
        // The application's restore has brought a maximised window back maximised; restoring
        // it again would take it down to its normal size.
        if (IsIconic(app)) {
            ShowWindow(app, SW_RESTORE);
        } else if (!IsWindowVisible(app)) {
            ShowWindow(app, SW_SHOW);
        }
        SetForegroundWindow(app);
    }
}

void TrayIcon::showMenuAtCursor() {
    const POINT at = cursor();
    // The menu must belong to a foreground window of this program, or it would not close
    // when the user clicks elsewhere.
    HWND owner = application_.activeForm();
    if (owner == nullptr) owner = window_.get();
    SetForegroundWindow(owner);
    if (popupMenu) popupMenu(at, owner);
}

void TrayIcon::takeAppIcon() {
    takeApplicationIcon();
    pushIcon();
}

void TrayIcon::takeIcon(Icon icon) {
    current_ = std::move(icon);
    pushIcon();
}

void TrayIcon::appWindowHook(UINT message, WPARAM wParam) {
    if (message == WM_SYSCOMMAND) applicationCommand(static_cast<unsigned>(wParam));
}

void TrayIcon::mouseNotification(UINT mouseMessage) {
    using controls::TrayMouse;
    TrayMouse mouse = TrayMouse::Other;
    switch (mouseMessage) {
        case WM_MOUSEMOVE:
            mouse = TrayMouse::Move;
            break;
        case WM_LBUTTONDOWN:
            mouse = TrayMouse::LeftDown;
            break;
        case WM_LBUTTONUP:
            mouse = TrayMouse::LeftUp;
            break;
        case WM_LBUTTONDBLCLK:
            mouse = TrayMouse::LeftDoubleClick;
            break;
        case WM_RBUTTONDOWN:
            mouse = TrayMouse::RightDown;
            break;
        case WM_RBUTTONUP:
            mouse = TrayMouse::RightUp;
            break;
        case WM_RBUTTONDBLCLK:
            mouse = TrayMouse::RightDoubleClick;
            break;
        case WM_MBUTTONDOWN:
            mouse = TrayMouse::MiddleDown;
            break;
        case WM_MBUTTONUP:
            mouse = TrayMouse::MiddleUp;
            break;
        case WM_MBUTTONDBLCLK:
            mouse = TrayMouse::MiddleDoubleClick;
            break;
        default:
            break;
    }
    const POINT at = cursor();
    controls::TrayIconRules::mouseNotification(mouse, keyboardShift(), at.x, at.y);
}

LRESULT TrayIcon::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
            if (ownerDrawTarget != nullptr) return SendMessageW(ownerDrawTarget, message, wParam, lParam);
            break;
        case WM_QUERYENDSESSION:
            return 1;
        case WM_ENDSESSION:
            sessionEnded();
            return 0;
        case kCallbackMessage:
            mouseNotification(static_cast<UINT>(lParam));
            return 0;
        case WM_TIMER:
            if (wParam == kAnimationTimer && onAnimate) onAnimate();
            return 0;
        default:
            break;
    }
    // The shell started again (Explorer restarted): its new tray knows nothing of the icon.
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        taskbarCreated();
        return 0;
    }
    return 0;
}

LRESULT CALLBACK TrayIcon::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    auto* self = reinterpret_cast<TrayIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_.release();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // A menu opened for this window (the program sits in the tray, its main window hidden) asks
    // it to measure and draw the owner-drawn items; the main window knows how.
    if ((message == WM_MEASUREITEM || message == WM_DRAWITEM) && self->ownerDrawTarget != nullptr) {
        return self->handle(message, wParam, lParam);
    }
    // Only the messages of the component's own are processed; everything else gets the
    // window's default handling, which creating and destroying the window need.
    if (message == WM_QUERYENDSESSION || message == WM_ENDSESSION || message == kCallbackMessage ||
        message == WM_TIMER || (message == self->taskbarCreated_ && message != 0)) {
        return self->handle(message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace win
