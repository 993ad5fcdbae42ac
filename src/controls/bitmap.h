#pragma once
// A small in-memory picture: glyph strips, generated resources, and the raster canvas's pixels.
// Pixels are plain 0x00BBGGRR colours, row by row from the top.
#include <vector>

#include "controls/color.h"
#include "platform/types.h"

namespace controls {

using Rect = platform::Rect;

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Color fill);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Outside the picture: reads give black, writes are dropped.
    Color at(int x, int y) const;
    void set(int x, int y, Color c);

    // The part of the picture inside `area`, clipped to the picture.
    Bitmap crop(const Rect& area) const;

    bool operator==(const Bitmap& o) const {
        return width_ == o.width_ && height_ == o.height_ && pixels_ == o.pixels_;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
};

}  // namespace controls
