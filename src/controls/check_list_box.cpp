#include "controls/check_list_box.h"

namespace controls {

void CheckListBox::setChecked(int i, bool c) {
    Item& item = items_.at(static_cast<std::size_t>(i));
    if (item.checked == c) return;
    item.checked = c;
    if (peer) peer->itemChanged(i);
}

int CheckListBox::add(const std::string& text, bool checked) {
    items_.push_back(Item{text, checked});
    const int index = count() - 1;
    if (peer) peer->itemInserted(index);
    return index;
}

void CheckListBox::insert(int index, const std::string& text) {
    if (index < 0 || index > count()) return;
    items_.insert(items_.begin() + index, Item{text, false});
    if (selected_ >= index) ++selected_;
    if (peer) peer->itemInserted(index);
}

void CheckListBox::remove(int index) {
    if (index < 0 || index >= count()) return;
    items_.erase(items_.begin() + index);
    selected_ = -1;
    if (peer) peer->itemDeleted(index);
}

void CheckListBox::clear() {
    items_.clear();
    selected_ = -1;
    topIndex = 0;
    if (peer) peer->itemsCleared();
}

void CheckListBox::select(int i) {
    if (i < -1 || i >= count()) i = -1;
    selected_ = i;
    if (peer) peer->selectionChanged();
}

int CheckListBox::itemAtPos(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || itemHeight <= 0) return -1;
    const int i = topIndex + y / itemHeight;
    return i < count() ? i : -1;
}

void CheckListBox::redraw() {
    if (peer) peer->redraw();
}

void CheckListBox::beginUpdate() {
    if (updateDepth_++ == 0 && peer) peer->drawingSuspended();
}

void CheckListBox::endUpdate() {
    if (updateDepth_ == 0) return;
    if (--updateDepth_ == 0 && peer) peer->drawingResumed();
}

void CheckListBox::setFont(const platform::FontChoice& f) {
    font = f;
    if (peer) peer->fontChanged();
}

void CheckListBox::userToggle(int i) {
    if (i < 0 || i >= count()) return;
    selected_ = i;
    if (peer) peer->selectionChanged();
    setChecked(i, !checked(i));
    if (OnClickCheck) OnClickCheck();
}

void CheckListBox::userSelect(int i) {
    if (i < -1 || i >= count()) return;
    select(i);
    if (OnClick) OnClick();
}

}  // namespace controls
