#pragma once
// The main form on screen: the window of Form1 with its controls and menus. Every control is
// created from its model and follows it afterwards; what the user does goes back to the model
// through its user... calls, and from there to the handlers.
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "state/form1.h"
#include "win32/check_list_view.h"
#include "win32/hint_tips.h"
#include "win32/menu_builder.h"
#include "win32/menu_painter_hook.h"
#include "win32/status_line_view.h"
#include "win32/themed_control_views.h"
#include "win32/win_application.h"
#include "win32/win_handles.h"

namespace win {

class MainWindow {
public:
    MainWindow(HINSTANCE instance, folvaric::Form1& form, WinApplication& app);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window, hidden, with every control as the models have them now.
    bool create();
    HWND hwnd() const { return window_.get(); }

    // The form's geometry is final (FormCreate has run): the layout rule takes over.
    void startLayout();
    // Places the window where the form says, shows it and runs FormShow once it is on screen.
    void showFirstTime();

    // Keyboard navigation between the controls (Tab); true when the message was handled.
    bool navigate(MSG& message);

    // Sees every message of the window first, as the application window's hook does.
    std::function<void(UINT message, WPARAM wParam)> appWindowHook;

    // A popup menu of the form at a screen point, owned by `owner`.
    void showPopupMenu(controls::MenuItem& root, POINT at, HWND owner);
    // The icon shown for the program now (title bar, taskbar), small size; not owned.
    HICON smallIcon() const;
    // Takes the icon file the form names now, if it changed.
    void syncAppIcon();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void bindModel();
    void mirrorToolBar();
    HWND hwndOf(const controls::Control& control) const;

    void sizeChanged(WPARAM kind);
    void readBoundsFromWindow();
    void systemCommand(WPARAM command, LPARAM lParam);
    void command(WPARAM wParam, LPARAM lParam);
    LRESULT notify(NMHDR& header);
    void activated(WPARAM wParam);
    void closeRequested();
    void retryClose();
    void paintBackground(HDC dc);
    HBRUSH formBrush();

    void requestMenuRebuild();
    void rebuildMenuBar();
    void colourMenuBar();
    void applyMenuBarBrush();

    void startDrag(int x, int y);
    void dragDrop(int x, int y);

    HINSTANCE instance_;
    folvaric::Form1& form_;
    WinApplication& app_;
    OwnedWindow window_;

    HWND toolBar_ = nullptr;
    HWND label_ = nullptr;
    HWND panel_ = nullptr;
    std::array<HWND, 4> buttons_{};
    std::array<controls::ChromeBitBtn*, 4> buttonModels_{};
    std::unique_ptr<GradientLabelView> labelView_;
    std::array<std::unique_ptr<ChromeButtonView>, 4> buttonViews_;
    controls::DialogKeyTargets dialogKeys_;
    std::unique_ptr<CheckListView> list_;
    // After the list: it removes its subclass before the list view puts its own procedure back.
    std::unique_ptr<MenuPainterHook> menuPainter_;
    std::unique_ptr<StatusLineView> status_;
    std::unique_ptr<HintTips> tips_;
    HWND lastFocus_ = nullptr;

    Brush formBrush_;
    COLORREF formBrushColour_ = 0;

    MenuCommands commands_;
    bool menuRebuildPosted_ = false;
    bool inMenuLoop_ = false;
    Brush menuBarBrush_;

    Icon bigIcon_;
    Icon smallIcon_;
    std::string shownIconFile_;

    bool layoutActive_ = false;
    bool minimised_ = false;
    // Start-up (FormCreate and the first FormShow) has finished.
    bool startupFinished_ = false;
    bool closeWaiting_ = false;
};

}  // namespace win
