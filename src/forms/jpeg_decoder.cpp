#include "forms/jpeg_decoder.h"

#include <climits>
#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE and size_t without including their headers
#include <new>

#include <jpeglib.h>

namespace folvaric {
namespace {

// libjpeg's answer to bad data is to call error_exit, which must not return. It leaves through
// longjmp back to the one setjmp below; no C++ object lives in the frames it skips.
struct ErrorManager {
    jpeg_error_mgr base;  // first member: libjpeg passes a pointer to it
    std::jmp_buf escape;
};

[[noreturn]] void leaveDecoding(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Warnings about damaged data would go to stderr, which a GUI program does not have.
void ignoreMessage(j_common_ptr) {}

// Working memory libjpeg may take for one picture (progressive pictures buffer every scan).
constexpr long kMaxDecoderMemory = 64L * 1024 * 1024;

// Everything that changes between setjmp and a longjmp lives here, in the caller's frame.
struct Decoding {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    RgbImage image;
};

bool allocateRows(RgbImage& image, JDIMENSION width, JDIMENSION height) {
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    try {
        image.rgb.assign(static_cast<std::size_t>(width) * height * 3, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool decodeInto(Decoding& d, const std::uint8_t* data, std::size_t size) {
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = leaveDecoding;
    d.errors.base.output_message = ignoreMessage;
    if (setjmp(d.errors.escape) != 0) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);
    d.info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&d.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&d.info, TRUE);
    if (d.info.image_width == 0 || d.info.image_height == 0 ||
        d.info.image_width > static_cast<JDIMENSION>(kMaxJpegSide) ||
        d.info.image_height > static_cast<JDIMENSION>(kMaxJpegSide)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    if (d.info.output_components != 3 || !allocateRows(d.image, d.info.output_width, d.info.output_height)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    const std::size_t stride = static_cast<std::size_t>(d.info.output_width) * 3;
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = d.image.rgb.data() + stride * d.info.output_scanline;
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return true;
}

}  // namespace

std::uint32_t RgbImage::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    const std::size_t at =
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
    if (at + 2 >= rgb.size()) return 0;
    return static_cast<std::uint32_t>(rgb[at]) << 16 | static_cast<std::uint32_t>(rgb[at + 1]) << 8 | rgb[at + 2];
}

std::optional<RgbImage> decodeJpeg(const std::uint8_t* data, std::size_t size) {
    // The library counts input in unsigned long, which is 32 bits on 64-bit Windows.
    if (data == nullptr || size == 0 || size > ULONG_MAX) return std::nullopt;
    Decoding d;
    if (!decodeInto(d, data, size)) return std::nullopt;
    return std::move(d.image);
}

}  // namespace folvaric
