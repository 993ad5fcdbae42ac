#include "controls/chrome_button_painter.h"

#include <cstdint>

#include "controls/chrome_button_layout.h"
#include "controls/chrome_gradient_band.h"
#include "controls/chrome_resources.h"
#include "controls/embossed_glyph.h"

namespace controls {

namespace {

constexpr Color kDarkGrey = 0x404040;

struct PaintState {
    int w;
    int h;
    bool pressed;  // counts only while enabled
    bool hot;
    Color face;
};

PaintState stateOf(const ChromeCustomButton& b) {
    PaintState s{b.width(), b.height(), b.pressed() && b.enabled(), b.hot(), b.color};
    if (s.hot && b.hotTrackColor() != colors::clNone) s.face = b.hotTrackColor();
    if (s.pressed && b.downColor() != colors::clNone) s.face = b.downColor();
    return s;
}

bool roundedModern(const ChromeCustomButton& b) {
    return b.modernBtnStyle() == TModernBtnStyle::bsModern && b.roundCorner();
}

void paintFace(const ChromeCustomButton& b, Canvas& c, const PaintState& s) {
    const Rect area = roundedModern(b) ? Rect{2, 2, s.w - 2, s.h - 2} : Rect{0, 0, s.w, s.h};
    c.fillRect(area, s.face);
    if (b.modernBtnStyle() == TModernBtnStyle::bsFlat && b.flatBorder()) {
        c.frameRect({0, 0, s.w, s.h}, b.shadowColor());
    }
    if (b.modernBtnStyle() == TModernBtnStyle::bsModern) {
        const int quarter = s.h / 4;
        paintGradientBand(c, {2, 2, s.w - 2, quarter}, b.lightColor(), s.face);
        paintGradientBand(c, {2, quarter, s.w - 2, s.h - 2}, s.face, b.lightColor());
    }
}

void line(Canvas& c, Color color, std::initializer_list<std::pair<int, int>> points) {
    c.setPen(color);
    c.polyline(points);
}

void outline(Canvas& c, Color color, const Rect& r) {
    c.setPen(color);
    c.rectangle(r);
}

void paintBorder(const ChromeCustomButton& b, Canvas& c, const PaintState& s) {
    const int w = s.w, h = s.h;
    const Color light = b.lightColor(), shadow = b.shadowColor();
    c.setBrushClear();
    switch (b.modernBtnStyle()) {
        case TModernBtnStyle::bsModern:
            outline(c, s.pressed ? shadow : s.face, {1, 1, w - 1, h - 1});
            c.setPen(shadow);
            if (b.roundCorner()) {
                c.roundRect({0, 0, w, h}, 6, 6);
            } else {
                c.rectangle({0, 0, w, h});
            }
            break;
        case TModernBtnStyle::bsFlat:
            if (!s.hot && !s.pressed) break;
            [[fallthrough]];
        case TModernBtnStyle::bsThin:
            line(c, s.pressed ? shadow : light, {{0, h - 1}, {0, 0}, {w, 0}});
            line(c, s.pressed ? light : shadow, {{w - 1, 1}, {w - 1, h - 1}, {0, h - 1}});
            break;
        case TModernBtnStyle::bsNormal:
            if (s.pressed) {
                outline(c, kDarkGrey, {0, 0, w, h});
                outline(c, shadow, {1, 1, w - 1, h - 1});
            } else if (b.hasFocus() || b.isDefault()) {
                outline(c, colors::clBlack, {0, 0, w, h});
                line(c, light, {{1, h - 2}, {1, 1}, {w - 2, 1}});
                line(c, shadow, {{w - 3, 2}, {w - 3, h - 3}, {1, h - 3}});
                // Half the colour value as a signed number, plus a little grey: a shade between.
                const auto between = static_cast<Color>(static_cast<std::int32_t>(shadow) / 2 + 0x202020);
                line(c, between, {{w - 2, 1}, {w - 2, h - 2}, {0, h - 2}});
            } else {
                line(c, light, {{0, h - 1}, {0, 0}, {w - 1, 0}});
                line(c, shadow, {{w - 2, 1}, {w - 2, h - 2}, {1, h - 2}});
                line(c, kDarkGrey, {{w - 1, 1}, {w - 1, h - 1}, {0, h - 1}});
            }
            break;
    }
}

void setInk(Canvas& c, Color ink) {
    Font f = c.font();
    f.color = ink;
    c.setFont(f);
}

void paintCaption(const ChromeCustomButton& b, Canvas& c, const ChromePositions& at, const Size& text) {
    const Rect box{at.textX, at.textY, at.textX + text.width, at.textY + text.height};
    if (b.enabled()) {
        c.drawText(box, b.caption(), HAlign::Centre, VAlign::Centre);
        return;
    }
    setInk(c, colors::clWhite);
    c.drawText({box.left + 1, box.top + 1, box.right + 1, box.bottom + 1}, b.caption(), HAlign::Centre,
               VAlign::Centre);
    setInk(c, colors::clGray);
    c.drawText(box, b.caption(), HAlign::Centre, VAlign::Centre);
}

void paintEngraved(Canvas& c, const Bitmap& glyph, int x, int y) {
    const auto shape = embossedShape(glyph, glyph.at(0, glyph.height() - 1));
    const Color highlight = c.toRgb(colors::clBtnHighlight);
    const Color shadow = c.toRgb(colors::clBtnShadow);
    for (const auto& [gx, gy] : shape) c.setPixel(x + gx + 1, y + gy + 1, highlight);
    for (const auto& [gx, gy] : shape) c.setPixel(x + gx, y + gy, shadow);
}

void paintGlyph(const ChromeCustomButton& b, Canvas& c, const ChromePositions& at, int gw, int gh) {
    const Bitmap& glyph = b.glyph();
    if (glyph.empty() || gw <= 0) return;
    const int image = chromeImageNumber(b);
    if (image == 0) {
        paintEngraved(c, glyph.crop({0, 0, gw, gh}), at.glyphX, at.glyphY);
        return;
    }
    const Rect source{(image - 1) * gw, 0, image * gw, gh};
    const Color transparent = glyph.at(source.left, gh - 1);
    c.drawBitmap(at.glyphX, at.glyphY, glyph, source, transparent);
}

void paintPopupArrow(Canvas& c, const PaintState& s) {
    static const Bitmap arrow = chromeResource("CHROMEBTNARROW");
    c.drawBitmap(s.w - 11, s.h / 2 - 1, arrow, {0, 0, arrow.width(), arrow.height()},
                 arrow.at(0, arrow.height() - 1));
}

}  // namespace

int chromeImageNumber(const ChromeCustomButton& b) {
    const int n = b.numGlyphs();
    if (!b.enabled()) return n >= 2 ? 2 : 0;
    if (b.pressed() && n > 2) return 3;
    if (b.hot() && n > 3) return 4;
    return 1;
}

void paintChromeButton(const ChromeCustomButton& b, Canvas& c, const BackgroundPainter& background) {
    const PaintState s = stateOf(b);
    if (roundedModern(b) && background) background(c);
    paintFace(b, c, s);
    paintBorder(b, c, s);

    Font font = b.font;
    if ((s.pressed && b.downBold()) || (s.hot && b.hotTrackBold())) font.bold = true;
    c.setFont(font);
    const Size text = c.textExtent(b.caption());
    const int gh = b.glyph().height();
    const int gw = b.numGlyphs() > 0 ? b.glyph().width() / b.numGlyphs() : 0;

    ChromeLayoutInput in;
    in.width = s.w;
    in.height = s.h;
    in.textWidth = text.width;
    in.textHeight = text.height;
    in.glyphWidth = gw;
    in.glyphHeight = gh;
    in.margin = b.margin();
    in.spacing = b.glyph().empty() ? 0 : b.spacing();
    in.layout = b.layout();
    in.alignment = b.alignment();
    in.pressed = s.pressed;
    const ChromePositions at = chromePositions(in);

    paintCaption(b, c, at, text);
    paintGlyph(b, c, at, gw, gh);
    if (b.popupMenu() != nullptr) paintPopupArrow(c, s);

    if (b.hasFocus() && b.enabled()) {
        const int inset = b.modernBtnStyle() == TModernBtnStyle::bsNormal ? 4 : 2;
        c.drawFocusRect({inset, inset, s.w - inset, s.h - inset});
    }
}

}  // namespace controls
