#pragma once
// CheckListBox1 on screen: an owner-drawn list box whose entries carry real check boxes. It
// mirrors the model through ListPeer (one cheap call per change, so 3000 entries stay fast)
// and reports what the user does through the model's user... calls.
//
// Each entry also keeps its text as a list-box string and its mark as the item data, so other
// programs (the end-to-end tests) can read the list with LB_GETTEXT and LB_GETITEMDATA.
#include <windows.h>

#include <functional>

#include "controls/check_list_box.h"
#include "win32/win_handles.h"

namespace win {

class CheckListView : public controls::ListPeer {
public:
    CheckListView(HWND parent, HINSTANCE instance, int id, controls::CheckListBox& model);
    ~CheckListView() override;
    CheckListView(const CheckListView&) = delete;
    CheckListView& operator=(const CheckListView&) = delete;

    HWND hwnd() const { return window_; }

    // The parent passes these on.
    void measure(MEASUREITEMSTRUCT& item) const;
    void draw(const DRAWITEMSTRUCT& item) const;

    // Automatic drag mode: a drag begins at a point of the list, moves over it, is dropped
    // (points in the list's client coordinates).
    std::function<void(int x, int y)> onStartDrag;
    std::function<bool()> onDragOver;
    std::function<void(int x, int y)> onDragDrop;
    // The context menu is asked for at a screen point.
    std::function<void(POINT)> onContextMenu;

    // ListPeer
    void itemsCleared() override;
    void itemInserted(int index) override;
    void itemDeleted(int index) override;
    void itemChanged(int index) override;
    void selectionChanged() override;
    void fontChanged() override;
    void redraw() override;
    void drawingSuspended() override;
    void drawingResumed() override;

    // Control::onChanged: place, enabled state and visibility.
    void mirrorControl();

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT callDefault(UINT message, WPARAM wParam, LPARAM lParam);
    int itemAt(POINT client);
    bool onCheckBox(POINT client) const;
    void press(POINT client);
    void doubleClick(POINT client);
    void dragMove(POINT client);
    void release(POINT client);
    void cancelDrag();
    void keyDown(WPARAM key);
    void syncSelectionFromControl();
    void syncScroll();
    void setEntry(int index);
    void invalidateItem(int index);
    int checkAreaWidth() const;

    controls::CheckListBox& model_;
    HWND window_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    Font font_;
    bool pressed_ = false;
    bool dragging_ = false;
    POINT pressPoint_{};
};

// Shift-state bits of a key or mouse event of the list, from the keyboard as it is now.
unsigned currentShiftState();

}  // namespace win
