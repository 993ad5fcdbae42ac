#include "win32/themed_control_views.h"

#include "controls/check_list_box.h"
#include "controls/chrome_button_painter.h"
#include "controls/gradient_label_painter.h"
#include "win32/gdi_canvas.h"
#include "win32/wide_text.h"

namespace win {

namespace {

constexpr wchar_t kChromeButtonClass[] = L"FolvaricChromeButton";
constexpr wchar_t kGradientLabelClass[] = L"FolvaricGradientLabel";

void registerOnce(const wchar_t* name, WNDPROC proc, UINT style) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

DWORD styleOf(const controls::Control& model, bool tabStop) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (model.visible()) style |= WS_VISIBLE;
    if (!model.enabled()) style |= WS_DISABLED;
    if (tabStop) style |= WS_TABSTOP;
    return style;
}

HWND createWindow(const wchar_t* windowClass, HWND parent, const controls::CaptionControl& model, int id,
                  bool tabStop, void* view) {
    const controls::Bounds& b = model.bounds();
    return CreateWindowExW(
        0, windowClass, wide(model.caption()).c_str(), styleOf(model, tabStop), b.left, b.top, b.width,
        b.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), view);
}

// The view object behind a window: stored at creation, read by the window procedure.
template <typename View>
View* viewOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* view = static_cast<View*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
        return view;
    }
    return reinterpret_cast<View*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Bounds, enabled state, visibility and caption of the model on the real window.
void mirror(HWND window, const controls::CaptionControl& model, std::string& shownCaption) {
    const controls::Bounds& b = model.bounds();
    RECT now{};
    GetWindowRect(window, &now);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&now), 2);
    if (now.left != b.left || now.top != b.top || now.right - now.left != b.width ||
        now.bottom - now.top != b.height) {
        MoveWindow(window, b.left, b.top, b.width, b.height, TRUE);
    }
    if ((IsWindowEnabled(window) != FALSE) != model.enabled())
        EnableWindow(window, model.enabled() ? TRUE : FALSE);
    if ((IsWindowVisible(window) != FALSE) != model.visible())
        ShowWindow(window, model.visible() ? SW_SHOWNA : SW_HIDE);
    if (shownCaption != model.caption()) {
        shownCaption = model.caption();
        SetWindowTextW(window, wide(shownCaption).c_str());
    }
    InvalidateRect(window, nullptr, FALSE);
}

// What the parent shows behind `child`: its background brush, then what it paints itself when
// asked to paint into a given device context, copied onto `target` at the child's origin.
void paintParentBehind(HWND child, HDC target) {
    HWND parent = GetParent(child);
    RECT area{};
    GetClientRect(child, &area);
    if (parent == nullptr || area.right <= 0 || area.bottom <= 0) return;
    POINT origin{0, 0};
    MapWindowPoints(child, parent, &origin, 1);

    MemoryDC memory(target);
    OwnedBitmap picture(CreateCompatibleBitmap(target, area.right, area.bottom));
    if (memory.get() == nullptr || !picture) return;
    SelectGuard select(memory.get(), picture.get());
    auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(parent, GCLP_HBRBACKGROUND));
    FillRect(memory.get(), &area, brush != nullptr ? brush : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    POINT previous{};
    SetViewportOrgEx(memory.get(), -origin.x, -origin.y, &previous);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.get()), 0);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
    SetViewportOrgEx(memory.get(), previous.x, previous.y, nullptr);
    BitBlt(target, 0, 0, area.right, area.bottom, memory.get(), 0, 0, SRCCOPY);
}

unsigned keyboardShift() {
    unsigned s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= controls::shift::Shift;
    if (GetKeyState(VK_CONTROL) < 0) s |= controls::shift::Ctrl;
    if (GetKeyState(VK_MENU) < 0) s |= controls::shift::Alt;
    return s;
}

unsigned mouseShift(WPARAM wParam) {
    unsigned s = 0;
    if (wParam & MK_SHIFT) s |= controls::shift::Shift;
    if (wParam & MK_CONTROL) s |= controls::shift::Ctrl;
    if (GetKeyState(VK_MENU) < 0) s |= controls::shift::Alt;
    if (wParam & MK_LBUTTON) s |= controls::shift::Left;
    if (wParam & MK_RBUTTON) s |= controls::shift::Right;
    if (wParam & MK_MBUTTON) s |= controls::shift::Middle;
    return s;
}

int xOf(LPARAM lParam) {
    return static_cast<short>(LOWORD(lParam));
}
int yOf(LPARAM lParam) {
    return static_cast<short>(HIWORD(lParam));
}

}  // namespace

