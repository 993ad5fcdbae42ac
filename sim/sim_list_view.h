#pragma once
// The list control as Windows would show it: it mirrors the check-box list's entries through the
// peer calls and paints after every change, except between a suspension and its end, which
// paint once. Tests read what is on screen and how many times the control painted.
#include <string>
#include <vector>

#include "controls/check_list_box.h"

namespace sim {

class SimListView : public controls::ListPeer {
public:
    explicit SimListView(controls::CheckListBox& model);
    ~SimListView() override;
    SimListView(const SimListView&) = delete;
    SimListView& operator=(const SimListView&) = delete;

    struct Entry {
        std::string text;
        bool ticked = false;
        bool operator==(const Entry& o) const { return text == o.text && ticked == o.ticked; }
    };
    // What the control holds: entries and the selected one.
    std::vector<Entry> entries;
    int selected = -1;
    // Paints of the control so far, and whether it paints at all now.
    int paints = 0;
    bool drawing() const { return !suspended_; }

    void itemsCleared() override;
    void itemInserted(int index) override;
    void itemDeleted(int index) override;
    void itemChanged(int index) override;
    void selectionChanged() override;
    void fontChanged() override { changed(); }
    void redraw() override { changed(); }
    void drawingSuspended() override { suspended_ = true; }
    void drawingResumed() override;

private:
    void changed();

    controls::CheckListBox& model_;
    bool suspended_ = false;
    bool dirty_ = false;
};

}  // namespace sim
