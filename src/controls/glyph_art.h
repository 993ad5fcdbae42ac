#pragma once
// Draws the program's own small glyph pictures in code: thick lines, arcs, discs, triangles and
// boxes on a plain background, each pixel taking the colour of the shape that covers its centre.
#include "controls/bitmap.h"

namespace controls {

class GlyphArt {
public:
    GlyphArt(int width, int height, Color background) : picture_(width, height, background) {}

    void fill(const Rect& r, Color c);
    void frame(const Rect& r, Color c);
    // A stroke of the given thickness from (x0, y0) to (x1, y1), round at both ends.
    void line(double x0, double y0, double x1, double y1, double thickness, Color c);
    void disc(double cx, double cy, double radius, Color c);
    // Part of a ring, angles in degrees counter-clockwise from the right, from `from` to `to`.
    void arc(double cx, double cy, double radius, double thickness, double from, double to, Color c);
    void triangle(double ax, double ay, double bx, double by, double cx, double cy, Color c);
    // Another picture, its pixels of the colour `transparent` left out.
    void paste(int x, int y, const Bitmap& picture, Color transparent);

    const Bitmap& picture() const { return picture_; }

private:
    template <typename Inside>
    void paint(Inside inside, Color c);

    Bitmap picture_;
};

// 16-colour palette entries the glyphs use.
namespace palette {
constexpr Color black = 0x000000, maroon = 0x000080, green = 0x008000, olive = 0x008080, navy = 0x800000,
                teal = 0x808000, grey = 0x808080, silver = 0xC0C0C0, red = 0x0000FF, lime = 0x00FF00,
                yellow = 0x00FFFF, blue = 0xFF0000, fuchsia = 0xFF00FF, white = 0xFFFFFF;
}

}  // namespace controls
