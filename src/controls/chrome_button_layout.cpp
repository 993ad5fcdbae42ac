#include "controls/chrome_button_layout.h"

namespace controls {

namespace {

// Glyph beside the caption: both centred vertically on their own.
void besideCaption(const ChromeLayoutInput& in, ChromePositions& p) {
    const int w = in.width, tw = in.textWidth, gw = in.glyphWidth, m = in.margin, s = in.spacing;
    p.textY = (in.height - in.textHeight) / 2;
    p.glyphY = (in.height - in.glyphHeight) / 2;
    const int c = (w - tw - gw - s) / 2;
    const bool glyphFirst = in.layout == TButtonLayout::blGlyphLeft;
    switch (in.alignment) {
        case TAlignment::taLeftJustify:
            if (glyphFirst) {
                p.glyphX = m;
                p.textX = m + gw + s;
            } else {
                p.textX = m;
                p.glyphX = m + tw + s;
            }
            break;
        case TAlignment::taRightJustify:
            if (glyphFirst) {
                p.textX = w - tw - m;
                p.glyphX = p.textX - gw - s;
            } else {
                p.glyphX = w - gw - m;
                p.textX = p.glyphX - s - tw;
            }
            break;
        case TAlignment::taCenter:
            if (glyphFirst) {
                p.glyphX = c;
                p.textX = c + gw + s;
            } else {
                p.textX = c;
                p.glyphX = c + tw + s;
            }
            break;
    }
}

// Glyph above or below the caption: the pair centred vertically as a group.
void aboveOrBelowCaption(const ChromeLayoutInput& in, ChromePositions& p) {
    const int w = in.width, tw = in.textWidth, gw = in.glyphWidth, m = in.margin, s = in.spacing;
    const int v = (in.height - in.textHeight - in.glyphHeight - s) / 2;
    if (in.layout == TButtonLayout::blGlyphTop) {
        p.glyphY = v;
        p.textY = v + in.glyphHeight + s;
    } else {
        p.textY = v;
        p.glyphY = v + in.textHeight + s;
    }
    switch (in.alignment) {
        case TAlignment::taLeftJustify:
            p.textX = m;
            p.glyphX = m;
            break;
        case TAlignment::taRightJustify:
            p.textX = w - tw - m;
            p.glyphX = w - gw - m;
            break;
        case TAlignment::taCenter:
            p.textX = (w - tw) / 2;
            p.glyphX = (w - gw) / 2;
            break;
    }
}

}  // namespace

ChromePositions chromePositions(const ChromeLayoutInput& in) {
    ChromePositions p;
    if (in.layout == TButtonLayout::blGlyphLeft || in.layout == TButtonLayout::blGlyphRight) {
        besideCaption(in, p);
    } else {
        aboveOrBelowCaption(in, p);
    }
    if (in.pressed) {
        ++p.textX;
        ++p.textY;
        ++p.glyphX;
        ++p.glyphY;
    }
    return p;
}

}  // namespace controls
