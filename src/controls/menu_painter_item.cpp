#include "controls/menu_painter_item.h"

#include <algorithm>

#include "controls/menu_painter_colors.h"
#include "controls/menu_painter_item_parts.h"

namespace controls {

using namespace menu_item_parts;

namespace {

constexpr int kSeparatorHeight = 4;
constexpr int kSubMenuArrowRoom = 6;
// Popup items are painted from this far left of their rectangle so their colour meets the frame.
constexpr int kPopupLeftReach = 4;

bool hasImage(const MenuItemFacts& item) {
    return item.image != nullptr && !item.image->empty();
}

void paintGradient(Canvas& work, const ItemLayout& layout, const MenuPaintSettings& settings, int workWidth,
                   bool rightToLeft) {
    const Rect& r = layout.item;
    const int columns = workWidth - r.left;
    int percent = 0;
    for (int d = 0; d < columns; ++d) {
        percent = std::min(percent + ((d > 0 && d < settings.iconWidth + 5) ? 3 : 1), 96);
        const int x = rightToLeft ? workWidth - 1 - d : r.left + d;
        work.fillRect({x, r.top, x + 1, r.bottom}, LightenColor(settings.colors.iconColumn, percent));
    }
}

void paintBackground(Canvas& work, const MenuItemFacts& item, const MenuPaintSettings& settings,
                     const ItemLayout& layout, int workWidth) {
    if (item.barItem) {
        work.fillRect(layout.item, settings.barColor);
    } else if (settings.gradient && settings.highColour) {
        paintGradient(work, layout, settings, workWidth, item.rightToLeft);
    } else {
        work.fillRect({0, layout.item.top, workWidth, layout.item.bottom}, settings.colors.menu);
        work.fillRect(layout.column, settings.colors.iconColumn);
    }
}

// Returns whether the item shows as highlighted (selection bar or hot frame).
bool paintSelection(Canvas& work, const MenuItemFacts& item, const MenuPaintSettings& settings,
                    const ItemLayout& layout, MenuItemState state) {
    const Rect& r = layout.item;
    if (state.selected && settings.drawSelect) {
        if (item.barItem) {
            paintSelectedBarItem(work, r, settings, item.rightToLeft);
            return true;
        }
        if (item.enabled) {
            const Rect bar{r.left, r.top + 1, r.right - (settings.flatMenu ? 1 : 0), r.bottom - 1};
            work.fillRect(bar, settings.colors.selection);
            work.frameRect(bar, settings.colors.selectionBorder);
            return true;
        }
        return false;
    }
    if (state.hot && item.barItem && item.enabled && !state.selected) {
        const Rect frame{r.left, r.top, r.right - 7, r.bottom};
        work.fillRect(frame, settings.colors.selection);
        work.frameRect(frame, settings.colors.selectionBorder);
        return true;
    }
    return false;
}

void paintSeparator(Canvas& work, const MenuItemFacts& item, const MenuPaintSettings& settings,
                    const ItemLayout& layout) {
    const Rect& t = layout.text;
    const int y = t.top + roundedDiv(t.bottom - t.top, 2);
    work.setPen(settings.colors.separator);
    if (item.rightToLeft) {
        work.moveTo(t.left, y);
        work.lineTo(t.right - 7, y);
    } else {
        work.moveTo(t.left + 7, y);
        work.lineTo(t.right, y);
    }
}

}  // namespace

namespace menu_item_parts {

int roundedDiv(int numerator, int denominator) {
    int q = numerator / denominator;
    const int twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && q % 2 != 0)) ++q;
    return q;
}

