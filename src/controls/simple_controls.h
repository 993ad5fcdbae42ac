#pragma once
// The plain control models of the forms: status line, push buttons, panels,
// labels and menu items.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "platform/dialogs.h"

namespace controls {

// A control with a caption and a click; buttons, labels, panels.
class CaptionControl : public Control {
public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) {
        caption_ = c;
        if (onChanged) onChanged();
    }
    std::uint32_t color = 0;
    platform::FontChoice font;
    void userClick() {
        if (enabled() && OnClick) OnClick();
    }
    void userDoubleClick() {
        if (OnDblClick) OnDblClick();
    }
    std::function<void()> OnClick, OnDblClick;

private:
    std::string caption_;
};

using Button = CaptionControl;
using Panel = CaptionControl;
using Label = CaptionControl;

// The status line in simple mode: one text.
class StatusBar : public CaptionControl {
public:
    using CaptionControl::CaptionControl;
    const std::string& simpleText() const { return caption(); }
    void setSimpleText(const std::string& t) { setCaption(t); }
};

class MenuItem {
public:
    explicit MenuItem(std::string name, std::string caption = std::string())
        : name(std::move(name)), caption_(std::move(caption)) {}
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string name;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) {
        caption_ = c;
        changed();
    }
    bool checked() const { return checked_; }
    void setChecked(bool c) {
        checked_ = c;
        changed();
    }
    bool visible() const { return visible_; }
    void setVisible(bool v) {
        visible_ = v;
        changed();
    }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e) {
        enabled_ = e;
        changed();
    }
    bool autoCheck = false;  // the item flips its own tick before its handler runs
    bool isSeparator() const { return caption_ == "-"; }
    int tag = 0;
    int imageIndex = -1;

    // Sub-items, in order; owned elsewhere (by the form).
    std::vector<MenuItem*> items;
    void add(MenuItem& child) { items.push_back(&child); }

    // The user chose the item.
    void userClick() {
        if (!enabled_) return;
        if (autoCheck) setChecked(!checked_);
        if (onClick) onClick();
    }
    std::function<void()> onClick;
    std::function<void()> onChanged;  // the view's hook

private:
    void changed() {
        if (onChanged) onChanged();
    }
    std::string caption_;
    bool checked_ = false;
    bool visible_ = true;
    bool enabled_ = true;
};

// A menu bar or pop-up menu: a root whose items are the top-level entries.
struct Menu {
    explicit Menu(std::string name) : root(std::move(name), std::string()) {}
    MenuItem root;
};

}  // namespace controls
