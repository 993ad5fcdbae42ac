#pragma once
// The forms' menus (trees of MenuItem models) as Windows menus. The menus are rebuilt from the
// model whenever it changes, so the model is the one truth about captions, ticks, visibility
// and enabled state.
#include <windows.h>

#include <functional>
#include <unordered_map>
#include <vector>

#include "controls/simple_controls.h"
#include "win32/win_handles.h"

namespace win {

// Command identifiers of menu items, stable across rebuilds.
class MenuCommands {
public:
    UINT idOf(controls::MenuItem& item);
    controls::MenuItem* itemOf(UINT id) const;
    // Menu identifiers start here, clear of IDOK / IDCANCEL that dialog navigation sends.
    static constexpr UINT kFirstId = 1000;

private:
    std::unordered_map<const controls::MenuItem*, UINT> ids_;
    std::vector<controls::MenuItem*> items_;
};

// A menu bar (top-level items as drop-down menus) or a popup menu from a tree. An invisible
// item is left out with everything below it.
Menu buildMenuBar(controls::MenuItem& root, MenuCommands& commands);
Menu buildPopupMenu(controls::MenuItem& root, MenuCommands& commands);

// Calls `changed` after any item of the tree changes.
void watchMenuTree(controls::MenuItem& root, const std::function<void()>& changed);

// Shows a popup menu at a screen point and runs the chosen item's click, after the menu has
// closed (so that the item's handler may even close the window that owned the menu).
// `prepare` sees the built menu before it opens (the menu painter marks its items there).
void trackPopupMenu(controls::MenuItem& root, MenuCommands& commands, HWND owner, POINT at,
                    const std::function<void(HMENU)>& prepare = nullptr);

}  // namespace win
