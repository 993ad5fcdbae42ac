#pragma once
// What every control model has: a name, a place on its form, visibility,
// enabled state and the keyboard focus. A view mirrors these; tests read them.
#include <functional>
#include <string>

namespace controls {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Bounds& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

class Control;

// The form's record of which control has the keyboard focus.
struct FocusOwner {
    Control* focused = nullptr;
    std::function<void(Control&)> onFocusChanged;  // the view moves the real focus
};

class Control {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }

    const Bounds& bounds() const { return bounds_; }
    void setBounds(const Bounds& b);
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    void setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
    void setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
    void setWidth(int v) { setBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
    void setHeight(int v) { setBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool visible() const { return visible_; }
    void setVisible(bool v);

    std::string hint;  // tool-tip text, GBK
    bool showHint = false;

    void attachFocus(FocusOwner* owner) { focus_ = owner; }
    void setFocus();
    bool focused() const { return focus_ != nullptr && focus_->focused == this; }

    // The view's hook: called after bounds, enabled or visibility changed.
    std::function<void()> onChanged;

private:
    void changed() {
        if (onChanged) onChanged();
    }

    std::string name_;
    Bounds bounds_;
    bool enabled_ = true;
    bool visible_ = true;
    FocusOwner* focus_ = nullptr;
};

}  // namespace controls
