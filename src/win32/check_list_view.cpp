#include "win32/check_list_view.h"

#include <cstdlib>
#include <string>

#include "win32/gdi_values.h"
#include "win32/wide_text.h"

namespace win {
namespace {

// Automatic drag mode starts a drag after a move of this many pixels with the button held.
constexpr int kDragThreshold = 5;
// The check box and the room around it at the left of every entry.
constexpr int kCheckSize = 13;
constexpr int kCheckMargin = 2;

// The list box's own procedure, for a message that arrives while no view is attached.
WNDPROC listBoxClassProc() {
    static const WNDPROC proc = [] {
        WNDCLASSEXW info{};
        info.cbSize = sizeof info;
        return GetClassInfoExW(nullptr, L"LISTBOX", &info) ? info.lpfnWndProc : DefWindowProcW;
    }();
    return proc;
}

}  // namespace

unsigned currentShiftState() {
    unsigned shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= controls::shift::Shift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= controls::shift::Ctrl;
    if (GetKeyState(VK_MENU) < 0) shift |= controls::shift::Alt;
    // Held mouse buttons belong to the shift state too: a Shift press made while dragging is
    // not the keyboard gesture the list reacts to.
    if (GetKeyState(VK_LBUTTON) < 0) shift |= controls::shift::Left;
    if (GetKeyState(VK_RBUTTON) < 0) shift |= controls::shift::Right;
    if (GetKeyState(VK_MBUTTON) < 0) shift |= controls::shift::Middle;
    return shift;
}

CheckListView::CheckListView(HWND parent, HINSTANCE instance, int id, controls::CheckListBox& model)
    : model_(model) {
    const controls::Bounds& b = model_.bounds();
    window_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                                  LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                              b.left, b.top, b.width, b.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (window_ == nullptr) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    defaultProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CheckListView::subclassProc)));
    fontChanged();
    for (int i = 0; i < model_.count(); ++i) itemInserted(i);
    selectionChanged();
    mirrorControl();
    model_.peer = this;
}

CheckListView::~CheckListView() {
    if (model_.peer == this) model_.peer = nullptr;
    if (window_ != nullptr && IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    }
}

// --- mirroring the model ---------------------------------------------------------------------

void CheckListView::setEntry(int index) {
    SendMessageW(window_, LB_SETITEMDATA, static_cast<WPARAM>(index), model_.checked(index) ? 1 : 0);
}

void CheckListView::itemsCleared() { SendMessageW(window_, LB_RESETCONTENT, 0, 0); }

