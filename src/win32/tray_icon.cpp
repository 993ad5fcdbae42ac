#include "win32/tray_icon.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>

#include "win32/wide_text.h"

namespace win {
namespace {

constexpr wchar_t kWindowClass[] = L"FolvaricTrayIcon";
constexpr UINT kCallbackMessage = WM_USER + 1;
constexpr UINT_PTR kAnimationTimer = 1;
constexpr std::size_t kTipBytes = 64;

const char kCannotCreate[] = "Cannot Create System Shell Notification Icon";
const char kCannotRemove[] = "Cannot Remove System Shell Notification Icon";

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

Icon copyOf(HICON icon) { return Icon(icon != nullptr ? CopyIcon(icon) : nullptr); }

}  // namespace

TrayIcon::TrayIcon(HINSTANCE instance, TrayApplication& application) : application_(application) {
    current_ = copyOf(application_.applicationIcon());
    registerWindowClass(instance, windowProc);
    // A hidden top-level window rather than a message-only one: only top-level windows hear the
    // broadcasts (TaskbarCreated, the end of the session).
    window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  instance, this));
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
    hookRegistered_ = false;
    if (timerRunning_ && window_) KillTimer(window_.get(), kAnimationTimer);
    if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void TrayIcon::loaded() {
    if (icons_ != nullptr) {
        updateTimer();
        selectImage(iconIndex);
        return;
    }
    animate_ = false;
    updateTimer();
    current_ = copyOf(application_.applicationIcon());
    pushIcon();
}

bool TrayIcon::addToShell() { return Shell_NotifyIconW(NIM_ADD, &record_) != FALSE; }

void TrayIcon::setVisible(bool value) {
    visible_ = value;
    if (value) {
        if (!addToShell()) {
            if (onError) onError(kCannotCreate);
            return;
        }
        setHide(true);
        hookRegistered_ = true;
    } else {
        if (!Shell_NotifyIconW(NIM_DELETE, &record_)) {
            if (onError) onError(kCannotRemove);
            return;
        }
        setHide(false);
        hookRegistered_ = false;
    }
}

void TrayIcon::setHint(const std::string& gbkText) {
    if (gbkText == hint_ || gbkText.size() >= kTipBytes) return;
    hint_ = gbkText;
    const std::wstring tip = wide(hint_);
    const std::size_t length = std::min<std::size_t>(tip.size(), ARRAYSIZE(record_.szTip) - 1);
    std::fill(std::begin(record_.szTip), std::end(record_.szTip), L'\0');
    std::copy(tip.begin(), tip.begin() + static_cast<std::ptrdiff_t>(length), record_.szTip);
    if (hint_.empty()) {
        record_.uFlags &= ~static_cast<UINT>(NIF_TIP);
    } else {
        record_.uFlags |= NIF_TIP;
    }
    pushIcon();
}

void TrayIcon::setHide(bool value) {
    hide_ = value;
    if (!visible_) return;
    const HWND app = application_.applicationWindow();
    if (app != nullptr && IsIconic(app) && value) ShowWindow(app, SW_HIDE);
    // The other way round (not minimised, switched off) would restore the application window.
    // Here that window is the main window, which is never hidden unless minimised: restoring
    // it would only undo a maximised state, so nothing is done.
}

void TrayIcon::setIcons(const std::vector<HICON>* icons) { icons_ = icons; }

void TrayIcon::setAnimateInterval(int milliseconds) {
    animateInterval_ = milliseconds;
    updateTimer();
}

void TrayIcon::setAnimate(bool value) {
    if (icons_ == nullptr) return;
    animate_ = value;
    updateTimer();
}

void TrayIcon::updateTimer() {
    if (!window_) return;
    const bool run = animate_ && icons_ != nullptr && animateInterval_ > 0;
    if (timerRunning_) KillTimer(window_.get(), kAnimationTimer);
    timerRunning_ = run && SetTimer(window_.get(), kAnimationTimer, static_cast<UINT>(animateInterval_), nullptr);
}

void TrayIcon::advanceIcon() {
    if (icons_ == nullptr || icons_->empty()) return;
    const int count = static_cast<int>(icons_->size());
    iconIndex = iconIndex < count - 1 ? iconIndex + 1 : 0;
    selectImage(iconIndex);
    pushIcon();
}

void TrayIcon::minimize() {
    application_.minimiseApplication();
    const HWND app = application_.applicationWindow();
    if (hide_ && app != nullptr) ShowWindow(app, SW_HIDE);
    if (onMinimize) onMinimize();
}

