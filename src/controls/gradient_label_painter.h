#pragma once
// How a TGradientLabel paints itself: the framework label first, then the gradient over the whole
// client area, the bottom line, and the caption again (with its shadow) on top.
#include "controls/canvas.h"
#include "controls/gradient_label.h"

namespace controls {

// Rounds to the nearest integer, halves to the even neighbour.
int roundHalfToEven(double value);

// The colour of gradient position p (1 = next to the start edge, width = the far edge) for a
// start colour already resolved to RGB: each channel moves from its value towards 255.
Color gradientColumnColor(Color startRgb, int p, int width);

void paintGradientLabel(const GradientLabel& label, Canvas& canvas);

}  // namespace controls
