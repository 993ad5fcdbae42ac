#pragma once
// JPEG pictures decoded into plain RGB rows, for the pictures the forms carry.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace folvaric {

// Three bytes (red, green, blue) a pixel, rows top to bottom, no padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    // The pixel at (x, y) as 0x00RRGGBB.
    std::uint32_t pixel(int x, int y) const;
};

// A picture larger than this on either side is refused rather than allocated: the forms' pictures
// are small, and a damaged header can claim anything.
constexpr int kMaxJpegSide = 4096;

// Decodes a baseline or progressive JPEG (colour or grey). Nothing when the data is not a JPEG the
// library can read, or is too large; damaged data never crashes and never reads past `size`.
// A picture cut short comes back with its missing lower part filled, as viewers show it.
std::optional<RgbImage> decodeJpeg(const std::uint8_t* data, std::size_t size);

}  // namespace folvaric
