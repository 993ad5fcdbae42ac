#include "win32/hint_tips.h"

#include <windows.h>
#include <commctrl.h>

#include "win32/wide_text.h"

namespace win {

HintTips::HintTips(HINSTANCE instance, HWND owner) : owner_(owner) {
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance,
                           nullptr);
    // Long folder paths are shown whole on one line, as far as the screen allows.
    if (tip_ != nullptr) SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
}

HintTips::~HintTips() {
    // The tip window belongs to the owner and goes with it.
    tip_ = nullptr;
}

void HintTips::add(HWND control, const controls::Control& model) {
    if (tip_ == nullptr || control == nullptr) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    controls_[control] = &model;
}

bool HintTips::handleNotify(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOW || header.hwndFrom != tip_) return false;
    auto& request = reinterpret_cast<NMTTDISPINFOW&>(header);
    const auto found = controls_.find(reinterpret_cast<HWND>(request.hdr.idFrom));
    shown_.clear();
    if (found != controls_.end() && found->second->showHint) shown_ = wide(found->second->hint);
    request.lpszText = const_cast<wchar_t*>(shown_.c_str());
    request.szText[0] = L'\0';
    request.hinst = nullptr;
    return true;
}

}  // namespace win
