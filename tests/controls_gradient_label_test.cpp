#include <gtest/gtest.h>

#include "controls/gradient_label_painter.h"
#include "controls/main_window_themed_controls.h"
#include "controls/raster_canvas.h"
#include "tests/support/pixels.h"
#include "text/gbk_text.h"

using controls::Color;
using controls::GradientLabel;
using controls::RasterCanvas;
using controls::TShadowPosition;
namespace colors = controls::colors;

namespace {

constexpr Color kFormColour = controls::rgb(195, 179, 158);

RasterCanvas painted(const GradientLabel& label) {
    RasterCanvas canvas(label.width(), label.height(), kFormColour);
    controls::paintGradientLabel(label, canvas);
    return canvas;
}

// A plain label: no decorations, caption "Ab" in a 16-pixel font (cells 8 x 16).
struct PlainLabel {
    GradientLabel label{"GradientLabel1"};
    PlainLabel() {
        label.setBounds({0, 0, 100, 30});
        label.setCaption("Ab");
        label.setFont(controls::Font{"Arial", 12, colors::clBlack});
        label.setColor(colors::clSilver);
    }
};

TEST(GradientLabelMainWindow, PaintsSkyBlueToWhiteWithTheCaptionLeftAndCentred) {
    GradientLabel label("GradientLabel1");
    controls::designGradientLabel1(label);
    const RasterCanvas canvas = painted(label);

    // W = 288, channel 166: the first column is 166 + round(89 / 288) = 166, the last 255.
    EXPECT_EQ(label.width(), 288);
    EXPECT_PIXELS(canvas, {0, 0, colors::clSkyBlue}, {287, 0, colors::clWhite}, {287, 32, colors::clWhite});

    // The caption is painted again on top of the gradient: left-aligned, vertically centred.
    const auto& last = canvas.textRuns().back();
    EXPECT_EQ(last.text, text::gbk("     Explorer 打开的窗口列表 "));
    EXPECT_EQ(last.x, 0);
    EXPECT_EQ(last.y, (33 - 16) / 2);
    EXPECT_TRUE(last.font.bold);
    EXPECT_TRUE(last.font.italic);
    // Its "E" (after five blanks of 8 pixels) is a filled bold cell in the font colour.
    EXPECT_EQ(canvas.pixel(5 * 8 + 3, last.y + 8), colors::clBlack);
    // No shadow run: the framework caption and the caption again, nothing else.
    EXPECT_EQ(canvas.textRuns().size(), 2u);
    EXPECT_EQ(label.hint, text::gbk("瞧，微软笨拙的！"));
}

TEST(GradientLabelGradient, ChannelsRoundHalvesToEven) {
    EXPECT_EQ(controls::roundHalfToEven(0.5), 0);
    EXPECT_EQ(controls::roundHalfToEven(1.5), 2);
    EXPECT_EQ(controls::roundHalfToEven(2.5), 2);
    EXPECT_EQ(controls::roundHalfToEven(2.51), 3);
    // Half-way columns of a 2-pixel label: 254 + 0.5 stays 254, 252 + 1.5 becomes 254.
    GradientLabel label("L");
    label.setBounds({0, 0, 2, 4});
    label.setGradient(true);
    label.setGradientColor(controls::rgb(254, 252, 0));
    const RasterCanvas canvas = painted(label);
    EXPECT_PIXELS(canvas, {0, 0, controls::rgb(254, 254, 128)}, {1, 0, colors::clWhite});
}

// Checked over whole columns: every row of a column has its colour, no column after the first
// keeps the first one's, and right to left is the exact mirror of left to right (column x of a left-to-right label has
// gone (x + 1) / width of the way to white).
TEST(GradientLabelGradient, RightToLeftIsTheMirrorOfLeftToRightInEveryColumn) {
    for (int width : {2, 7, 288}) {
        GradientLabel label("L");
        label.setBounds({0, 0, width, 6});
        label.setGradient(true);
        label.setGradientColor(colors::clSkyBlue);
        const RasterCanvas ltr = painted(label);
        label.setGradientRtoL(true);
        const RasterCanvas rtl = painted(label);
        EXPECT_EQ(ltr.pixel(width - 1, 0), colors::clWhite) << width;
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < 6; ++y) {
                ASSERT_EQ(rtl.pixel(x, y), ltr.pixel(width - 1 - x, y)) << "width " << width << " column " << x;
                ASSERT_EQ(ltr.pixel(x, y), ltr.pixel(x, 0)) << "width " << width << " column " << x;
            }
            ASSERT_TRUE(x == 0 || ltr.pixel(x, 0) != ltr.pixel(0, 0)) << "width " << width << " column " << x;
        }
    }
}

TEST(GradientLabelGradient, DefaultStartColourIsFuchsiaAndSystemColoursAreResolved) {
    GradientLabel label("L");
    EXPECT_EQ(label.gradientColor(), colors::clFuchsia);
    label.setBounds({0, 0, 10, 4});
    label.setGradient(true);
    label.setGradientColor(colors::clBtnShadow);  // grey 128 on the raster
    const RasterCanvas canvas = painted(label);
    EXPECT_EQ(canvas.pixel(0, 0), controls::rgb(141, 141, 141));  // 128 + round(12.7)
}

TEST(GradientLabelWriters, SizesBelowOneAreStoredAsOne) {
    GradientLabel label("L");
    for (const auto& [given, stored] : {std::pair{0, 1}, {-7, 1}, {3, 3}}) {
        label.setShadowSize(given);
        EXPECT_EQ(label.shadowSize(), stored) << given;
    }
    label.setLineWidth(0);
    EXPECT_EQ(label.lineWidth(), 1);
}

