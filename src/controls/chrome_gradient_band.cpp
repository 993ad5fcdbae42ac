#include "controls/chrome_gradient_band.h"

#include <algorithm>

namespace controls {

namespace {

constexpr int kSteps = 31;

int channelAt(int from, int to, int k) {
    // k times the difference first, then the 31st: the end strips come out exact.
    return static_cast<int>(from + static_cast<double>(k) * (to - from) / kSteps);
}

}  // namespace

std::vector<GradientStrip> gradientBandStrips(const Rect& band, Color c1, Color c2) {
    std::vector<GradientStrip> strips;
    const int h = band.bottom - band.top;
    for (int k = 0; k <= kSteps; ++k) {
        const int top = band.top + (k * h) / kSteps;
        const int bottom = std::min(top + h / kSteps + 1, band.bottom);
        const Color color = rgb(channelAt(redOf(c1), redOf(c2), k), channelAt(greenOf(c1), greenOf(c2), k),
                                channelAt(blueOf(c1), blueOf(c2), k));
        strips.push_back({{band.left, top, band.right, std::max(top, bottom)}, color});
    }
    return strips;
}

void paintGradientBand(Canvas& canvas, const Rect& band, Color c1, Color c2) {
    canvas.setPen(colors::clBlack, 1, PenStyle::psClear);
    for (const GradientStrip& strip : gradientBandStrips(band, canvas.toRgb(c1), canvas.toRgb(c2))) {
        canvas.fillRect(strip.area, strip.color);
    }
}

}  // namespace controls