void TrayIcon::restore() {
    application_.restoreApplication();
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
    if (onRestore) onRestore();
}

void TrayIcon::pushIcon() {
    record_.hIcon = current_.get();
    if (visible_) Shell_NotifyIconW(NIM_MODIFY, &record_);
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

void TrayIcon::selectImage(int index) {
    iconIndex = index;
    if (icons_ != nullptr && index >= 0 && index < static_cast<int>(icons_->size())) {
        current_ = copyOf((*icons_)[static_cast<std::size_t>(index)]);
    }
    pushIcon();
}

void TrayIcon::takeAppIcon() {
    current_ = copyOf(application_.applicationIcon());
    pushIcon();
}

void TrayIcon::takeIcon(Icon icon) {
    current_ = std::move(icon);
    pushIcon();
}

void TrayIcon::appWindowHook(UINT message, WPARAM wParam) {
    if (!hookRegistered_ || message != WM_SYSCOMMAND) return;
    // Compared exactly: the low four bits are not masked.
    if (wParam == SC_MINIMIZE) {
        minimize();
    } else if (wParam == SC_RESTORE) {
        restore();
    }
}

void TrayIcon::act(TrayIconMessage happened) {
    if (restoreOn == happened) restore();
    if (popupMenuOn == happened) showMenuAtCursor();
}

void TrayIcon::click() {
    act(TrayIconMessage::Click);
    if (onClick) onClick();
}

void TrayIcon::dblClick() {
    act(TrayIconMessage::DoubleClick);
    if (onDblClick) onDblClick();
}

void TrayIcon::mouseDown(TrayMouseButton button, unsigned shift, POINT at) {
    act(TrayIconMessage::MouseDown);
    if (onMouseDown) onMouseDown(button, shift, at.x, at.y);
}

void TrayIcon::mouseUp(TrayMouseButton button, unsigned shift, POINT at) {
    act(TrayIconMessage::MouseUp);
    if (onMouseUp) onMouseUp(button, shift, at.x, at.y);
}

void TrayIcon::mouseMove(unsigned shift, POINT at) {
    if (onMuuseMove) onMuuseMove(shift, at.x, at.y);
}

void TrayIcon::mouseNotification(UINT mouseMessage) {
    const unsigned shift = keyboardShift();
    const POINT at = cursor();
    switch (mouseMessage) {
    case WM_MOUSEMOVE:
        if (onClick) mouseMove(shift, at);
        break;
    case WM_LBUTTONDOWN:
        mouseDown(TrayMouseButton::Left, shift | tray_shift::Left, at);
        break;
    case WM_LBUTTONUP:
        if (onClick) click();
        mouseUp(TrayMouseButton::Left, shift | tray_shift::Left, at);
        if (restoreOn == TrayIconMessage::LeftClickUp) restore();
        if (popupMenuOn == TrayIconMessage::LeftClickUp) showMenuAtCursor();
        break;
    case WM_LBUTTONDBLCLK:
        dblClick();
        if (restoreOn == TrayIconMessage::LeftDoubleClick) restore();
        if (popupMenuOn == TrayIconMessage::LeftDoubleClick) showMenuAtCursor();
        break;
    case WM_RBUTTONDOWN:
        mouseDown(TrayMouseButton::Right, shift | tray_shift::Right, at);
        break;
    case WM_RBUTTONUP:
        mouseUp(TrayMouseButton::Right, shift | tray_shift::Right, at);
        if (restoreOn == TrayIconMessage::RightClickUp) restore();
        if (popupMenuOn == TrayIconMessage::RightClickUp) showMenuAtCursor();
        break;
    case WM_RBUTTONDBLCLK:
        dblClick();
        if (restoreOn == TrayIconMessage::RightDoubleClick) restore();
        if (popupMenuOn == TrayIconMessage::RightDoubleClick) showMenuAtCursor();
        break;
    case WM_MBUTTONDOWN:
        mouseDown(TrayMouseButton::Middle, shift | tray_shift::Middle, at);
        break;
    case WM_MBUTTONUP:
        mouseUp(TrayMouseButton::Middle, shift | tray_shift::Middle, at);
        break;
    case WM_MBUTTONDBLCLK:
        dblClick();
        break;
    default:
        break;
    }
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
        Shell_NotifyIconW(NIM_DELETE, &record_);
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
        if (visible_ && addToShell()) hookRegistered_ = true;
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
