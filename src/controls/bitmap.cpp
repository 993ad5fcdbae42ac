#include "controls/bitmap.h"

#include <algorithm>

namespace controls {

Bitmap::Bitmap(int width, int height, Color fill) {
    if (width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill & 0xFFFFFF);
}

Color Bitmap::at(int x, int y) const {
    if (!contains(x, y)) return colors::clBlack;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Bitmap::set(int x, int y, Color c) {
    if (!contains(x, y)) return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
        c & 0xFFFFFF;
}

Bitmap Bitmap::crop(const Rect& area) const {
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.right, width_);
    const int bottom = std::min(area.bottom, height_);
    if (right <= left || bottom <= top) return Bitmap();
    Bitmap part(right - left, bottom - top, colors::clBlack);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) part.set(x - left, y - top, at(x, y));
    }
    return part;
}

}  // namespace controls
