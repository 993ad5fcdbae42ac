#include "controls/control.h"

namespace controls {

void Control::setBounds(const Bounds& b) {
    if (b == bounds_) return;
    bounds_ = b;
    changed();
}

void Control::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    changed();
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed();
}

void Control::setFocus() {
    if (focus_ == nullptr) return;
    focus_->focused = this;
    if (focus_->onFocusChanged) focus_->onFocusChanged(*this);
}

}  // namespace controls
