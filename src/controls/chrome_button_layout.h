#pragma once
// Where the chrome button puts its glyph and caption: the positions table of the four glyph
// layouts and three alignments. Every halving rounds towards zero; pressed moves both one pixel
// right and down.
#include "controls/chrome_consts.h"
#include "controls/text_alignment.h"

namespace controls {

struct ChromeLayoutInput {
    int width = 0;   // W
    int height = 0;  // H
    int textWidth = 0;
    int textHeight = 0;
    int glyphWidth = 0;
    int glyphHeight = 0;
    int margin = 0;   // M
    int spacing = 0;  // S, already 0 when there is no glyph
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    TAlignment alignment = TAlignment::taCenter;
    bool pressed = false;
};

struct ChromePositions {
    int textX = 0;
    int textY = 0;
    int glyphX = 0;
    int glyphY = 0;
};

ChromePositions chromePositions(const ChromeLayoutInput& in);

}  // namespace controls
