#pragma once
// What the program's secondary windows (the About box and the Explorer dual window) share: a
// caption, a place on the screen, and being shown modeless or hidden. They are created hidden
// at start and live until the program ends; closing one only hides it.
#include <functional>
#include <string>

#include "controls/control.h"
#include "platform/types.h"

namespace folvaric {

struct FormWindow {
    FormWindow() = default;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    std::string caption;      // GBK
    controls::Bounds bounds;  // outer rectangle on the screen
    int clientWidth = 0;
    int clientHeight = 0;
    bool visible = false;
    platform::WindowHandle handle = 0;  // the view's window; 0 where there is none (tests)

    // Shows the window without making it modal; a visible one comes forward.
    void showModeless() {
        visible = true;
        if (onShow) onShow();
    }
    // The close box and the OK button.
    void hide() {
        visible = false;
        if (onHide) onHide();
    }

    // The view's hooks.
    std::function<void()> onShow;
    std::function<void()> onHide;
};

}  // namespace folvaric
