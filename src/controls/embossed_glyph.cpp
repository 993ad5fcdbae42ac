#include "controls/embossed_glyph.h"

namespace controls {

std::vector<std::pair<int, int>> embossedShape(const Bitmap& glyph, Color transparent) {
    std::vector<std::pair<int, int>> shape;
    const Color key = transparent & 0xFFFFFF;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const Color c = glyph.at(x, y);
            if (c != key && c != colors::clWhite) shape.emplace_back(x, y);
        }
    }
    return shape;
}

void embossInto(Bitmap& target, int x, int y, const Bitmap& glyph, Color transparent, Color highlight,
                Color shadow, const Rect& clip) {
    const auto shape = embossedShape(glyph, transparent);
    auto plot = [&](int px, int py, Color c) {
        if (px >= clip.left && px < clip.right && py >= clip.top && py < clip.bottom) target.set(px, py, c);
    };
    for (const auto& [gx, gy] : shape) plot(x + gx + 1, y + gy + 1, highlight);
    for (const auto& [gx, gy] : shape) plot(x + gx, y + gy, shadow);
}

}  // namespace controls
