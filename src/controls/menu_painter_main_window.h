#pragma once
// MenuPainter1 as the main window stores it, and the main window's components as the painter
// sees them: its three menus and its windowed controls with their classes and parents.
#include "controls/menu_painter.h"
#include "controls/simple_controls.h"

namespace controls {

// The stored properties of MenuPainter1 (it is stored inactive).
void designMenuPainter1(TMenuPainter& painter);

struct MainWindowMenus {
    Menu& MainMenu1;
    Menu& PopupMenu1;                       // the list's context menu
    Menu& PopupMenu2;                       // the tray menu: no pictures
    const ImageList* ImageList2 = nullptr;  // the menu pictures, 16 x 16
};

// The windows of the two controls that can be styled; null while a window does not exist.
struct MainWindowSites {
    FrameSite* CheckListBox1 = nullptr;
    FrameSite* Panel1 = nullptr;
};

// The main form's components: the three menus, the tool strip, the caption label, the list, the
// command panel with its four chrome buttons and the status line.
PainterForm describeMainWindow(const MainWindowMenus& menus, const MainWindowSites& sites);

// Index of a control of the description by its name, -1 when absent.
int controlIndex(const PainterForm& form, const std::string& name);

}  // namespace controls