void CheckListView::itemInserted(int index) {
    const std::wstring text = wide(model_.item(index));
    SendMessageW(window_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    setEntry(index);
    // The list box moves its selection along with the entries as the model does; this only
    // corrects a difference.
    if (SendMessageW(window_, LB_GETCURSEL, 0, 0) != model_.itemIndex()) selectionChanged();
}

void CheckListView::itemDeleted(int index) {
    SendMessageW(window_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    if (SendMessageW(window_, LB_GETCURSEL, 0, 0) != model_.itemIndex()) selectionChanged();
}

void CheckListView::itemChanged(int index) {
    if (index < 0 || index >= model_.count()) return;
    const std::wstring text = wide(model_.item(index));
    const LRESULT length = SendMessageW(window_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring shown(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, L'\0');
    if (length > 0) {
        SendMessageW(window_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&shown[0]));
    }
    shown.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    if (shown != text) {
        SendMessageW(window_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        SendMessageW(window_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
        if (SendMessageW(window_, LB_GETCURSEL, 0, 0) != model_.itemIndex()) selectionChanged();
    }
    setEntry(index);
    invalidateItem(index);
}

void CheckListView::selectionChanged() {
    SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(model_.itemIndex()), 0);
    syncScroll();
}

void CheckListView::fontChanged() {
    font_ = createFont(model_.font);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    // The entries are as high as the font's text, and never lower than the check box.
    int height = kCheckSize + kCheckMargin;
    {
        WindowDC dc(window_);
        SelectGuard selected(dc.get(), font_.get());
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc.get(), &metrics) && metrics.tmHeight > height) height = metrics.tmHeight;
    }
    SendMessageW(window_, LB_SETITEMHEIGHT, 0, height);
    model_.itemHeight = height;
    InvalidateRect(window_, nullptr, TRUE);
}

void CheckListView::redraw() {
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
}

void CheckListView::mirrorControl() {
    const controls::Bounds& b = model_.bounds();
    MoveWindow(window_, b.left, b.top, b.width, b.height, TRUE);
    EnableWindow(window_, model_.enabled() ? TRUE : FALSE);
    ShowWindow(window_, model_.visible() ? SW_SHOWNA : SW_HIDE);
}

void CheckListView::invalidateItem(int index) {
    RECT r{};
    if (SendMessageW(window_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) != LB_ERR) {
        InvalidateRect(window_, &r, FALSE);
    }
}

void CheckListView::syncScroll() {
    const LRESULT top = SendMessageW(window_, LB_GETTOPINDEX, 0, 0);
    model_.topIndex = top == LB_ERR ? 0 : static_cast<int>(top);
}

// --- drawing ---------------------------------------------------------------------------------

int CheckListView::checkAreaWidth() const { return kCheckSize + kCheckMargin; }

void CheckListView::measure(MEASUREITEMSTRUCT& item) const { item.itemHeight = static_cast<UINT>(model_.itemHeight); }

void CheckListView::draw(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    RECT whole = item.rcItem;
    const int index = static_cast<int>(item.itemID);
    if (index < 0 || index >= model_.count()) {
        FillRect(dc, &whole, GetSysColorBrush(COLOR_WINDOW));
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &whole);
        return;
    }
    // The check box sits on the window colour; only the text shows the selection.
    RECT box = whole;
    box.right = box.left + checkAreaWidth();
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    const int boxTop = whole.top + (whole.bottom - whole.top - kCheckSize) / 2;
    RECT check{box.left + 1, boxTop, box.left + 1 + kCheckSize, boxTop + kCheckSize};
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (model_.checked(index)) state |= DFCS_CHECKED;
    if (!model_.enabled()) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &check, DFC_BUTTON, state);

    RECT textArea = whole;
    textArea.left = box.right;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &textArea, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SelectGuard selectedFont(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : colourOf(model_.font.color));
    const std::wstring text = wide(model_.item(index));
    RECT textRect = textArea;
    textRect.left += 2;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &textArea);
}

// --- user input ------------------------------------------------------------------------------

int CheckListView::itemAt(POINT client) {
    RECT area{};
    GetClientRect(window_, &area);
    if (client.x < 0 || client.y < 0 || client.x >= area.right || client.y >= area.bottom) return -1;
    syncScroll();
    const int height = model_.itemHeight > 0 ? model_.itemHeight : 1;
    const int index = model_.topIndex + client.y / height;
    return index < model_.count() ? index : -1;
}

bool CheckListView::onCheckBox(POINT client) const { return client.x >= 0 && client.x < checkAreaWidth(); }

void CheckListView::press(POINT client) {
    if (GetFocus() != window_) SetFocus(window_);
    const int index = itemAt(client);
    pressed_ = true;
    dragging_ = false;
    pressPoint_ = client;
    SetCapture(window_);
    if (index < 0) return;
    // The press selects the entry under the pointer; on the box it also flips the mark.
    if (onCheckBox(client)) model_.userToggle(index);
    model_.userSelect(index);
}

void CheckListView::doubleClick(POINT client) {
    const int index = itemAt(client);
    // Below the last entry too: the command then says what is missing (a selection).
    if (index >= 0 && onCheckBox(client)) {
        // A quick second click on the box is a second toggle, as the user meant it.
        model_.userToggle(index);
        model_.userSelect(index);
        return;
    }
    model_.userDoubleClick();
}

