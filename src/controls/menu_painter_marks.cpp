// The figures painted over an item's background: the selected bar item, check and radio marks,
// and the item's image in its states.
#include <algorithm>

#include "controls/menu_painter_colors.h"
#include "controls/menu_painter_item_parts.h"

namespace controls::menu_item_parts {

namespace {

void paintBarShadow(Canvas& canvas, const Rect& r, Color c) {
    const int right = r.right;
    const int top = r.top;
    const int bottom = r.bottom;
    canvas.fillRect({right - 7, top, right, bottom}, DarkenColor(c, 10));
    canvas.fillRect({right - 7, top + 3, right - 2, bottom}, DarkenColor(c, 30));
    canvas.fillRect({right - 7, top + 5, right - 3, bottom}, DarkenColor(c, 60));
    canvas.fillRect({right - 7, top + 6, right - 5, bottom}, DarkenColor(c, 100));
    canvas.setPen(c);
    canvas.polyline({{right - 5, top + 1}, {right - 1, top + 1}, {right - 1, top + 6}});
    canvas.polyline({{right - 3, top + 2}, {right - 2, top + 2}, {right - 2, top + 3}, {right - 3, top + 3}});
    canvas.setPen(DarkenColor(c, 10));
    canvas.polyline({{right - 6, top + 3},
                     {right - 3, top + 3},
                     {right - 3, top + 6},
                     {right - 4, top + 6},
                     {right - 4, top + 3}});
    canvas.setPen(DarkenColor(c, 30));
    canvas.polyline({{right - 5, top + 5}, {right - 4, top + 5}, {right - 4, top + 9}});
    canvas.setPen(DarkenColor(c, 40));
    canvas.polyline({{right - 6, top + 5}, {right - 6, top + 7}});
}

}  // namespace

void paintSelectedBarItem(Canvas& canvas, const Rect& r, const MenuPaintSettings& settings,
                          bool rightToLeft) {
    const MenuPainterColors& c = settings.colors;
    canvas.fillRect(r, c.selection);
    canvas.setPen(c.selectionBorder);
    if (settings.highColour && !rightToLeft) {
        canvas.polyline(
            {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 8, r.top}, {r.right - 8, r.bottom}});
        paintBarShadow(canvas, r, settings.barColor);
        return;
    }
    canvas.polyline({{r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 3, r.top}, {r.right - 3, r.bottom}});
    const Color shadow = DarkenColor(settings.barColor, 70);
    canvas.setBrush(shadow);
    canvas.fillRect({r.right - 2, r.top + 2, r.right, r.bottom}, shadow);
    canvas.fillRect({r.right - 2, r.top, r.right, r.top + 2}, settings.barColor);
}

void paintCheckMark(Canvas& canvas, const MenuItemFacts& item, const MenuPaintSettings& settings,
                    const ItemLayout& layout, bool selected) {
    const MenuPainterColors& c = settings.colors;
    const Rect& b = layout.box;
    const bool framed = item.radioItem || layout.hasImage;
    if (framed) {
        if (item.enabled) {
            canvas.setPen(c.selectionBorder);
            canvas.setBrush(selected ? c.checkedSelected : c.checked);
        } else {
            // A disabled mark keeps what lies under it as its inside.
            canvas.setPen(c.disabled);
            canvas.setBrush(canvas.pixel((b.left + b.right) / 2, (b.top + b.bottom) / 2));
        }
    }
    if (item.radioItem) {
        if (layout.hasImage) {
            canvas.roundRect(b, 6, 6);
            return;
        }
        canvas.roundRect(b, b.right - b.left, b.bottom - b.top);
        const Color dot = item.enabled ? c.selectionBorder : c.disabled;
        canvas.setBrush(dot);
        const Rect inner{b.left + 2, b.top + 2, b.right - 2, b.bottom - 2};
        canvas.roundRect(inner, inner.right - inner.left, inner.bottom - inner.top);
        return;
    }
    if (layout.hasImage) {
        canvas.rectangle(b);
        return;
    }
    canvas.setPen(item.enabled ? colors::clBlack : c.disabled);
    const int L = b.left, T = b.top, R = b.right, B = b.bottom;
    canvas.polyline({{L + 1, T + 5}, {L + 4, B - 2}});
    canvas.polyline({{L + 2, T + 5}, {L + 4, B - 3}});
    canvas.polyline({{L + 2, T + 4}, {L + 5, B - 3}});
    canvas.polyline({{L + 4, B - 3}, {R + 2, T - 1}});
    canvas.polyline({{L + 4, B - 2}, {R - 2, T + 3}});
}

Bitmap workingImage(const MenuItemFacts& item) {
    const Bitmap& image = *item.image;
    Bitmap work(image.width(), image.height(), colors::clWhite);
    const std::optional<Color> seeThrough =
        item.imageMask ? item.imageMask : std::optional<Color>(image.at(0, image.height() - 1));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Color p = image.at(x, y);
            if (!seeThrough || p != (*seeThrough & 0xFFFFFF)) work.set(x, y, p);
        }
    }
    return work;
}

void paintIcon(Canvas& canvas, const MenuItemFacts& item, const MenuPaintSettings& settings,
               const ItemLayout& layout, bool highlighted) {
    Bitmap image = workingImage(item);
    const int w = image.width();
    const int h = image.height();
    const Rect& b = layout.box;
    int top = b.top + 3;
    int x = 0;
    if (item.barItem) {
        x = item.rightToLeft ? b.right - w - 5 : b.left + 1;
    } else if (w < settings.iconWidth) {
        x = b.left + (settings.iconWidth - w) / 2 - 1;
    } else {
        x = item.rightToLeft ? b.right - w - 2 : b.left + 2;
    }
    const bool raised = highlighted && item.enabled && (item.barItem || !item.checked);
    if (raised) {
        top -= item.barItem ? 2 : 1;
        x -= 1;
    }

    if (!item.enabled) {
        image = lightenBitmap(grayBitmap(image, settings.grayLevel), 40);
    } else if (!highlighted && !item.checked && settings.highColour) {
        image = lightenBitmap(image, settings.dimLevel);
    }
    const Color seeThrough = image.at(0, h - 1);

    if (highlighted && item.enabled && !item.checked) {
        const Color shadow = DarkenColor(settings.colors.selection, 50);
        for (int py = 0; py < h; ++py) {
            for (int px = 0; px < w; ++px) {
                if (image.at(px, py) != seeThrough) canvas.setPixel(x + 2 + px, top + 2 + py, shadow);
            }
        }
    }
    canvas.drawBitmap(x, top, image, {0, 0, w, h}, seeThrough);
}

}  // namespace controls::menu_item_parts
