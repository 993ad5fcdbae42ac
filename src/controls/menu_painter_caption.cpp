// An item's caption: its colour, the halo of a default item and the shortcut text.
#include "controls/menu_painter_colors.h"
#include "controls/menu_painter_item_parts.h"

namespace controls::menu_item_parts {

namespace {

Color captionColor(const MenuItemFacts& item, const MenuPaintSettings& settings, bool selected) {
    const MenuPainterColors& c = settings.colors;
    if (!item.enabled) return c.disabled;
    if (selected && item.barItem && settings.useSystemColors) {
        // Contrast with the selection bar, judged by the icon column's colour.
        const Color column = c.iconColumn;
        const bool light = (redOf(column) + blueOf(column)) / 2 > 150 || greenOf(column) > 200;
        return light ? settings.font.color : LightenColor(column, 90);
    }
    if (selected) return c.selectedText;
    return settings.font.color;
}

void drawIn(Canvas& canvas, const Font& font, Color color, const Rect& r, const std::string& text, HAlign h) {
    Font f = font;
    f.color = color;
    canvas.setFont(f);
    canvas.drawText(r, text, h, VAlign::Top);
}

}  // namespace

void paintCaption(Canvas& canvas, const MenuItemFacts& item, const MenuPaintSettings& settings,
                  const ItemLayout& layout, bool selected) {
    canvas.setFont(settings.font);
    Rect r = layout.text;
    if (item.rightToLeft) {
        r.right -= 3;
    } else {
        r.left += 3;
    }
    r.top += (r.bottom - r.top - canvas.textExtent("W").height) / 2;
    const HAlign along = item.rightToLeft ? HAlign::Right : HAlign::Left;
    const std::string caption = " " + item.caption;

    if (item.isDefault && item.enabled) {
        struct Copy {
            int dx, dy, darken;
        };
        for (const Copy& copy : {Copy{1, 0, 30}, Copy{1, 2, 30}, Copy{0, 1, 40}, Copy{1, 1, 60}}) {
            const Rect at{r.left + copy.dx, r.top + copy.dy, r.right + copy.dx, r.bottom + copy.dy};
            const Color under = canvas.toRgb(canvas.pixel(at.left, at.top));
            drawIn(canvas, settings.font, DarkenColor(under, copy.darken), at, caption, along);
        }
    }
    drawIn(canvas, settings.font, canvas.toRgb(captionColor(item, settings, selected)), r, caption, along);

    if (!item.shortcutText.empty()) {
        const Rect place = item.rightToLeft ? Rect{r.left + 10, r.top, r.right, r.bottom}
                                            : Rect{r.left, r.top, r.right - 10, r.bottom};
        drawIn(canvas, settings.font, canvas.toRgb(captionColor(item, settings, selected)), place,
               item.shortcutText + " ", item.rightToLeft ? HAlign::Left : HAlign::Right);
    }
}

}  // namespace controls::menu_item_parts
