#pragma once
// The steps of painting a menu item, shared by the files that paint them.
#include "controls/menu_painter_item.h"

namespace controls::menu_item_parts {

struct ItemLayout {
    Rect item;    // the item itself in the working bitmap
    Rect column;  // the icon column
    Rect box;     // the icon box: the image's place, or the square of a check mark
    Rect text;    // where the caption goes
    bool hasImage = false;
    int imageWidth = 0;
    int imageHeight = 0;
};

ItemLayout layoutItem(const MenuItemFacts& item, const MenuPaintSettings& settings, int workWidth,
                      int workHeight);

// Integer division rounded to the nearest value, halves to the even one.
int roundedDiv(int numerator, int denominator);

// The selected bar item's figure: the filled bar with its graded shadow on the right.
void paintSelectedBarItem(Canvas& canvas, const Rect& r, const MenuPaintSettings& settings, bool rightToLeft);

// Check mark or radio mark in the icon box, for a checked item.
void paintCheckMark(Canvas& canvas, const MenuItemFacts& item, const MenuPaintSettings& settings,
                    const ItemLayout& layout, bool selected);

// The item's image, lightened, greyed or raised with a shadow as its state asks.
void paintIcon(Canvas& canvas, const MenuItemFacts& item, const MenuPaintSettings& settings,
               const ItemLayout& layout, bool highlighted);

// The caption with its default-item halo and the shortcut text.
void paintCaption(Canvas& canvas, const MenuItemFacts& item, const MenuPaintSettings& settings,
                  const ItemLayout& layout, bool selected);

// The image on a white working picture, and its see-through colour (the lower-left pixel).
Bitmap workingImage(const MenuItemFacts& item);

}  // namespace controls::menu_item_parts