void CheckListView::dragMove(POINT client) {
    if (!pressed_) return;
    if (!dragging_) {
        if (std::abs(client.x - pressPoint_.x) < kDragThreshold && std::abs(client.y - pressPoint_.y) < kDragThreshold) {
            return;
        }
        dragging_ = true;
        syncScroll();
        if (onStartDrag) onStartDrag(client.x, client.y);
    }
    RECT area{};
    GetClientRect(window_, &area);
    const bool over = PtInRect(&area, client) && onDragOver && onDragOver();
    SetCursor(LoadCursorW(nullptr, over ? IDC_SIZENS : IDC_NO));
}

void CheckListView::release(POINT client) {
    const bool dropped = dragging_;
    pressed_ = false;
    dragging_ = false;
    if (GetCapture() == window_) ReleaseCapture();
    if (!dropped) return;
    RECT area{};
    GetClientRect(window_, &area);
    if (!PtInRect(&area, client)) return;
    syncScroll();
    if (onDragOver && onDragOver() && onDragDrop) onDragDrop(client.x, client.y);
}

void CheckListView::cancelDrag() {
    pressed_ = false;
    dragging_ = false;
    if (GetCapture() == window_) ReleaseCapture();
}

void CheckListView::syncSelectionFromControl() {
    const LRESULT selected = SendMessageW(window_, LB_GETCURSEL, 0, 0);
    const int index = selected == LB_ERR ? -1 : static_cast<int>(selected);
    syncScroll();
    if (index != model_.itemIndex()) model_.userSelect(index);
}

void CheckListView::keyDown(WPARAM key) { model_.userKeyDown(static_cast<unsigned>(key), currentShiftState()); }

LRESULT CheckListView::callDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(defaultProc_, window_, message, wParam, lParam);
}

LRESULT CheckListView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_LBUTTONDOWN:
        press(client);
        return 0;
    case WM_LBUTTONDBLCLK:
        doubleClick(client);
        return 0;
    case WM_MOUSEMOVE:
        if (pressed_) {
            dragMove(client);
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (pressed_) {
            release(client);
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        if (pressed_ && reinterpret_cast<HWND>(lParam) != window_) {
            pressed_ = false;
            dragging_ = false;
        }
        break;
    case WM_RBUTTONDOWN: {
        if (GetFocus() != window_) SetFocus(window_);
        // The menu that follows acts on the entry under the pointer, as in Explorer's lists.
        const int index = itemAt(client);
        if (index >= 0 && index != model_.itemIndex()) model_.userSelect(index);
        return 0;
    }
    case WM_CONTEXTMENU: {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (lParam == -1) {
            // From the keyboard: at the selected entry, or at the top of the list.
            RECT r{};
            const LRESULT selected = SendMessageW(window_, LB_GETCURSEL, 0, 0);
            if (selected == LB_ERR ||
                SendMessageW(window_, LB_GETITEMRECT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&r)) ==
                    LB_ERR) {
                r = RECT{0, 0, 0, 0};
            }
            at = POINT{r.left + checkAreaWidth(), r.bottom};
            ClientToScreen(window_, &at);
        }
        if (onContextMenu) onContextMenu(at);
        return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        if (dragging_ && wParam == VK_ESCAPE) {
            cancelDrag();
            return 0;
        }
        keyDown(wParam);
        if (message == WM_SYSKEYDOWN) break;
        const LRESULT result = callDefault(message, wParam, lParam);
        syncSelectionFromControl();
        return result;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
        model_.userKeyUp(static_cast<unsigned>(wParam), currentShiftState());
        break;
    case WM_CHAR:
        if (wParam == L' ') {
            // Space flips the mark of the selected entry.
            const int index = model_.itemIndex();
            if (index >= 0) model_.userToggle(index);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (!model_.focused()) model_.setFocus();
        break;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: {
        const LRESULT result = callDefault(message, wParam, lParam);
        syncScroll();
        return result;
    }
    default:
        break;
    }
    return callDefault(message, wParam, lParam);
}

LRESULT CALLBACK CheckListView::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CheckListView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window) {
        return CallWindowProcW(listBoxClassProc(), window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        const WNDPROC original = self->defaultProc_;
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

}  // namespace win
