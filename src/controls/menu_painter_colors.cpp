#include "controls/menu_painter_colors.h"

#include <algorithm>

namespace controls {

namespace {

int lightenChannel(int v, int percent) {
    const int scaled = (255 - v) * percent;
    int step = scaled / 100;
    const int rest = scaled % 100;
    if (rest > 50 || (rest == 50 && step % 2 == 1)) ++step;
    return v + step;
}

int clampChannel(int v) {
    return std::clamp(v, 0, 255);
}

template <typename Recolour>
Bitmap recoloured(const Bitmap& picture, Recolour recolour) {
    Bitmap out(picture.width(), picture.height(), colors::clBlack);
    bool havePrevious = false;
    Color previous = 0;
    Color previousResult = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Color c = picture.at(x, y);
            if (!havePrevious || c != previous) {
                previous = c;
                previousResult = recolour(c);
                havePrevious = true;
            }
            out.set(x, y, previousResult);
        }
    }
    return out;
}

}  // namespace

Color LightenColor(Color rgbColor, int percent) {
    const int p = std::clamp(percent, 0, 100);
    return rgb(lightenChannel(redOf(rgbColor), p), lightenChannel(greenOf(rgbColor), p),
               lightenChannel(blueOf(rgbColor), p));
}

Color DarkenColor(Color rgbColor, int amount) {
    return rgb(clampChannel(redOf(rgbColor) - amount), clampChannel(greenOf(rgbColor) - amount + 2),
               clampChannel(blueOf(rgbColor) - amount));
}

Color GrayShade(Color rgbColor, int amount) {
    const int g = std::min((redOf(rgbColor) + greenOf(rgbColor) + blueOf(rgbColor)) / 3 + amount, 240);
    const int v = clampChannel(g);
    return rgb(v, v, v);
}

Bitmap lightenBitmap(const Bitmap& picture, int percent) {
    return recoloured(picture, [percent](Color c) { return LightenColor(c, percent); });
}

Bitmap grayBitmap(const Bitmap& picture, int amount) {
    return recoloured(picture, [amount](Color c) { return GrayShade(c, amount); });
}

}  // namespace controls
