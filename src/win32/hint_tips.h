#pragma once
// The controls' tool tips (hints). Each tip asks for its text when it is about to show, so it
// always shows the model's current hint, and nothing while the control's showHint is off.
#include <windows.h>

#include <string>
#include <unordered_map>

#include "controls/control.h"

namespace win {

class HintTips {
public:
    HintTips(HINSTANCE instance, HWND owner);
    ~HintTips();
    HintTips(const HintTips&) = delete;
    HintTips& operator=(const HintTips&) = delete;

    void add(HWND control, const controls::Control& model);
    // The owner passes its WM_NOTIFY on; true when it was a tip's request.
    bool handleNotify(NMHDR& header);

private:
    HWND owner_;
    HWND tip_ = nullptr;
    std::unordered_map<HWND, const controls::Control*> controls_;
    std::wstring shown_;
};

}  // namespace win
