#pragma once
// Colours as the forms store them: 0x00BBGGRR for a plain colour, or a value with the top bit set
// (0xFF0000nn) for system colour number nn, which a canvas resolves through the system's colour
// table before it paints with it.
#include <cstdint>

namespace controls {

using Color = std::uint32_t;

constexpr Color rgb(int red, int green, int blue) {
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Any value with the top bit set names a system colour by its low byte, as the framework reads it.
constexpr bool isSystemColor(Color c) {
    return (c & 0x80000000u) != 0;
}
constexpr int systemColorIndex(Color c) {
    return static_cast<int>(c & 0xFF);
}

namespace colors {
constexpr Color clNone = 0x1FFFFFFF;  // "not set"
constexpr Color clBlack = 0x000000;
constexpr Color clWhite = 0xFFFFFF;
constexpr Color clGray = 0x808080;
constexpr Color clSilver = 0xC0C0C0;
constexpr Color clYellow = 0x00FFFF;
constexpr Color clFuchsia = 0xFF00FF;
constexpr Color clSkyBlue = 0xF0CAA6;  // red 166, green 202, blue 240

constexpr Color clWindowText = 0xFF000008;
constexpr Color clBtnFace = 0xFF00000F;
constexpr Color clBtnShadow = 0xFF000010;
constexpr Color clBtnText = 0xFF000012;
constexpr Color clBtnHighlight = 0xFF000014;
}  // namespace colors

}  // namespace controls
