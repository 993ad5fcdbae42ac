#pragma once
// The Explorer dual window on screen: the Form3 model's tool bar, its two memo panes with the
// fuchsia splitter between them, and its menu. The model stays the one truth about the panes'
// geometry; the view places the child windows where the model says after every change.
#include <windows.h>

#include "forms/dual_window.h"
#include "win32/menu_builder.h"
#include "win32/win_handles.h"

namespace win {

class DualWindowView {
public:
    DualWindowView(HINSTANCE instance, folvaric::Form3& model);
    DualWindowView(const DualWindowView&) = delete;
    DualWindowView& operator=(const DualWindowView&) = delete;

    // Creates the window, hidden, where the form's design puts it, owned by `owner`.
    bool create(HWND owner);
    HWND hwnd() const { return window_.get(); }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK splitterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleSplitter(HWND splitter, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void createToolBar();
    void placeChildren();
    void trackClientOrigin();
    void command(WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    folvaric::Form3& model_;
    OwnedWindow window_;
    Menu menuBar_;
    MenuCommands commands_;

    HWND toolBar_ = nullptr;
    HWND memo1_ = nullptr;
    HWND splitter_ = nullptr;
    HWND memo2_ = nullptr;
    Font formFont_;
    Font toolBarFont_;
    Brush splitterBrush_;

    // A splitter drag in progress: where it started, on the screen, and Memo1's height then.
    bool dragging_ = false;
    int dragStartY_ = 0;
    int dragStartHeight_ = 0;
};

}  // namespace win
