#include <gtest/gtest.h>

#include "controls/raster_canvas.h"
#include "tests/support/pixels.h"
#include "text/gbk_text.h"

using controls::Bitmap;
using controls::Color;
using controls::Font;
using controls::PenStyle;
using controls::RasterCanvas;
namespace colors = controls::colors;

namespace {

constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;

Font twelvePoint(bool bold = false) {
    Font f{"MS Sans Serif", 12, colors::clBlack};
    f.bold = bold;
    return f;
}

TEST(RasterCanvasText, MeasuresSingleAndDoubleByteCells) {
    RasterCanvas c(100, 40);
    c.setFont(twelvePoint());  // 16 pixels high, 8 wide per single byte
    EXPECT_EQ(c.textExtent("Ab").width, 16);
    EXPECT_EQ(c.textExtent("Ab").height, 16);
    EXPECT_EQ(c.textExtent(text::gbk("刷新")).width, 32);
    EXPECT_EQ(c.textExtent("").width, 0);
    EXPECT_EQ(c.textExtent("&OK").width, 24);  // measured as written
}

TEST(RasterCanvasText, RegularCellsAreOutlinedAndBoldCellsFilled) {
    RasterCanvas c(100, 40);
    c.setFont(twelvePoint());
    c.textOut(0, 0, "A B");
    // The outline corner and the inside of A; the blank paints nothing.
    EXPECT_PIXELS(c, {1, 1, colors::clBlack}, {4, 8, colors::clWhite}, {12, 8, colors::clWhite});
    c.setFont(twelvePoint(true));
    c.textOut(0, 20, "A");
    EXPECT_EQ(c.pixel(4, 28), colors::clBlack);
    ASSERT_EQ(c.textRuns().size(), 2u);
    EXPECT_EQ(c.textRuns()[1].y, 20);
    EXPECT_TRUE(c.textRuns()[1].font.bold);
}

TEST(RasterCanvasText, DrawTextRemovesAccessMarksAndUnderlinesTheKey) {
    RasterCanvas c(100, 40);
    c.setFont(twelvePoint());
    c.drawText({0, 0, 100, 40}, "&OK", controls::HAlign::Centre, controls::VAlign::Centre);
    ASSERT_EQ(c.textRuns().size(), 1u);
    EXPECT_EQ(c.textRuns()[0].text, "OK");
    EXPECT_EQ(c.textRuns()[0].x, (100 - 16) / 2);
    EXPECT_EQ(c.textRuns()[0].y, (40 - 16) / 2);
    EXPECT_PIXELS(c, {42, 12 + 15, colors::clBlack}, {50, 12 + 15, colors::clWhite});  // O underlined, K not

    c.drawText({0, 0, 100, 40}, "a&&b", controls::HAlign::Right, controls::VAlign::Bottom);
    EXPECT_EQ(c.textRuns()[1].text, "a&b");
    EXPECT_EQ(c.textRuns()[1].x, 100 - 24);
    EXPECT_EQ(c.textRuns()[1].y, 40 - 16);
}

TEST(RasterCanvasShapes, LinesLeaveOutTheirEndPoint) {
    RasterCanvas c(10, 10);
    c.setPen(kRed);
    c.moveTo(1, 5);
    c.lineTo(8, 5);
    EXPECT_PIXELS(c, {1, 5, kRed}, {7, 5, kRed}, {8, 5, colors::clWhite});
    c.setPen(kBlue, 1, PenStyle::psClear);
    c.moveTo(0, 0);
    c.lineTo(9, 0);
    EXPECT_EQ(c.pixel(3, 0), colors::clWhite);
}

TEST(RasterCanvasShapes, RectangleWithClearBrushDrawsOnlyTheOutline) {
    RasterCanvas c(10, 10);
    c.setPen(kRed);
    c.setBrushClear();
    c.rectangle({1, 1, 9, 9});
    EXPECT_PIXELS(c, {1, 1, kRed}, {8, 8, kRed}, {9, 9, colors::clWhite}, {5, 5, colors::clWhite});
}

TEST(RasterCanvasShapes, RectangleWithoutPenFillsOnePixelLess) {
    RasterCanvas c(10, 10);
    c.setPen(kRed, 1, PenStyle::psClear);
    c.setBrush(kBlue);
    c.rectangle({0, 0, 5, 5});
    EXPECT_PIXELS(c, {3, 3, kBlue}, {4, 3, colors::clWhite});
}

TEST(RasterCanvasShapes, RoundRectCutsItsCorners) {
    RasterCanvas c(20, 12);
    c.setPen(kRed);
    c.setBrushClear();
    c.roundRect({0, 0, 20, 12}, 6, 6);
    EXPECT_PIXELS(c, {0, 0, colors::clWhite}, {19, 11, colors::clWhite}, {10, 0, kRed}, {0, 6, kRed}, {19, 6, kRed},
                  {10, 6, colors::clWhite});
}

TEST(RasterCanvasShapes, FocusRectangleDrawnTwiceLeavesNoTrace) {
    RasterCanvas c(10, 10, 0x123456);
    c.drawFocusRect({1, 1, 9, 9});
    EXPECT_PIXELS(c, {1, 1, 0x123456u ^ 0xFFFFFFu}, {2, 1, 0x123456u});
    c.drawFocusRect({1, 1, 9, 9});
    EXPECT_EQ(c.image(), RasterCanvas(10, 10, 0x123456).image());
}

TEST(RasterCanvasBitmaps, TransparentColourIsLeftOutAndSourcePartIsCut) {
    Bitmap strip(4, 2, colors::clFuchsia);
    strip.set(1, 0, kRed);
    strip.set(3, 0, kBlue);
    RasterCanvas c(6, 6);
    c.drawBitmap(2, 2, strip, {2, 0, 4, 2}, colors::clFuchsia);  // second image only
    EXPECT_PIXELS(c, {3, 2, kBlue}, {2, 2, colors::clWhite});
    c.drawBitmap(-1, -1, strip, {0, 0, 4, 2}, std::nullopt);  // partly outside: clipped, no fault
    EXPECT_EQ(c.pixel(0, 0), colors::clFuchsia);
}

TEST(RasterCanvasColours, SystemColoursResolveThroughTheClassicScheme) {
    RasterCanvas c(2, 2);
    EXPECT_EQ(c.toRgb(colors::clBtnFace), controls::rgb(212, 208, 200));
    EXPECT_EQ(c.toRgb(colors::clBtnShadow), colors::clGray);
    EXPECT_EQ(c.toRgb(colors::clSkyBlue), colors::clSkyBlue);
    c.fillRect({0, 0, 2, 2}, colors::clBtnHighlight);
    EXPECT_EQ(c.pixel(1, 1), colors::clWhite);
}

TEST(RasterCanvasFile, WritesABinaryPpm) {
    RasterCanvas c(2, 1, kRed);
    const std::string ppm = c.toPpm();
    EXPECT_EQ(ppm.substr(0, 11), "P6\n2 1\n255\n");
    EXPECT_EQ(ppm.size(), 11u + 6u);
    EXPECT_EQ(static_cast<unsigned char>(ppm[11]), 255);  // red first
    EXPECT_EQ(static_cast<unsigned char>(ppm[13]), 0);
}

}  // namespace
