#pragma once
// The colour arithmetic of the XP-style menu painter and its control frames. Every function works
// on plain 0x00BBGGRR colours: resolve system colours (a canvas's toRgb) before calling them.
#include "controls/bitmap.h"
#include "controls/color.h"

namespace controls {

// Each channel moves `percent` of the way towards 255 (percent capped at 100), rounded to the
// nearest value with halves going to the even one.
Color LightenColor(Color rgbColor, int percent);

// Red and blue lose `amount`, green loses `amount` - 2; every channel is kept within 0..255.
Color DarkenColor(Color rgbColor, int amount);

// The grey of the channels' mean plus `amount`, at most 240.
Color GrayShade(Color rgbColor, int amount);

// Every pixel lightened or greyed; a run of equal pixels reuses the first one's result.
Bitmap lightenBitmap(const Bitmap& picture, int percent);
Bitmap grayBitmap(const Bitmap& picture, int amount);

}  // namespace controls
