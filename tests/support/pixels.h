#pragma once
// Checks many pixels of a picture at once: one table of {x, y, colour} instead of one line per
// pixel. A failure names the picture, the call's line and the pixel.
#include <gtest/gtest.h>

#include <initializer_list>

#include "controls/raster_canvas.h"

namespace testing_support {

struct PixelIs {
    int x, y;
    controls::Color colour;
};

inline void expectPixels(const controls::RasterCanvas& canvas, std::initializer_list<PixelIs> expected) {
    for (const PixelIs& p : expected) EXPECT_EQ(canvas.pixel(p.x, p.y), p.colour) << "at " << p.x << "," << p.y;
}

}  // namespace testing_support

#define EXPECT_PIXELS(canvas, ...)                            \
    do {                                                      \
        SCOPED_TRACE(#canvas);                                \
        testing_support::expectPixels(canvas, {__VA_ARGS__}); \
    } while (0)