ItemLayout layoutItem(const MenuItemFacts& item, const MenuPaintSettings& settings, int workWidth,
                      int workHeight) {
    ItemLayout l;
    const int left = item.barItem ? 0 : kPopupLeftReach;
    l.item = {left, 0, workWidth, workHeight};
    l.hasImage = hasImage(item);
    if (l.hasImage) {
        l.imageWidth = item.image->width();
        l.imageHeight = item.image->height();
    }
    const int iconWidth = settings.iconWidth;
    l.column = item.rightToLeft ? Rect{l.item.right - iconWidth, l.item.top, l.item.right, l.item.bottom}
                                : Rect{l.item.left, l.item.top, l.item.left + iconWidth, l.item.bottom};
    if (l.hasImage) {
        l.box = {l.column.left + 1, l.column.top + 2, l.column.right - 3, l.column.bottom - 2};
        if (l.imageWidth > iconWidth) {
            if (item.rightToLeft) {
                l.box.left = l.box.right - l.imageWidth;
            } else {
                l.box.right = l.box.left + l.imageWidth;
            }
        }
    } else {
        const int boxLeft = l.column.left + (iconWidth - 10) / 2;
        const int boxTop = l.column.top + (l.column.bottom - l.column.top - 10) / 2;
        l.box = {boxLeft, boxTop, boxLeft + 10, boxTop + 10};
    }
    if (item.barItem) l.box.top -= 1;

    if (item.barItem && !l.hasImage) {
        l.text = l.item;
    } else if (item.rightToLeft) {
        const int room = std::max(iconWidth, l.imageWidth + 8);
        l.text = {l.item.left, l.item.top, l.item.right - (item.barItem ? 4 : room), l.item.bottom};
        if (item.barItem && l.hasImage) l.text.right += 5;
    } else {
        int textLeft = l.item.left + (item.barItem ? 4 : iconWidth);
        textLeft = std::max(textLeft, l.imageWidth + 4);
        if (item.barItem && l.hasImage) textLeft -= 5;
        l.text = {textLeft, l.item.top, l.item.right, l.item.bottom};
    }
    return l;
}

}  // namespace menu_item_parts

Size measureMenuItem(const MenuItemFacts& item, const MenuPaintSettings& settings, Canvas& canvas,
                     Size proposed) {
    canvas.setFont(settings.font);
    std::string text = item.separator() ? std::string() : item.caption;
    if (!item.shortcutText.empty()) text += item.shortcutText + "WWW";
    const Size extent = canvas.textExtent(text);
    int textWidth = extent.width + 5;
    if (text.find('&') != std::string::npos) textWidth -= canvas.textExtent("&").width;
    if (!item.barItem && item.hasSubItems) textWidth += kSubMenuArrowRoom;

    int imageWidth = hasImage(item) ? item.image->width() : 0;
    const int imageHeight = hasImage(item) ? item.image->height() : 0;
    if (!item.barItem) imageWidth = std::max(imageWidth, settings.iconWidth);

    Size size;
    size.width = std::max(proposed.width, textWidth + imageWidth);
    if (item.separator()) {
        size.height = kSeparatorHeight;
    } else {
        const int textHeight = extent.height;
        int h = textHeight + roundedDiv(textHeight * 3, 4);
        h = std::max(h, imageHeight + 6);
        size.height = std::max(proposed.height, h);
    }
    return size;
}

Rect menuItemWorkRect(const MenuItemFacts& item, const Rect& itemRect) {
    if (item.barItem) return {itemRect.left, itemRect.top, itemRect.right, itemRect.bottom - 1};
    return {itemRect.left - kPopupLeftReach, itemRect.top, itemRect.right, itemRect.bottom};
}

Rect menuItemIconBox(const MenuItemFacts& item, const MenuPaintSettings& settings, int workWidth,
                     int workHeight) {
    return layoutItem(item, settings, workWidth, workHeight).box;
}

void paintMenuItem(const MenuItemFacts& item, const MenuPaintSettings& settings, MenuItemState state,
                   Canvas& work, int workWidth, int workHeight) {
    work.setFont(settings.font);
    const ItemLayout layout = layoutItem(item, settings, workWidth, workHeight);
    paintBackground(work, item, settings, layout, workWidth);
    const bool highlighted = paintSelection(work, item, settings, layout, state);
    if (item.checked) paintCheckMark(work, item, settings, layout, state.selected);
    if (layout.hasImage) paintIcon(work, item, settings, layout, highlighted);
    if (item.separator()) {
        paintSeparator(work, item, settings, layout);
    } else {
        paintCaption(work, item, settings, layout, state.selected);
    }
}

}  // namespace controls