TEST(GradientLabelWriters, RepaintOnlyWhenTheValueChanges) {
    GradientLabel label("L");
    int repaints = 0;
    label.onChanged = [&repaints] { ++repaints; };
    label.setShadowSize(1);  // 1 already
    label.setShadowSize(0);  // stored as 1: no change
    label.setGradient(false);
    label.setLineColor(colors::clBlack);
    EXPECT_EQ(repaints, 0);
    label.setShadowSize(2);
    label.setGradient(true);
    label.setShadowPos(TShadowPosition::spRightBottom);
    label.setLineStyle(controls::PenStyle::psDot);
    EXPECT_EQ(repaints, 4);
}

TEST(GradientLabelPlain, WithoutDecorationsItIsTheFrameworkLabel) {
    PlainLabel p;
    const RasterCanvas canvas = painted(p.label);
    ASSERT_EQ(canvas.textRuns().size(), 1u);
    EXPECT_EQ(canvas.textRuns()[0].x, 0);
    EXPECT_EQ(canvas.textRuns()[0].y, 0);
    EXPECT_PIXELS(canvas, {50, 20, colors::clSilver}, {1, 1, colors::clBlack});  // corner of the "A" cell
}

TEST(GradientLabelPlain, TransparentLabelLeavesTheParentShowing) {
    PlainLabel p;
    p.label.setTransparent(true);
    EXPECT_EQ(painted(p.label).image().at(50, 20), kFormColour);
}

TEST(GradientLabelShadow, ShadowWithoutGradientKeepsTheFirstCaptionAndDrawsTwoMore) {
    PlainLabel p;
    p.label.setShadow(true);
    p.label.setShadowColor(colors::clYellow);
    p.label.setShadowSize(0);  // stored as 1
    const RasterCanvas canvas = painted(p.label);
    ASSERT_EQ(canvas.textRuns().size(), 3u);
    EXPECT_EQ(canvas.textRuns()[1].x, -1);  // spLeftTop
    EXPECT_EQ(canvas.textRuns()[1].y, -1);
    EXPECT_EQ(canvas.textRuns()[1].font.color, colors::clYellow);
    EXPECT_EQ(canvas.textRuns()[2].x, 0);
    EXPECT_EQ(canvas.textRuns()[2].font.color, colors::clBlack);
    // The shadow's outline shows one pixel left of the caption's, which covers its own.
    EXPECT_PIXELS(canvas, {0, 5, colors::clYellow}, {1, 5, colors::clBlack});
}

TEST(GradientLabelShadow, EveryPositionOffsetsByTheShadowSize) {
    struct Case {
        TShadowPosition pos;
        int dx, dy;
    };
    for (const Case& c : {Case{TShadowPosition::spLeftTop, -3, -3}, Case{TShadowPosition::spLeftBottom, -3, 3},
                          Case{TShadowPosition::spRightBottom, 3, 3}, Case{TShadowPosition::spRightTop, 3, -3}}) {
        PlainLabel p;
        p.label.setShadow(true);
        p.label.setShadowSize(3);
        p.label.setShadowPos(c.pos);
        const RasterCanvas canvas = painted(p.label);
        ASSERT_EQ(canvas.textRuns().size(), 3u);
        EXPECT_EQ(canvas.textRuns()[1].x, c.dx);
        EXPECT_EQ(canvas.textRuns()[1].y, c.dy);
    }
}

TEST(GradientLabelPlacement, AlignmentAndLayoutPlaceTheCaptionAgain) {
    PlainLabel p;  // 100 x 30, caption 16 x 16
    p.label.setGradient(true);
    p.label.setAlignment(controls::TAlignment::taRightJustify);
    p.label.setLayout(controls::TTextLayout::tlBottom);
    const auto at = [&p] {
        return std::pair{painted(p.label).textRuns().back().x, painted(p.label).textRuns().back().y};
    };
    EXPECT_EQ(at(), std::pair(84, 14));
    p.label.setAlignment(controls::TAlignment::taCenter);
    p.label.setLayout(controls::TTextLayout::tlCenter);
    EXPECT_EQ(at(), std::pair(42, 7));
    // A caption taller than the label: the halving rounds towards zero.
    p.label.setBounds({0, 0, 100, 13});
    EXPECT_EQ(painted(p.label).textRuns().back().y, -1);
}

TEST(GradientLabelPlacement, EmptyCaptionDrawsNothingAgain) {
    PlainLabel p;
    p.label.setCaption("");
    p.label.setGradient(true);
    p.label.setShadow(true);
    EXPECT_EQ(painted(p.label).textRuns().size(), 1u);  // only the framework's (empty) one
}

TEST(GradientLabelLine, BottomLineRunsFromOneToWidthLessOne) {
    PlainLabel p;
    p.label.setLine(true);
    p.label.setLineColor(colors::clYellow);
    const RasterCanvas canvas = painted(p.label);
    EXPECT_PIXELS(canvas, {0, 29, colors::clSilver}, {1, 29, colors::clYellow}, {98, 29, colors::clYellow},
                  {99, 29, colors::clSilver}, {50, 28, colors::clSilver});
}

TEST(GradientLabelDisabled, CaptionAgainUsesTheColourTheFrameworkLeft) {
    PlainLabel p;
    p.label.setEnabled(false);
    p.label.setGradient(true);
    const RasterCanvas canvas = painted(p.label);
    ASSERT_EQ(canvas.textRuns().size(), 3u);
    EXPECT_EQ(canvas.textRuns()[0].x, 1);  // engraved highlight copy
    EXPECT_EQ(canvas.textRuns()[2].font.color, colors::clBtnShadow);
}

}  // namespace
