#pragma once
// StatusBar1: a status bar in simple mode, placed by the form rather than docked, without a
// size grip. Its one text is drawn by the program (red, in the model's font). The same text is
// also the window text, so other programs can read the status line with WM_GETTEXT.
#include <windows.h>

#include "controls/simple_controls.h"
#include "win32/win_handles.h"

namespace win {

class StatusLineView {
public:
    StatusLineView(HINSTANCE instance, HWND parent, int id, controls::StatusBar& model);
    StatusLineView(const StatusLineView&) = delete;
    StatusLineView& operator=(const StatusLineView&) = delete;

    HWND hwnd() const { return window_; }
    // Control::onChanged: text, place, enabled state, visibility.
    void mirror();
    // The parent passes these on.
    void draw(const DRAWITEMSTRUCT& item) const;
    bool handleNotify(const NMHDR& header);

private:
    static LRESULT CALLBACK textProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);

    controls::StatusBar& model_;
    HWND window_ = nullptr;
    Font font_;
    std::string shownText_;
    bool textShown_ = false;
    // The place and state last mirrored.
    struct Placement {
        controls::Bounds bounds;
        bool enabled = true, visible = true;
        bool operator==(const Placement& o) const {
            return bounds == o.bounds && enabled == o.enabled && visible == o.visible;
        }
    };
    Placement mirrored_;
};

}  // namespace win
