#pragma once
// How a chrome button paints itself, in order: the parent's background behind rounded corners,
// the face, the flat frame, the modern gradient bands, the border of its style, the caption and
// glyph at their places, the popup-menu arrow and the focus rectangle. Every pixel of the button
// is covered, so the view never needs to erase first.
#include <functional>

#include "controls/canvas.h"
#include "controls/chrome_button.h"

namespace controls {

// Paints what the parent shows behind the button, in the button's own coordinates.
using BackgroundPainter = std::function<void(Canvas&)>;

void paintChromeButton(const ChromeCustomButton& button, Canvas& canvas, const BackgroundPainter& background);

// Which image of the glyph strip the button shows (1 normal, 2 disabled, 3 pressed, 4 hot), or
// 0 when a disabled button without a disabled image shows its glyph engraved.
int chromeImageNumber(const ChromeCustomButton& button);

}  // namespace controls