// --- chrome button ---------------------------------------------------------------------------

ChromeButtonView::ChromeButtonView(controls::ChromeCustomButton& model, controls::DialogKeyTargets* formKeys)
    : model_(model), formKeys_(formKeys) {}

std::unique_ptr<ChromeButtonView> ChromeButtonView::create(HWND parent, controls::ChromeCustomButton& model,
                                                           int id, controls::DialogKeyTargets* formKeys) {
    registerOnce(kChromeButtonClass, windowProc, 0);  // no double-clicks: a second press is a press
    std::unique_ptr<ChromeButtonView> view(new ChromeButtonView(model, formKeys));
    if (createWindow(kChromeButtonClass, parent, model, id, model.tabStop, view.get()) == nullptr)
        return nullptr;
    view->shownCaption_ = model.caption();
    ChromeButtonView* v = view.get();
    v->previousOnChanged_ = model.onChanged;
    model.onChanged = [v] { v->modelChanged(); };
    model.requestFocus = [v] {
        if (v->window_ != nullptr) SetFocus(v->window_);
    };
    model.onPopup = [v](controls::Menu& menu, int x, int y) {
        if (v->window_ == nullptr || !v->showPopup) return;
        POINT at{x, y};
        ClientToScreen(v->window_, &at);
        v->showPopup(menu, at);
    };
    if (model.hasFocus() || model.focused()) SetFocus(v->window_);
    return view;
}

ChromeButtonView::~ChromeButtonView() {
    model_.onChanged = previousOnChanged_;
    model_.requestFocus = nullptr;
    model_.onPopup = nullptr;
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void ChromeButtonView::modelChanged() {
    if (window_ != nullptr) mirror(window_, model_, shownCaption_);
    if (previousOnChanged_) previousOnChanged_();
}

void ChromeButtonView::paint(HDC dc) {
    const int w = model_.width();
    const int h = model_.height();
    if (model_.modernBtnStyle() == controls::TModernBtnStyle::bsModern) {
        // Drawn straight onto the window, over a copy of what the parent shows behind the corners.
        GdiCanvas canvas(dc);
        controls::paintChromeButton(model_, canvas,
                                    [this, dc](controls::Canvas&) { paintParentBehind(window_, dc); });
        return;
    }
    // The other styles go through one off-screen picture, copied in one step: no flicker.
    MemoryDC memory(dc);
    OwnedBitmap picture(CreateCompatibleBitmap(dc, w, h));
    if (memory.get() == nullptr || !picture) return;
    SelectGuard select(memory.get(), picture.get());
    {
        GdiCanvas canvas(memory.get());
        controls::paintChromeButton(model_, canvas, nullptr);
    }
    BitBlt(dc, 0, 0, w, h, memory.get(), 0, 0, SRCCOPY);
}

bool ChromeButtonView::pointerInside() const {
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(window_, &at);
    RECT area{};
    GetClientRect(window_, &area);
    return PtInRect(&area, at) != FALSE;
}

void ChromeButtonView::mouseMoved(WPARAM wParam, LPARAM lParam) {
    const POINT at{xOf(lParam), yOf(lParam)};
    RECT area{};
    GetClientRect(window_, &area);
    const bool inside = PtInRect(&area, at) != FALSE;
    if (inside && !model_.hot()) {
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window_, 0};
            trackingLeave_ = TrackMouseEvent(&track) != FALSE;
        }
        model_.userMouseEnter();
    } else if (!inside && model_.hot()) {
        model_.userMouseLeave();  // only while the button holds the mouse
    }
    model_.userMouseMove(mouseShift(wParam), at.x, at.y);
}

void ChromeButtonView::mouseDown(controls::MouseButton button, WPARAM wParam, LPARAM lParam) {
    SetCapture(window_);
    model_.userMouseDown(button, mouseShift(wParam), xOf(lParam), yOf(lParam));
}

void ChromeButtonView::mouseUp(controls::MouseButton button, WPARAM wParam, LPARAM lParam) {
    if (GetCapture() == window_) ReleaseCapture();
    model_.userMouseUp(button, mouseShift(wParam), xOf(lParam), yOf(lParam));
    // Released outside: the mouse left while the button held it.
    if (window_ != nullptr && model_.hot() && !pointerInside()) model_.userMouseLeave();
}

LRESULT CALLBACK ChromeButtonView::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ChromeButtonView* view = viewOf<ChromeButtonView>(window, message, lParam);
    if (view == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE) view->window_ = window;
    if (message == WM_NCDESTROY) {
        view->window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return view->handle(message, wParam, lParam);
}

