#pragma once
// The disabled look of a glyph that has no disabled image of its own: its shape engraved in the
// surface, a highlight copy one pixel down and right under a shadow copy at the glyph's place.
// The shape is every pixel that is neither the transparent colour nor white (white parts of a
// glyph read as background, as they do when a picture serves as its own mask).
#include <utility>
#include <vector>

#include "controls/bitmap.h"

namespace controls {

std::vector<std::pair<int, int>> embossedShape(const Bitmap& glyph, Color transparent);

// Paints the engraved copy of `glyph` onto `target` at (x, y), kept inside `clip`.
void embossInto(Bitmap& target, int x, int y, const Bitmap& glyph, Color transparent, Color highlight,
                Color shadow, const Rect& clip);

}  // namespace controls
