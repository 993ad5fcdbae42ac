#pragma once
// The check-box list: items with a text and a check mark, one selected item.
// Program code changes it through the plain calls, which raise no events; the
// view reports what the user did through the user... calls, which raise the
// events the form binds, as the list control does on Windows.
#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "platform/dialogs.h"

namespace controls {

// The view's side: mirrors every change of the model into the real control.
class ListPeer {
public:
    virtual ~ListPeer() = default;
    virtual void itemsCleared() = 0;
    virtual void itemInserted(int index) = 0;
    virtual void itemDeleted(int index) = 0;
    virtual void itemChanged(int index) = 0;  // text or check mark
    virtual void selectionChanged() = 0;
    virtual void fontChanged() = 0;
    virtual void redraw() = 0;
    // A batch of changes begins: the control stops painting until it ends, and then paints
    // once. Without this a list of hundreds of entries repaints after every one of them.
    virtual void drawingSuspended() = 0;
    virtual void drawingResumed() = 0;
};

// Modifier bits of a key or mouse event.
namespace shift {
constexpr unsigned Shift = 1, Alt = 2, Ctrl = 4, Left = 8, Right = 16, Middle = 32;
}

class CheckListBox : public Control {
public:
    using Control::Control;

    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int i) const { return items_.at(static_cast<std::size_t>(i)).text; }
    bool checked(int i) const { return items_.at(static_cast<std::size_t>(i)).checked; }
    void setChecked(int i, bool c);
    int add(const std::string& text, bool checked = false);  // returns the new index
    void insert(int index, const std::string& text);
    void remove(int index);  // the selection is gone afterwards
    void clear();
    int itemIndex() const { return selected_; }
    void select(int i);  // -1 = none
    // The item at a point of the list's client area, or -1.
    int itemAtPos(int x, int y) const;
    void redraw();

    // Changes between these two are painted once, at the end. Nested pairs count: only the
    // outermost end paints.
    void beginUpdate();
    void endUpdate();
    bool updating() const { return updateDepth_ > 0; }

    int itemHeight = 19;
    int topIndex = 0;  // first visible item, kept by the view when it scrolls
    platform::FontChoice font{"", 19, 0};
    void setFont(const platform::FontChoice& f);

    // User actions, reported by the view.
    void userToggle(int i);  // a click on the box or Space: toggles, then OnClickCheck
    void userSelect(int i);  // click or arrow keys: selects, then OnClick
    void userDoubleClick() {
        if (OnDblClick) OnDblClick();
    }
    void userKeyDown(unsigned key, unsigned shift) {
        if (OnKeyDown) OnKeyDown(key, shift);
    }
    void userKeyUp(unsigned key, unsigned shift) {
        if (OnKeyUp) OnKeyUp(key, shift);
    }

    std::function<void()> OnClickCheck, OnClick, OnDblClick;
    std::function<void(unsigned key, unsigned shift)> OnKeyDown, OnKeyUp;
    ListPeer* peer = nullptr;

private:
    struct Item {
        std::string text;
        bool checked = false;
    };
    std::vector<Item> items_;
    int selected_ = -1;
    int updateDepth_ = 0;
};

// Holds the list's drawing back for a scope, however the scope is left.
class ListUpdate {
public:
    explicit ListUpdate(CheckListBox& list) : list_(list) { list_.beginUpdate(); }
    ~ListUpdate() { list_.endUpdate(); }
    ListUpdate(const ListUpdate&) = delete;
    ListUpdate& operator=(const ListUpdate&) = delete;

private:
    CheckListBox& list_;
};

}  // namespace controls
