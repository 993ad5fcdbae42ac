#include "controls/main_window_glyphs.h"

#include "controls/glyph_art.h"

namespace controls {

namespace {

constexpr int kSide = 20;
constexpr Color kBackground = palette::fuchsia;

// A small window: frame, title bar, white inside.
void window(GlyphArt& art, const Rect& r) {
    art.fill(r, palette::white);
    art.frame(r, palette::navy);
    art.fill({r.left, r.top, r.right, r.top + 3}, palette::navy);
}

}  // namespace

Bitmap refreshGlyph() {
    GlyphArt art(kSide, kSide, kBackground);
    art.arc(10, 10.5, 6.5, 2.6, 30, 330, palette::green);
    art.triangle(12.5, 1.5, 12.5, 10.5, 19, 6, palette::green);
    return art.picture();
}

Bitmap minimiseAllGlyph() {
    GlyphArt art(kSide, kSide, kBackground);
    window(art, {1, 1, 12, 9});
    window(art, {6, 4, 17, 12});
    art.triangle(6, 12.5, 14, 12.5, 10, 16.5, palette::black);
    art.fill({3, 17, 17, 19}, palette::black);
    return art.picture();
}

Bitmap maximiseAllGlyph() {
    GlyphArt art(kSide, kSide, kBackground);
    window(art, {1, 1, 19, 18});
    art.frame({2, 2, 18, 17}, palette::navy);
    art.triangle(10, 6, 5.5, 11, 14.5, 11, palette::blue);
    art.fill({8, 11, 12, 15}, palette::blue);
    return art.picture();
}

Bitmap partialCloseGlyph() {
    GlyphArt art(kSide, kSide, kBackground);
    art.fill({1, 7, 12, 18}, palette::white);
    art.frame({1, 7, 12, 18}, palette::black);
    art.line(3.5, 12.5, 6, 15, 2.2, palette::green);
    art.line(6, 15, 10.5, 9, 2.2, palette::green);
    art.line(12.5, 1.5, 18.5, 7.5, 2.4, palette::red);
    art.line(18.5, 1.5, 12.5, 7.5, 2.4, palette::red);
    return art.picture();
}

}  // namespace controls
