#pragma once
// The modern chrome button's vertical colour band: 32 horizontal strips from one colour to
// another. Strip k starts k/31 of the way down, is h div 31 + 1 pixels high and is cut at the
// band's bottom, so the last strip (k = 31) starts at the bottom and covers nothing: the band's
// bottom row shows strip 30.
#include <vector>

#include "controls/canvas.h"

namespace controls {

struct GradientStrip {
    Rect area;
    Color color;
};

// Colours already resolved to RGB. Each channel is c1's plus k/31 of the difference, truncated,
// so strip 0 is exactly c1 and strip 31 exactly c2.
std::vector<GradientStrip> gradientBandStrips(const Rect& band, Color c1, Color c2);

void paintGradientBand(Canvas& canvas, const Rect& band, Color c1, Color c2);

}  // namespace controls
