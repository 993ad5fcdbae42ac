#include "controls/chrome_resources.h"

#include "controls/embossed_glyph.h"
#include "controls/glyph_art.h"

namespace controls {

namespace {

constexpr int kSide = 18;
constexpr Color kBackground = palette::olive;

void checkMark(GlyphArt& art, double dx, double dy, Color c) {
    art.line(3 + dx, 9 + dy, 7 + dx, 13 + dy, 2.6, c);
    art.line(7 + dx, 13 + dy, 15 + dx, 4 + dy, 2.6, c);
}

void cross(GlyphArt& art, Color c) {
    art.line(4, 4, 14, 14, 2.6, c);
    art.line(14, 4, 4, 14, 2.6, c);
}

GlyphArt okImage() {
    GlyphArt art(kSide, kSide, kBackground);
    checkMark(art, 0, 0, palette::green);
    return art;
}

GlyphArt cancelImage() {
    GlyphArt art(kSide, kSide, kBackground);
    cross(art, palette::red);
    return art;
}

GlyphArt helpImage() {
    GlyphArt art(kSide, kSide, kBackground);
    art.arc(9, 6.5, 3.5, 2.2, -90, 180, palette::blue);
    art.line(9, 10, 9, 12, 2.2, palette::blue);
    art.disc(9, 15, 1.4, palette::blue);
    return art;
}

GlyphArt yesImage() {
    GlyphArt art(kSide, kSide, kBackground);
    checkMark(art, 0, 0, palette::lime);
    art.line(3, 16, 15, 16, 1.0, palette::green);
    return art;
}

GlyphArt noImage() {
    GlyphArt art(kSide, kSide, kBackground);
    art.arc(9, 9, 6, 2.2, -180, 180, palette::red);
    art.line(5, 5, 13, 13, 2.2, palette::red);
    return art;
}

GlyphArt closeImage() {
    // A door standing open.
    GlyphArt art(kSide, kSide, kBackground);
    art.frame({4, 2, 14, 17}, palette::black);
    art.fill({5, 3, 13, 16}, palette::teal);
    art.triangle(5, 3, 10, 5, 10, 17, palette::yellow);
    art.disc(9, 10, 0.9, palette::black);
    return art;
}

GlyphArt abortImage() {
    GlyphArt art(kSide, kSide, kBackground);
    art.disc(9, 9, 7.5, palette::red);
    art.fill({4, 8, 14, 10}, palette::white);
    return art;
}

GlyphArt retryImage() {
    GlyphArt art(kSide, kSide, kBackground);
    art.arc(9, 9, 5.5, 2.2, 60, 360, palette::green);
    art.triangle(10, 1.5, 10, 8.5, 15.5, 5, palette::green);
    return art;
}

GlyphArt ignoreImage() {
    // A step over an obstacle.
    GlyphArt art(kSide, kSide, kBackground);
    art.fill({7, 11, 11, 16}, palette::grey);
    art.arc(9, 12, 6, 2.0, 10, 170, palette::blue);
    art.triangle(12.5, 12, 17, 12, 15, 16, palette::blue);
    return art;
}

GlyphArt allImage() {
    GlyphArt art(kSide, kSide + 1, kBackground);
    checkMark(art, -1, -2, palette::green);
    checkMark(art, 1, 3, palette::green);
    return art;
}

// Normal image on the left, its engraved disabled copy on the right.
Bitmap strip(const GlyphArt& art) {
    const Bitmap& normal = art.picture();
    GlyphArt both(normal.width() * 2, normal.height(), kBackground);
    both.paste(0, 0, normal, kBackground);
    Bitmap result = both.picture();
    embossInto(result, normal.width(), 0, normal, kBackground, palette::white, palette::grey,
               {normal.width(), 0, normal.width() * 2, normal.height()});
    return result;
}

Bitmap arrow() {
    Bitmap picture(5, 3, palette::fuchsia);
    for (int x = 0; x < 5; ++x) picture.set(x, 0, palette::black);
    for (int x = 1; x < 4; ++x) picture.set(x, 1, palette::black);
    picture.set(2, 2, palette::black);
    return picture;
}

}  // namespace

Bitmap chromeResource(const std::string& name) {
    if (name == "CHROMEBTNOK") return strip(okImage());
    if (name == "CHROMEBTNCANCEL") return strip(cancelImage());
    if (name == "CHROMEBTNHELP") return strip(helpImage());
    if (name == "CHROMEBTNYES") return strip(yesImage());
    if (name == "CHROMEBTNNO") return strip(noImage());
    if (name == "CHROMEBTNCLOSE") return strip(closeImage());
    if (name == "CHROMEBTNABORT") return strip(abortImage());
    if (name == "CHROMEBTNRETRY") return strip(retryImage());
    if (name == "CHROMEBTNIGNORE") return strip(ignoreImage());
    if (name == "CHROMEBTNALL") return strip(allImage());
    if (name == "CHROMEBTNARROW") return arrow();
    return Bitmap();
}

}  // namespace controls
