#include "win32/aux_dual_window_view.h"

#include <commctrl.h>
#include <windows.h>
#include <windowsx.h>

#include "win32/gdi_values.h"
#include "win32/wide_text.h"

namespace win {
namespace {

const wchar_t kDualWindowClass[] = L"FolvaricDualWindow";
const wchar_t kSplitterClass[] = L"FolvaricDualSplitter";

constexpr int kToolButtonId = 201;
constexpr int kMemo1Id = 202;
constexpr int kMemo2Id = 203;
constexpr int kToolButtonWidth = 79;
constexpr int kToolButtonHeight = 24;

void registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HCURSOR cursor, HICON icon) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    if (GetClassInfoExW(instance, name, &cls)) return;
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = procedure;
    cls.hInstance = instance;
    cls.hCursor = cursor;
    cls.hIcon = icon;
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    cls.lpszClassName = name;
    RegisterClassExW(&cls);
}

template <typename View>
View* viewOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<View*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HWND createMemo(HINSTANCE instance, HWND parent, int id, const std::string& text) {
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", wide(text).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0, 0,
                           0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void place(HWND window, const controls::Bounds& b, int dx, int dy) {
    SetWindowPos(window, nullptr, b.left + dx, b.top + dy, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

DualWindowView::DualWindowView(HINSTANCE instance, folvaric::Form3& model) : instance_(instance), model_(model) {}

bool DualWindowView::create(HWND owner) {
    // The window's icon: the program's own (resource 1).
    HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    registerClass(instance_, kDualWindowClass, windowProc, LoadCursorW(nullptr, IDC_ARROW), icon);
    registerClass(instance_, kSplitterClass, splitterProc, LoadCursorW(nullptr, IDC_SIZENS), nullptr);

    const controls::Bounds& b = model_.bounds;
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kDualWindowClass, wide(model_.caption).c_str(),
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, b.left, b.top, b.width, b.height, owner,
                                  nullptr, instance_, this);
    if (window == nullptr) return false;
    window_.reset(window);
    model_.handle = handleOf(window);
    model_.clientToScreen = [this](folvaric::ScreenPoint p) {
        POINT point{p.x, p.y};
        ClientToScreen(window_.get(), &point);
        return folvaric::ScreenPoint{point.x, point.y};
    };

    menuBar_ = buildMenuBar(model_.MainMenu1.root, commands_);
    SetMenu(window, menuBar_.get());
    createControls();

    RECT client{};
    GetClientRect(window, &client);
    model_.resizeClient(client.right, client.bottom);
    trackClientOrigin();
    placeChildren();

    model_.onShow = [this] {
        // Shown again, it comes forward as it was left, minimised or not.
        ShowWindow(window_.get(), IsIconic(window_.get()) ? SW_RESTORE : SW_SHOW);
        SetForegroundWindow(window_.get());
    };
    model_.onHide = [this] { ShowWindow(window_.get(), SW_HIDE); };
    return true;
}

void DualWindowView::createControls() {
    HWND window = window_.get();
    formFont_ = createPixelFont(L"MS Sans Serif", 11);
    toolBarFont_ = createPixelFont(L"MS Sans Serif", 13);
    createToolBar();

    memo1_ = createMemo(instance_, window, kMemo1Id, model_.Memo1.caption());
    memo2_ = createMemo(instance_, window, kMemo2Id, model_.Memo2.caption());
    for (HWND memo : {memo1_, memo2_}) {
        SendMessageW(memo, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_.get()), FALSE);
    }
    splitterBrush_ = Brush(CreateSolidBrush(colourOf(model_.Splitter1.color)));
    splitter_ =
        CreateWindowExW(0, kSplitterClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr, instance_, this);
}

void DualWindowView::createToolBar() {
    toolBar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                   CCS_NOPARENTALIGN | CCS_NODIVIDER,
                               0, 0, 0, 0, window_.get(), nullptr, instance_, nullptr);
    if (toolBar_ == nullptr) return;
    SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolBar_, WM_SETFONT, reinterpret_cast<WPARAM>(toolBarFont_.get()), FALSE);
    SendMessageW(toolBar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    SendMessageW(toolBar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(kToolButtonWidth, kToolButtonHeight));
    // The tool bar keeps its own copy of the text; the string list ends in two terminators.
    const std::wstring caption = wide(model_.ToolButton1.caption()) + L'\0';
    const LRESULT text = SendMessageW(toolBar_, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = kToolButtonId;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_CHECK | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
    button.iString = text;
    SendMessageW(toolBar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
}

void DualWindowView::placeChildren() {
    if (toolBar_ != nullptr) place(toolBar_, model_.ToolBar1.bounds(), 0, 0);
    const int dx = model_.Panel1.left();
    const int dy = model_.Panel1.top();
    place(memo1_, model_.Memo1.bounds(), dx, dy);
    place(splitter_, model_.Splitter1.bounds(), dx, dy);
    place(memo2_, model_.Memo2.bounds(), dx, dy);
    // Panel1's bevel is drawn by the window itself.
    InvalidateRect(window_.get(), nullptr, TRUE);
}

void DualWindowView::trackClientOrigin() {
    POINT origin{0, 0};
    ClientToScreen(window_.get(), &origin);
    model_.clientOrigin = {origin.x, origin.y};
    RECT outer{};
    GetWindowRect(window_.get(), &outer);
    model_.bounds = {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

void DualWindowView::command(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (lParam == 0 && HIWORD(wParam) == 0) {  // a menu item
        if (controls::MenuItem* item = commands_.itemOf(id)) item->userClick();
        return;
    }
    if (id == kToolButtonId) model_.ToolButton1.userPress();
}

LRESULT CALLBACK DualWindowView::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = viewOf<DualWindowView>(window, message, lParam);
    if (self == nullptr || self->window_.get() != window) return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT DualWindowView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_.get();
    switch (message) {
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) {
                model_.resizeClient(LOWORD(lParam), HIWORD(lParam));
                placeChildren();
            }
            trackClientOrigin();
            return 0;
        case WM_MOVE:
            trackClientOrigin();
            return 0;
        case WM_COMMAND:
            command(wParam, lParam);
            return 0;
        case WM_PAINT: {
            PaintScope scope(window);
            RECT panel{model_.Panel1.left(), model_.Panel1.top(), model_.Panel1.left() + model_.Panel1.width(),
                       model_.Panel1.top() + model_.Panel1.height()};
            DrawEdge(scope.dc(), &panel, BDR_RAISEDINNER, BF_RECT);
            return 0;
        }
        case WM_CLOSE:
            model_.hide();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_.release();
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK DualWindowView::splitterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = viewOf<DualWindowView>(window, message, lParam);
    if (self == nullptr || (self->splitter_ != nullptr && self->splitter_ != window)) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handleSplitter(window, message, wParam, lParam);
}

LRESULT DualWindowView::handleSplitter(HWND splitter, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT area{};
            GetClientRect(splitter, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, splitterBrush_.get());
            return 1;
        }
        case WM_LBUTTONDOWN: {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(splitter, &at);
            dragging_ = true;
            dragStartY_ = at.y;
            dragStartHeight_ = model_.Memo1.height();
            SetCapture(splitter);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (dragging_) {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                ClientToScreen(splitter, &at);
                model_.userDragSplitter(dragStartHeight_ + at.y - dragStartY_);
                placeChildren();
            }
            return 0;
        case WM_LBUTTONUP:
            if (dragging_) ReleaseCapture();
            return 0;
        case WM_CAPTURECHANGED:
            dragging_ = false;
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(splitter, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(splitter, message, wParam, lParam);
}

}  // namespace win
