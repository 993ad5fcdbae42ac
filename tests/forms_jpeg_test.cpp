// JPEG decoding: the picture the program carries, and data that is no good.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "forms/about_picture.h"
#include "forms/jpeg_decoder.h"

using namespace folvaric;

namespace {

std::vector<std::uint8_t> embeddedPicture() {
    return std::vector<std::uint8_t>(kAboutPictureJpeg, kAboutPictureJpeg + kAboutPictureJpegSize);
}

// JPEG is lossy: a pixel is the colour drawn give or take a little.
::testing::AssertionResult near(std::uint32_t actual, std::uint32_t expected, int tolerance = 16) {
    for (int shift : {16, 8, 0}) {
        const int a = static_cast<int>(actual >> shift & 0xFF);
        const int e = static_cast<int>(expected >> shift & 0xFF);
        if (std::abs(a - e) > tolerance) {
            return ::testing::AssertionFailure() << std::hex << "0x" << actual << " is not near 0x" << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

// The offset of the frame header's height field (SOF0..SOF2), or 0 when there is none.
std::size_t frameSizeOffset(const std::vector<std::uint8_t>& jpeg) {
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] >= 0xC0 && jpeg[i + 1] <= 0xC2) return i + 5;
    }
    return 0;
}

TEST(JpegDecoding, EmbeddedPictureDecodesToItsSizeAndColours) {
    const auto jpeg = embeddedPicture();
    const auto image = decodeJpeg(jpeg.data(), jpeg.size());
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 130);
    EXPECT_EQ(image->height, 114);
    EXPECT_EQ(image->rgb.size(), 130u * 114u * 3u);
    EXPECT_TRUE(near(image->pixel(2, 2), 0xD9ECFF));        // the sky at the top
    EXPECT_TRUE(near(image->pixel(2, 111), 0x70A9DC));      // ...and at the bottom
    EXPECT_TRUE(near(image->pixel(25, 90), 0xF2C14E));      // the folder
    EXPECT_TRUE(near(image->pixel(58, 80), 0x1E8C2E, 24));  // the tick
}

TEST(JpegDecoding, PixelOutsideThePictureIsBlack) {
    const auto jpeg = embeddedPicture();
    const auto image = decodeJpeg(jpeg.data(), jpeg.size());
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->pixel(-1, 0), 0u);
    EXPECT_EQ(image->pixel(130, 0), 0u);
    EXPECT_EQ(image->pixel(0, 114), 0u);
}

TEST(JpegDecoding, DataThatIsNoJpegIsRefused) {
    const std::vector<std::uint8_t> text{'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
    EXPECT_FALSE(decodeJpeg(text.data(), text.size()).has_value());
    EXPECT_FALSE(decodeJpeg(nullptr, 0).has_value());
    EXPECT_FALSE(decodeJpeg(text.data(), 0).has_value());
    const std::vector<std::uint8_t> markerOnly{0xFF, 0xD8};
    EXPECT_FALSE(decodeJpeg(markerOnly.data(), markerOnly.size()).has_value());
}

TEST(JpegDecoding, PictureCutShortInItsHeaderIsRefused) {
    auto jpeg = embeddedPicture();
    jpeg.resize(100);
    EXPECT_FALSE(decodeJpeg(jpeg.data(), jpeg.size()).has_value());
}

TEST(JpegDecoding, PictureCutShortInItsDataKeepsItsSizeAndFillsTheRest) {
    auto jpeg = embeddedPicture();
    jpeg.resize(jpeg.size() / 2);
    jpeg.shrink_to_fit();  // so that a read past the end is caught by the address sanitizer
    const auto image = decodeJpeg(jpeg.data(), jpeg.size());
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 130);
    EXPECT_EQ(image->height, 114);
    EXPECT_TRUE(near(image->pixel(2, 2), 0xD9ECFF));
}

TEST(JpegDecoding, ScrambledDataNeverCrashes) {
    const auto original = embeddedPicture();
    // Every stretch of the picture overwritten in turn: header tables, frame, scan data.
    for (std::size_t at = 2; at + 8 < original.size(); at += 37) {
        auto jpeg = original;
        for (std::size_t i = at; i < at + 8; ++i) jpeg[i] = static_cast<std::uint8_t>(jpeg[i] * 31 + 7);
        const auto image = decodeJpeg(jpeg.data(), jpeg.size());
        if (image) {
            EXPECT_EQ(image->rgb.size(), static_cast<std::size_t>(image->width) * image->height * 3);
        }
    }
}

TEST(JpegDecoding, HeaderClaimingAHugePictureIsRefusedBeforeAnythingIsAllocated) {
    auto jpeg = embeddedPicture();
    const std::size_t size = frameSizeOffset(jpeg);
    ASSERT_NE(size, 0u);
    jpeg[size] = 0xFF;  // height 65535 and some
    jpeg[size + 1] = 0xF0;
    EXPECT_FALSE(decodeJpeg(jpeg.data(), jpeg.size()).has_value());
    jpeg = embeddedPicture();
    jpeg[size + 2] = 0;  // width 0
    jpeg[size + 3] = 0;
    EXPECT_FALSE(decodeJpeg(jpeg.data(), jpeg.size()).has_value());
}

}  // namespace