LRESULT ChromeButtonView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    using controls::MouseButton;
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(window_, &ps);
            paint(dc);
            EndPaint(window_, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_WINDOWPOSCHANGED:
            InvalidateRect(window_, nullptr, FALSE);
            break;
        case WM_MOUSEMOVE:
            mouseMoved(wParam, lParam);
            return 0;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            if (GetCapture() != window_ && model_.hot()) model_.userMouseLeave();
            return 0;
        case WM_LBUTTONDOWN:
            mouseDown(MouseButton::Left, wParam, lParam);
            return 0;
        case WM_RBUTTONDOWN:
            mouseDown(MouseButton::Right, wParam, lParam);
            return 0;
        case WM_MBUTTONDOWN:
            mouseDown(MouseButton::Middle, wParam, lParam);
            return 0;
        case WM_LBUTTONUP:
            mouseUp(MouseButton::Left, wParam, lParam);
            return 0;
        case WM_RBUTTONUP:
            mouseUp(MouseButton::Right, wParam, lParam);
            return 0;
        case WM_MBUTTONUP:
            mouseUp(MouseButton::Middle, wParam, lParam);
            return 0;
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_BUTTON | DLGC_WANTARROWS;
            const MSG* pending = reinterpret_cast<const MSG*>(lParam);
            if (pending != nullptr && pending->message == WM_KEYDOWN &&
                (pending->wParam == VK_RETURN || pending->wParam == VK_ESCAPE)) {
                code |= DLGC_WANTMESSAGE;  // Enter and Esc go through our own dialog-key handling
            }
            return code;
        }
        case WM_KEYDOWN: {
            const auto key = static_cast<unsigned>(wParam);
            const unsigned shift = keyboardShift();
            if ((key == VK_RETURN || key == VK_ESCAPE) && formKeys_ != nullptr &&
                formKeys_->offerDialogKey(key, shift)) {
                return 0;
            }
            model_.userKeyDown(key, shift);
            return 0;
        }
        case WM_KEYUP:
            model_.userKeyUp(static_cast<unsigned>(wParam), keyboardShift());
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
            if (formKeys_ != nullptr && wParam > 32 && wParam < 128 &&
                formKeys_->offerAccessKey(static_cast<char>(wParam))) {
                return 0;
            }
            if (message == WM_CHAR) return 0;
            break;
        case WM_SETFOCUS:
            model_.userFocusGained();
            return 0;
        case WM_KILLFOCUS:
            model_.userFocusLost();
            return 0;
        case WM_ENABLE:
            model_.setEnabled(wParam != FALSE);
            InvalidateRect(window_, nullptr, FALSE);
            return 0;
        case BM_CLICK:
            model_.userClick();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// --- gradient label --------------------------------------------------------------------------

std::unique_ptr<GradientLabelView> GradientLabelView::create(HWND parent, controls::GradientLabel& model,
                                                             int id) {
    registerOnce(kGradientLabelClass, windowProc, CS_DBLCLKS);
    std::unique_ptr<GradientLabelView> view(new GradientLabelView(model));
    if (createWindow(kGradientLabelClass, parent, model, id, false, view.get()) == nullptr) return nullptr;
    view->shownCaption_ = model.caption();
    GradientLabelView* v = view.get();
    v->previousOnChanged_ = model.onChanged;
    model.onChanged = [v] { v->modelChanged(); };
    return view;
}

GradientLabelView::~GradientLabelView() {
    model_.onChanged = previousOnChanged_;
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void GradientLabelView::modelChanged() {
    if (window_ != nullptr) mirror(window_, model_, shownCaption_);
    if (previousOnChanged_) previousOnChanged_();
}

void GradientLabelView::paint(HDC dc) {
    if (model_.transparent()) paintParentBehind(window_, dc);
    GdiCanvas canvas(dc);
    controls::paintGradientLabel(model_, canvas);
}

LRESULT CALLBACK GradientLabelView::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    GradientLabelView* view = viewOf<GradientLabelView>(window, message, lParam);
    if (view == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE) view->window_ = window;
    if (message == WM_NCDESTROY) {
        view->window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return view->handle(message, wParam, lParam);
}

LRESULT GradientLabelView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(window_, &ps);
            paint(dc);
            EndPaint(window_, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_ENABLE:
        case WM_WINDOWPOSCHANGED:
            InvalidateRect(window_, nullptr, FALSE);
            break;
        case WM_LBUTTONUP:
            model_.userClick();
            return 0;
        case WM_LBUTTONDBLCLK:
            model_.userDoubleClick();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace win
