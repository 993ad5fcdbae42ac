#pragma once
// The screen's pixels as the X server shows them, read through the screen's device context:
// what a user sees of a window, whichever process painted it.
#include <windows.h>

#include <vector>

namespace e2e {

struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // row by row from the top left
    COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool empty() const { return pixels.empty(); }
};

// Empty when the area is empty or cannot be read.
ScreenPixels capturePixels(const RECT& screenArea);
// How many pixels differ from the area's most frequent colour (its background): text, lines
// and pictures drawn on it.
int pixelsOffBackground(const ScreenPixels& area);

}  // namespace e2e
