#include "sim/sim_list_view.h"

namespace sim {

SimListView::SimListView(controls::CheckListBox& model) : model_(model) {
    for (int i = 0; i < model_.count(); ++i) entries.push_back({model_.item(i), model_.checked(i)});
    selected = model_.itemIndex();
    model_.peer = this;
    if (model_.updating()) suspended_ = true;
}

SimListView::~SimListView() {
    if (model_.peer == this) model_.peer = nullptr;
}

void SimListView::changed() {
    if (suspended_) {
        dirty_ = true;
    } else {
        ++paints;
    }
}

void SimListView::itemsCleared() {
    entries.clear();
    selected = -1;
    changed();
}

void SimListView::itemInserted(int index) {
    if (index < 0 || index > static_cast<int>(entries.size())) return;
    entries.insert(entries.begin() + index, Entry{model_.item(index), model_.checked(index)});
    selected = model_.itemIndex();
    changed();
}

void SimListView::itemDeleted(int index) {
    if (index < 0 || index >= static_cast<int>(entries.size())) return;
    entries.erase(entries.begin() + index);
    selected = model_.itemIndex();
    changed();
}

void SimListView::itemChanged(int index) {
    if (index < 0 || index >= static_cast<int>(entries.size())) return;
    entries[static_cast<std::size_t>(index)] = Entry{model_.item(index), model_.checked(index)};
    changed();
}

void SimListView::selectionChanged() {
    selected = model_.itemIndex();
    changed();
}

void SimListView::drawingResumed() {
    suspended_ = false;
    if (dirty_) ++paints;
    dirty_ = false;
}

}  // namespace sim
