#pragma once
// MenuPainter1 on screen. The main window's menus are Windows menus rebuilt from the models; this
// hook switches their items to owner drawing while the painter is active and answers the owner
// window's WM_MEASUREITEM and WM_DRAWITEM for them. It also styles the list and the command panel
// with flat frames, and handles the flat popup-menu frame messages.
//
// Wiring, from the main window's procedure and menu code:
//   - after the controls exist: attachControls(list, panel);
//   - whenever Form1::menuPainterActive may have changed (FormShow's request to colour the menu
//     bar): sync();
//   - after every SetMenu of a rebuilt menu bar: menuBarBuilt(GetMenu(window));
//   - a popup menu of the form: preparePopup(menu, root) between building and tracking it, or
//     popupAboutToShow(root) before TrackPopupMenu and onInitMenuPopup((HMENU)wParam) on
//     WM_INITMENUPOPUP (which TPM_NONOTIFY may suppress);
//   - WM_MEASUREITEM / WM_DRAWITEM with CtlType ODT_MENU: return TRUE when onMeasureItem /
//     onDrawItem return true;
//   - every message of the window: onApplicationMessage(message, wParam, lParam), returning 0
//     without further handling when it returns true.
#include <windows.h>

#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "controls/menu_painter.h"
#include "controls/xp_frames_manager.h"
#include "state/form1.h"
#include "win32/xp_frames_win32.h"

namespace win {

class MenuPainterHook {
public:
    MenuPainterHook(HWND mainWindow, folvaric::Form1& form);
    ~MenuPainterHook();
    MenuPainterHook(const MenuPainterHook&) = delete;
    MenuPainterHook& operator=(const MenuPainterHook&) = delete;

    controls::TMenuPainter& painter() { return *painter_; }

    void attachControls(HWND list, HWND panel);
    void sync();
    void menuBarBuilt(HMENU bar);
    void popupAboutToShow(controls::MenuItem& root);
    // The same for a popup menu just built from `root`, before it is tracked.
    void preparePopup(HMENU popup, controls::MenuItem& root);
    void onInitMenuPopup(HMENU popup);
    bool onMeasureItem(MEASUREITEMSTRUCT& item);
    bool onDrawItem(const DRAWITEMSTRUCT& item);
    bool onApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void mark(HMENU menu, controls::MenuItem& parent);
    controls::MenuItem* known(ULONG_PTR itemData) const;
    void postFlatMenuMessage(const controls::FlatMenuRequest& request);
    void drawFlatFrame(const controls::FlatMenuRequest& request);

    HWND window_;
    folvaric::Form1& form_;
    controls::ImageList images_;  // ImageList2: the menu pictures (none are assigned yet)
    std::unique_ptr<Win32FrameSite> listSite_;
    std::unique_ptr<Win32FrameSite> panelSite_;
    controls::PainterForm painterForm_;
    controls::TMenuPainterManager manager_;
    std::unique_ptr<controls::TMenuPainter> painter_;

    controls::MenuItem* pendingPopup_ = nullptr;
    std::unordered_set<const controls::MenuItem*> marked_;
    struct Place {
        HMENU menu;
        UINT position;
    };
    std::unordered_map<const controls::MenuItem*, Place> places_;
    HDC drawingDc_ = nullptr;
    HWND flatWindow_ = nullptr;
};

}  // namespace win
