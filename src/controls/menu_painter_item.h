#pragma once
// Measuring and painting one menu item in the XP style: the pure geometry and pixels, from the
// item's facts and the painter's settings. TMenuPainter gathers both and calls these.
#include <optional>
#include <string>

#include "controls/bitmap.h"
#include "controls/canvas.h"

namespace controls {

// The colours the painter paints with, all plain RGB, derived from its properties.
struct MenuPainterColors {
    Color menu = 0;
    Color iconColumn = 0;
    Color selection = 0;
    Color selectionBorder = 0;
    Color selectedText = 0;
    Color menuBar = 0;
    Color disabled = 0;
    Color separator = 0;
    Color checked = 0;
    Color checkedSelected = 0;
    Color menuFrame = 0;
    Color menuShadow = 0;
};

// One item as the painter sees it.
struct MenuItemFacts {
    std::string caption;   // GBK; "-" for a separator line
    bool barItem = false;  // a top-level item of a menu bar
    bool hasSubItems = false;
    bool enabled = true;
    bool checked = false;
    bool radioItem = false;
    bool isDefault = false;
    std::string shortcutText;
    const Bitmap* image = nullptr;   // from the image list or the item's own picture
    std::optional<Color> imageMask;  // see-through colour of a list image
    bool rightToLeft = false;

    bool separator() const { return caption == "-"; }
};

// The painter's settings as one item's painting needs them.
struct MenuPaintSettings {
    MenuPainterColors colors;
    Color barColor = 0;  // what bar items are filled with
    Font font;
    int iconWidth = 24;
    int dimLevel = 30;
    int grayLevel = 10;
    bool drawSelect = true;
    bool gradient = false;
    bool flatMenu = false;
    bool useSystemColors = true;
    bool highColour = true;
};

// The item's size: the proposed width and height, enlarged to what the item needs.
Size measureMenuItem(const MenuItemFacts& item, const MenuPaintSettings& settings, Canvas& canvas,
                     Size proposed);

// The working bitmap of an item: where it goes on the menu's device context. Popup items reach
// 4 pixels further left than their rectangle; bar items are one pixel less high.
Rect menuItemWorkRect(const MenuItemFacts& item, const Rect& itemRect);

struct MenuItemState {
    bool selected = false;
    bool hot = false;  // a bar item under the mouse, not selected
};

// Paints the item on `work`, a white canvas of the working bitmap's size, in its coordinates.
void paintMenuItem(const MenuItemFacts& item, const MenuPaintSettings& settings, MenuItemState state,
                   Canvas& work, int workWidth, int workHeight);

// The icon box of an item, in the working bitmap's coordinates (the check mark's frame).
Rect menuItemIconBox(const MenuItemFacts& item, const MenuPaintSettings& settings, int workWidth,
                     int workHeight);

}  // namespace controls
