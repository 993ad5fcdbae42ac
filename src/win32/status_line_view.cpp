#include "win32/status_line_view.h"

#include <windows.h>
#include <commctrl.h>

#include "win32/child_windows.h"
#include "win32/gdi_values.h"
#include "win32/wide_text.h"

namespace win {
namespace {

constexpr UINT_PTR kTextSubclassId = 0x5354;  // "ST"

}  // namespace

StatusLineView::StatusLineView(HINSTANCE instance, HWND parent, int id, controls::StatusBar& model)
    : model_(model) {
    window_ = createChild(instance, parent, STATUSCLASSNAMEW, L"", WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 0,
                          id, model_.bounds());
    if (window_ == nullptr) return;
    font_ = createFont(model_.font);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SendMessageW(window_, SB_SIMPLE, TRUE, 0);
    // Other programs (screen readers, the tests) read the status line as the bar's window text;
    // in simple mode with an owner-drawn part not every system answers its length, so the bar
    // answers both text messages from the model itself.
    SetWindowSubclass(window_, textProc, kTextSubclassId, reinterpret_cast<DWORD_PTR>(this));
    mirror();
}

LRESULT CALLBACK StatusLineView::textProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
    const auto* view = reinterpret_cast<const StatusLineView*>(self);
    switch (message) {
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(wide(view->model_.simpleText()).size());
        case WM_GETTEXT: {
            auto* buffer = reinterpret_cast<wchar_t*>(lParam);
            if (buffer == nullptr || wParam == 0) return 0;
            const std::wstring text = wide(view->model_.simpleText());
            const std::size_t copied = text.size() < wParam ? text.size() : wParam - 1;
            text.copy(buffer, copied);
            buffer[copied] = L'\0';
            return static_cast<LRESULT>(copied);
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, textProc, kTextSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void StatusLineView::mirror() {
    if (window_ == nullptr) return;
    // A refresh reports each protected folder still open, hundreds of times the same text; with
    // the text, place and state as last mirrored there is nothing to ask of the bar.
    const Placement now{model_.bounds(), model_.enabled(), model_.visible()};
    if (textShown_ && model_.simpleText() == shownText_ && now == mirrored_) return;
    mirrored_ = now;
    mirrorPlacement(window_, model_);
    // The bar repaints only what a resize uncovers, but the text is laid out on the whole width.
    InvalidateRect(window_, nullptr, TRUE);
    if (textShown_ && model_.simpleText() == shownText_) return;
    textShown_ = true;
    shownText_ = model_.simpleText();
    const std::wstring text = wide(shownText_);
    // The readable copy (the first part's text, hidden while the bar is in simple mode) ...
    SendMessageW(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    // ... and the simple text, which the parent draws.
    SendMessageW(window_, SB_SETTEXTW, SB_SIMPLEID | SBT_OWNERDRAW, 0);
}

void StatusLineView::draw(const DRAWITEMSTRUCT& item) const {
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
    SelectGuard selected(item.hDC, font_.get());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, colourOf(model_.font.color));
    const std::wstring text = wide(model_.simpleText());
    area.left += 2;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

bool StatusLineView::handleNotify(const NMHDR& header) {
    if (header.hwndFrom != window_ || header.code != static_cast<UINT>(NM_DBLCLK)) return false;
    model_.userDoubleClick();
    return true;
}

}  // namespace win
