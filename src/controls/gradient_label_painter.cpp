#include "controls/gradient_label_painter.h"

#include <cmath>

namespace controls {

namespace {

HAlign horizontalOf(TAlignment a) {
    switch (a) {
        case TAlignment::taRightJustify:
            return HAlign::Right;
        case TAlignment::taCenter:
            return HAlign::Centre;
        default:
            return HAlign::Left;
    }
}

VAlign verticalOf(TTextLayout l) {
    switch (l) {
        case TTextLayout::tlCenter:
            return VAlign::Centre;
        case TTextLayout::tlBottom:
            return VAlign::Bottom;
        default:
            return VAlign::Top;
    }
}

void setFontColor(Canvas& canvas, Color c) {
    Font f = canvas.font();
    f.color = c;
    canvas.setFont(f);
}

// Step 1: what the framework label paints by itself. A disabled label is engraved: a highlight
// copy one pixel down and right, then the caption in the shadow colour, which the font keeps.
void paintPlainLabel(const GradientLabel& label, Canvas& canvas, int w, int h) {
    if (!label.transparent()) canvas.fillRect({0, 0, w, h}, label.color);
    canvas.setFont(label.font);
    const HAlign across = horizontalOf(label.alignment());
    const VAlign down = verticalOf(label.layout());
    if (label.enabled()) {
        canvas.drawText({0, 0, w, h}, label.caption(), across, down);
        return;
    }
    setFontColor(canvas, colors::clBtnHighlight);
    canvas.drawText({1, 1, w + 1, h + 1}, label.caption(), across, down);
    setFontColor(canvas, colors::clBtnShadow);
    canvas.drawText({0, 0, w, h}, label.caption(), across, down);
}

void paintGradient(const GradientLabel& label, Canvas& canvas, int w, int h) {
    const Color start = canvas.toRgb(label.gradientColor());
    for (int x = 0; x < w; ++x) {
        const int p = label.gradientRtoL() ? w - x : x + 1;
        canvas.fillRect({x, 0, x + 1, h}, canvas.nearestColor(gradientColumnColor(start, p, w)));
    }
}

void paintBottomLine(const GradientLabel& label, Canvas& canvas, int w, int h) {
    canvas.setPen(label.lineColor(), label.lineWidth(), label.lineStyle());
    canvas.moveTo(1, h - 1);
    canvas.lineTo(w - 1, h - 1);
}

// Step 4: the caption as one plain line (no wrapping, no access keys), shadow first.
void paintCaptionAgain(const GradientLabel& label, Canvas& canvas, int w, int h) {
    const std::string& caption = label.caption();
    if (caption.empty()) return;
    const Color ink = canvas.font().color;
    const Size size = canvas.textExtent(caption);
    int x = 0;
    if (label.alignment() == TAlignment::taRightJustify) x = w - size.width;
    if (label.alignment() == TAlignment::taCenter) x = (w - size.width) / 2;
    int y = 0;
    if (label.layout() == TTextLayout::tlCenter) y = (h - size.height) / 2;
    if (label.layout() == TTextLayout::tlBottom) y = h - size.height;
    if (label.shadow()) {
        const int s = label.shadowSize();
        const int dx = label.shadowPos() == TShadowPosition::spLeftTop ||
                               label.shadowPos() == TShadowPosition::spLeftBottom
                           ? -s
                           : s;
        const int dy = label.shadowPos() == TShadowPosition::spLeftTop ||
                               label.shadowPos() == TShadowPosition::spRightTop
                           ? -s
                           : s;
        setFontColor(canvas, label.shadowColor());
        canvas.textOut(x + dx, y + dy, caption);
    }
    setFontColor(canvas, ink);
    canvas.textOut(x, y, caption);
}

}  // namespace

int roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double result = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) result = below + 1.0;
    return static_cast<int>(result);
}

Color gradientColumnColor(Color startRgb, int p, int width) {
    if (width <= 0) return startRgb & 0xFFFFFF;
    const double share = static_cast<double>(p) / width;
    auto channel = [share](int v) { return v + roundHalfToEven(share * (255 - v)); };
    return rgb(channel(redOf(startRgb)), channel(greenOf(startRgb)), channel(blueOf(startRgb)));
}

void paintGradientLabel(const GradientLabel& label, Canvas& canvas) {
    const int w = label.width();
    const int h = label.height();
    paintPlainLabel(label, canvas, w, h);
    if (label.gradient()) paintGradient(label, canvas, w, h);
    if (label.line()) paintBottomLine(label, canvas, w, h);
    if (label.gradient() || label.shadow()) paintCaptionAgain(label, canvas, w, h);
}

}  // namespace controls
