#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "controls/chrome_button_layout.h"
#include "controls/chrome_button_painter.h"
#include "controls/chrome_gradient_band.h"
#include "controls/gradient_label_painter.h"
#include "controls/main_window_glyphs.h"
#include "controls/main_window_themed_controls.h"
#include "controls/raster_canvas.h"
#include "tests/support/pixels.h"
#include "text/gbk_text.h"

using controls::Bitmap;
using controls::ChromeBitBtn;
using controls::Color;
using controls::RasterCanvas;
using controls::TModernBtnStyle;
namespace colors = controls::colors;

namespace {

constexpr Color kPanelColour = controls::rgb(195, 179, 158);
constexpr Color kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kTeal = 0x808000;

RasterCanvas painted(const ChromeBitBtn& b) {
    RasterCanvas canvas(b.width(), b.height(), colors::clBlack);
    controls::paintChromeButton(b, canvas, [](controls::Canvas& c) {
        c.fillRect({0, 0, 10000, 10000}, kPanelColour);  // what the parent shows behind the button
    });
    return canvas;
}

// With FOLVARIC_SNAPSHOT_DIR set, the pictures are also written there to be looked at.
void keep(const std::string& name, const RasterCanvas& canvas) {
    const char* dir = std::getenv("FOLVARIC_SNAPSHOT_DIR");
    if (dir == nullptr) return;
    std::ofstream(std::string(dir) + "/" + name + ".ppm", std::ios::binary) << canvas.toPpm();
}

struct PanelButtons {
    ChromeBitBtn Button4{"Button4"}, Button1{"Button1"}, Button2{"Button2"}, Button3{"Button3"};
    PanelButtons() { controls::designPanelButtons(Button4, Button1, Button2, Button3); }
};

// A strip of four 16 x 16 images on fuchsia, each with a square of its own colour in the middle.
Bitmap fourImages() {
    Bitmap strip(64, 16, colors::clFuchsia);
    const Color inks[] = {kRed, kGreen, kBlue, kTeal};
    for (int i = 0; i < 4; ++i) {
        for (int y = 4; y < 12; ++y) {
            for (int x = 4; x < 12; ++x) strip.set(i * 16 + x, y, inks[i]);
        }
    }
    return strip;
}

// The first pixel, row by row, that has colour `c`; {-1, -1} when none has.
std::pair<int, int> firstPixelOf(const RasterCanvas& canvas, Color c) {
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.image().at(x, y) == c) return {x, y};
        }
    }
    return {-1, -1};
}

TEST(ChromeGradientBand, FirstStripIsTheStartColourAndStrip31TheEndColour) {
    const Color c1 = colors::clWhite, c2 = colors::clSilver;
    const auto strips = controls::gradientBandStrips({2, 10, 159, 39}, c1, c2);
    ASSERT_EQ(strips.size(), 32u);
    EXPECT_EQ(strips[0].color, c1);
    EXPECT_EQ(strips[31].color, c2);
    EXPECT_EQ(strips[0].area, (controls::Rect{2, 10, 159, 11}));  // h = 29: one pixel high
    EXPECT_EQ(strips[31].area.top, 39);                           // starts at the bottom: cut away
    EXPECT_EQ(strips[31].area.bottom, 39);
    // Channels are truncated: one 31st of 255 -> 192 is 252.97.
    EXPECT_EQ(strips[1].color, controls::rgb(252, 252, 252));

    // In a band lower than 31 pixels several strips share a row and the later one wins: the
    // first row shows strip 1 here.
    RasterCanvas low(161, 41, colors::clBlack);
    controls::paintGradientBand(low, {2, 10, 159, 39}, c1, c2);
    EXPECT_PIXELS(low, {2, 10, strips[1].color}, {2, 38, strips[30].color},  // the last row shows strip 30
                  {159, 20, colors::clBlack}, {2, 39, colors::clBlack});
}

TEST(ChromeGradientBand, BandOf31RowsOrMoreStartsWithExactlyTheStartColour) {
    const auto strips = controls::gradientBandStrips({0, 0, 10, 62}, kRed, kBlue);
    RasterCanvas canvas(10, 70, colors::clBlack);
    controls::paintGradientBand(canvas, {0, 0, 10, 62}, kRed, kBlue);
    EXPECT_PIXELS(canvas, {0, 0, kRed}, {9, 1, kRed}, {0, 61, strips[30].color});
    EXPECT_EQ(strips[31].color, kBlue);
    EXPECT_EQ(canvas.pixel(0, 62), colors::clBlack);
}

TEST(ChromeGradientBand, TallBandsHaveOverlappingStripsThatCoverEveryRow) {
    RasterCanvas canvas(10, 200, colors::clBlack);
    controls::paintGradientBand(canvas, {0, 0, 10, 200}, kRed, kBlue);
    for (int y = 0; y < 200; ++y) EXPECT_NE(canvas.pixel(5, y), colors::clBlack) << y;
}

TEST(ChromeMainWindowButtons, DesignKeepsTheChromePreset) {
    PanelButtons p;
    const ChromeBitBtn* all[] = {&p.Button4, &p.Button1, &p.Button2, &p.Button3};
    const int tops[] = {21, 80, 140, 200};
    const char* captions[] = {"刷新", "全部最小化", "全部 最大化", "部分关闭 保留勾"};
    for (int i = 0; i < 4; ++i) {
        const ChromeBitBtn& b = *all[i];
        EXPECT_EQ(b.bounds(), (controls::Bounds{15, tops[i], 161, 41}));
        EXPECT_EQ(b.caption(), text::gbk(captions[i]));
        EXPECT_EQ(b.btnColorStyle(), controls::TBtnColorStyle::bcsChrome);
        EXPECT_EQ(b.color, colors::clSilver);
        EXPECT_EQ(b.downColor(), colors::clYellow);
        EXPECT_TRUE(b.downBold());
        EXPECT_EQ(b.modernBtnStyle(), TModernBtnStyle::bsModern);
        EXPECT_EQ(b.numGlyphs(), 1);
        EXPECT_EQ(b.modalResult(), 5);
        EXPECT_EQ(b.font.size, 12);  // 16 pixels
        EXPECT_FALSE(b.glyph().empty());
    }
    EXPECT_EQ(p.Button3.hint, text::gbk("Explorer窗口部分关闭，打勾的保留，其余的关闭"));
}

TEST(ChromeMainWindowButtons, AtRestSilverFaceWithLightBandsAndGreyRoundedFrame) {
    PanelButtons p;
    const RasterCanvas canvas = painted(p.Button4);
    keep("button4_rest", canvas);
    EXPECT_PIXELS(canvas, {0, 0, kPanelColour},                         // corner outside the rounded frame
                  {160, 40, kPanelColour}, {80, 0, colors::clGray},     // frame
                  {0, 20, colors::clGray}, {80, 1, colors::clSilver});  // inner rectangle in the face colour
    // The top band (rows 2 to 9) runs from white towards silver; being only 8 rows high, its
    // first row shows strip 3: 255 - 3 x 63 / 31, truncated.
    EXPECT_PIXELS(canvas, {80, 2, controls::rgb(248, 248, 248)}, {80, 9, controls::rgb(194, 194, 194)});
    // The lower band (rows 10 to 38) runs from silver back to white: strip 1 at its top.
    EXPECT_PIXELS(canvas, {80, 10, controls::rgb(194, 194, 194)}, {80, 38, controls::rgb(252, 252, 252)});
}

TEST(ChromeMainWindowButtons, PressedShowsYellowFaceBoldCaptionOnePixelLowerRight) {
    PanelButtons p;
    const RasterCanvas rest = painted(p.Button1);
    p.Button1.userMouseEnter();
    p.Button1.userMouseDown(controls::MouseButton::Left, 0, 80, 20);
    const RasterCanvas down = painted(p.Button1);
    keep("button1_pressed", down);

    // Face and gradient turn yellow: blue runs 0 -> 255 where it was 192 -> 255.
    EXPECT_PIXELS(down, {80, 10, controls::rgb(255, 255, 8)},
                  {81, 2, controls::rgb(255, 255, 230)},  // (80, 2) is a focus-rectangle dot
                  {5, 20, controls::rgb(255, 255, 90)},   // strip 11: 11 x 255 / 31
                  {80, 2, controls::rgb(255, 255, 230) ^ 0xFFFFFF},
                  {80, 1, colors::clGray},  // inner rectangle in the shadow colour
                  {80, 0, colors::clGray});

    const auto& before = rest.textRuns().back();
    const auto& after = down.textRuns().back();
    EXPECT_FALSE(before.font.bold);
    EXPECT_TRUE(after.font.bold);
    EXPECT_EQ(after.x, before.x + 1);
    EXPECT_EQ(after.y, before.y + 1);
    // The glyph moves with it: its first black pixel (the minimise bar) one lower right.
    const auto g0 = firstPixelOf(rest, colors::clBlack);
    const auto g1 = firstPixelOf(down, colors::clBlack);
    EXPECT_EQ(g1.first, g0.first + 1);
    EXPECT_EQ(g1.second, g0.second + 1);
}

TEST(ChromeMainWindowButtons, HotLooksLikeRest) {
    PanelButtons p;
    const RasterCanvas rest = painted(p.Button2);
    p.Button2.userMouseEnter();
    EXPECT_EQ(painted(p.Button2).image(), rest.image());
}

// With a hot colour set, it shows while the mouse is over the button, but a pressed button
// shows its down colour even under the mouse.
TEST(ChromeMainWindowButtons, TheDownColourWinsOverTheHotColour) {
    PanelButtons hot, plain;
    hot.Button1.setHotTrackColor(kRed);
    const auto same = [&] { return painted(hot.Button1).image() == painted(plain.Button1).image(); };
    EXPECT_TRUE(same()) << "at rest";
    hot.Button1.userMouseEnter();
    plain.Button1.userMouseEnter();
    EXPECT_FALSE(same()) << "hot";
    hot.Button1.userMouseDown(controls::MouseButton::Left, 0, 80, 20);
    plain.Button1.userMouseDown(controls::MouseButton::Left, 0, 80, 20);
    EXPECT_TRUE(same()) << "pressed and hot";
}

TEST(ChromeMainWindowButtons, CaptionAndGlyphAreCentredAsAGroup) {
    PanelButtons p;
    const RasterCanvas canvas = painted(p.Button3);
    keep("button3_rest", canvas);
    // "部分关闭 保留勾": 7 double-byte and 1 single-byte character = 120 x 16; glyph 20 x 20.
    const int c = (161 - 120 - 20 - 4) / 2;
    EXPECT_EQ(canvas.textRuns().back().x, c + 20 + 4);
    EXPECT_EQ(canvas.textRuns().back().y, (41 - 16) / 2);
    const auto red = firstPixelOf(canvas, kRed);  // the cross of the glyph, top right of it
    EXPECT_GE(red.first, c);
    EXPECT_LT(red.first, c + 20);
}

TEST(ChromeDisabledGlyph, SingleImageIsEngravedAndCaptionGreyWithWhiteOffset) {
    ChromeBitBtn b("B");
    b.setBounds({0, 0, 80, 30});
    b.setCaption("Go");
    Bitmap glyph(16, 16, colors::clFuchsia);
    for (int y = 4; y < 8; ++y) glyph.set(6, y, kRed);  // a short red stroke
    b.setGlyph(glyph);
    b.setEnabled(false);
    const RasterCanvas canvas = painted(b);
    keep("disabled_single_image", canvas);

    // Positions: text 10 x 11 (8 points), glyph 16 x 16, spacing 4: c = (80 - 10 - 16 - 4) / 2.
    const int gx = 25, gy = 7;
    EXPECT_PIXELS(canvas, {gx + 6, gy + 4, colors::clGray},  // the stroke in the shadow colour
                  {gx + 7, gy + 8, colors::clWhite});        // its highlight below right
    EXPECT_EQ(firstPixelOf(canvas, kRed).first, -1);         // the glyph's own colour is gone

    const auto& runs = canvas.textRuns();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].font.color, colors::clWhite);
    EXPECT_EQ(runs[1].font.color, colors::clGray);
    EXPECT_EQ(runs[0].x, runs[1].x + 1);
    EXPECT_EQ(runs[0].y, runs[1].y + 1);
}

TEST(ChromeDisabledGlyph, SecondImageIsShownWhenThereIsOne) {
    ChromeBitBtn b("B");
    b.setGlyph(fourImages());
    b.setEnabled(false);
    b.userMouseEnter();
    const RasterCanvas canvas = painted(b);
    EXPECT_NE(firstPixelOf(canvas, kGreen).first, -1);
    EXPECT_EQ(firstPixelOf(canvas, kRed).first, -1);
}

TEST(ChromeGlyphStrip, WideGlyphGivesOneImagePerSquare) {
    ChromeBitBtn b("B");
    b.setGlyph(Bitmap(64, 16, colors::clFuchsia));
    EXPECT_EQ(b.numGlyphs(), 4);
    b.setGlyph(Bitmap());
    EXPECT_EQ(b.numGlyphs(), 0);
    b.setGlyph(Bitmap(10, 20, colors::clFuchsia));
    EXPECT_EQ(b.numGlyphs(), 0);
}

TEST(ChromeGlyphStrip, FourImagesShowImage4WhenHotAndImage3WhenPressed) {
    ChromeBitBtn b("B");
    b.setGlyph(fourImages());
    ASSERT_EQ(b.numGlyphs(), 4);
    EXPECT_NE(firstPixelOf(painted(b), kRed).first, -1);  // at rest: image 1
    b.userMouseEnter();
    const RasterCanvas hot = painted(b);
    EXPECT_NE(firstPixelOf(hot, kTeal).first, -1);
    EXPECT_EQ(firstPixelOf(hot, kRed).first, -1);
    b.userMouseDown(controls::MouseButton::Left, 0, 5, 5);
    const RasterCanvas down = painted(b);
    EXPECT_NE(firstPixelOf(down, kBlue).first, -1);
    EXPECT_EQ(firstPixelOf(down, kTeal).first, -1);
    // The fuchsia of the lower-left pixel is transparent: none reaches the face.
    EXPECT_EQ(firstPixelOf(down, colors::clFuchsia).first, -1);
}

TEST(ChromeGlyphStrip, ImpossibleGlyphCountsDrawNoGlyphAndReadNothingOutside) {
    ChromeBitBtn b("B");
    b.setGlyph(fourImages());
    b.setNumGlyphs(-3);
    EXPECT_EQ(firstPixelOf(painted(b), kRed).first, -1);
    b.setNumGlyphs(200);  // glyph width 0
    EXPECT_EQ(firstPixelOf(painted(b), kRed).first, -1);
}

TEST(ChromeBorders, NormalStyleAtRestFocusedAndPressed) {
    ChromeBitBtn b("B");  // bsNormal, 75 x 25, light white, shadow grey
    RasterCanvas rest = painted(b);
    EXPECT_PIXELS(rest, {0, 0, colors::clWhite}, {73, 1, colors::clGray}, {74, 24, 0x404040u}, {74, 1, 0x404040u},
                  {74, 0, rest.toRgb(colors::clBtnFace)});  // both lines leave this corner out

    b.userFocusGained();
    RasterCanvas focused = painted(b);
    EXPECT_PIXELS(focused, {0, 0, colors::clBlack}, {1, 1, colors::clWhite}, {72, 5, colors::clGray},
                  {73, 5, 0x606060u});  // grey 0x808080 / 2 + 0x202020
    // The focus rectangle four pixels in: an inverted dot on the face.
    const Color face = focused.toRgb(colors::clBtnFace);
    EXPECT_PIXELS(focused, {4, 4, face ^ 0xFFFFFF}, {2, 2, face});

    b.userMouseDown(controls::MouseButton::Left, 0, 5, 5);
    RasterCanvas down = painted(b);
    EXPECT_PIXELS(down, {0, 0, 0x404040u}, {1, 1, colors::clGray});
}

TEST(ChromeBorders, DefaultButtonIsFramedLikeAFocusedOneButWithoutFocusRectangle) {
    ChromeBitBtn b("B");
    b.setDefault(true);
    const RasterCanvas canvas = painted(b);
    EXPECT_PIXELS(canvas, {0, 0, colors::clBlack}, {4, 4, canvas.toRgb(colors::clBtnFace)});
}

TEST(ChromeBorders, FlatStyleShowsItsBorderOnlyWhenHotOrPressed) {
    ChromeBitBtn b("B");
    b.setBtnColorStyle(controls::TBtnColorStyle::bcsFlat2);  // flat, black light and shadow
    const Color face = RasterCanvas(1, 1).toRgb(colors::clBtnFace);
    EXPECT_EQ(painted(b).pixel(0, 0), face);
    b.userMouseEnter();
    EXPECT_EQ(painted(b).pixel(0, 0), colors::clBlack);
    EXPECT_EQ(painted(b).pixel(20, 10), 0x8CF6E4u);  // hot colour

    ChromeBitBtn framed("F");
    framed.setBtnColorStyle(controls::TBtnColorStyle::bcsFlat1);  // flat with a permanent frame
    EXPECT_EQ(painted(framed).pixel(0, 10), 0xB59284u);
}

TEST(ChromeBorders, ThinStyleSwapsItsBevelWhilePressed) {
    ChromeBitBtn b("B");
    b.setModernBtnStyle(TModernBtnStyle::bsThin);
    EXPECT_EQ(painted(b).pixel(0, 0), colors::clWhite);
    EXPECT_EQ(painted(b).pixel(74, 24), colors::clGray);
    b.userMouseDown(controls::MouseButton::Left, 0, 5, 5);
    EXPECT_EQ(painted(b).pixel(0, 0), colors::clGray);
    EXPECT_EQ(painted(b).pixel(74, 24), colors::clWhite);
}

TEST(ChromeBorders, ModernWithoutRoundCornersIsAPlainFrameAndNeedsNoBackground) {
    ChromeBitBtn b("B");
    b.setBtnColorStyle(controls::TBtnColorStyle::bcsChrome);
    b.setRoundCorner(false);
    RasterCanvas canvas(b.width(), b.height(), colors::clBlack);
    bool askedForBackground = false;
    controls::paintChromeButton(b, canvas, [&](controls::Canvas&) { askedForBackground = true; });
    EXPECT_FALSE(askedForBackground);
    EXPECT_EQ(canvas.pixel(0, 0), colors::clGray);
}

TEST(ChromeBorders, ModernFocusRectangleIsTwoPixelsIn) {
    PanelButtons p;
    const RasterCanvas rest = painted(p.Button4);
    p.Button4.userFocusGained();
    const RasterCanvas focused = painted(p.Button4);
    EXPECT_EQ(focused.pixel(2, 2), rest.pixel(2, 2) ^ 0xFFFFFF);
    p.Button4.setEnabled(false);
    EXPECT_EQ(painted(p.Button4).pixel(2, 2), rest.pixel(2, 2));  // disabled: no focus rectangle
}

TEST(ChromeBorders, PopupMenuAddsTheArrowRightOfCentre) {
    ChromeBitBtn b("B");
    controls::Menu menu("PopupMenu");
    b.setPopupMenu(&menu);
    const RasterCanvas canvas = painted(b);
    EXPECT_PIXELS(canvas, {75 - 11, 25 / 2 - 1, colors::clBlack}, {75 - 11 + 2, 25 / 2 + 1, colors::clBlack});
    EXPECT_NE(canvas.pixel(75 - 11, 25 / 2 + 1), colors::clBlack);  // transparent corner
}

TEST(ChromePositions, EveryLayoutAndAlignment) {
    using controls::TAlignment;
    using controls::TButtonLayout;
    controls::ChromeLayoutInput in;
    in.width = 100, in.height = 40, in.textWidth = 30, in.textHeight = 10, in.glyphWidth = 16, in.glyphHeight = 16,
    in.margin = 4, in.spacing = 4;
    auto at = [&](TButtonLayout l, TAlignment a) {
        in.layout = l;
        in.alignment = a;
        const auto p = controls::chromePositions(in);
        return std::vector<int>{p.glyphX, p.glyphY, p.textX, p.textY};
    };
    EXPECT_EQ(at(TButtonLayout::blGlyphLeft, TAlignment::taLeftJustify), (std::vector<int>{4, 12, 24, 15}));
    EXPECT_EQ(at(TButtonLayout::blGlyphLeft, TAlignment::taRightJustify), (std::vector<int>{46, 12, 66, 15}));
    EXPECT_EQ(at(TButtonLayout::blGlyphLeft, TAlignment::taCenter), (std::vector<int>{25, 12, 45, 15}));
    EXPECT_EQ(at(TButtonLayout::blGlyphRight, TAlignment::taLeftJustify), (std::vector<int>{38, 12, 4, 15}));
    EXPECT_EQ(at(TButtonLayout::blGlyphRight, TAlignment::taRightJustify), (std::vector<int>{80, 12, 46, 15}));
    EXPECT_EQ(at(TButtonLayout::blGlyphRight, TAlignment::taCenter), (std::vector<int>{59, 12, 25, 15}));
    EXPECT_EQ(at(TButtonLayout::blGlyphTop, TAlignment::taLeftJustify), (std::vector<int>{4, 5, 4, 25}));
    EXPECT_EQ(at(TButtonLayout::blGlyphTop, TAlignment::taRightJustify), (std::vector<int>{80, 5, 66, 25}));
    EXPECT_EQ(at(TButtonLayout::blGlyphBottom, TAlignment::taCenter), (std::vector<int>{42, 19, 35, 5}));
    in.pressed = true;
    EXPECT_EQ(at(TButtonLayout::blGlyphBottom, TAlignment::taCenter), (std::vector<int>{43, 20, 36, 6}));
    // Odd remainders round towards zero, also below zero.
    in.pressed = false;
    in.width = 20;
    EXPECT_EQ(at(TButtonLayout::blGlyphLeft, TAlignment::taCenter)[0], (20 - 30 - 16 - 4) / 2);
    EXPECT_EQ((20 - 30 - 16 - 4) / 2, -15);
}

TEST(ChromeSnapshots, MainWindowControlsSideBySide) {
    // One picture of GradientLabel1 and the four buttons at rest, for looking at.
    PanelButtons p;
    controls::GradientLabel label("GradientLabel1");
    controls::designGradientLabel1(label);
    RasterCanvas sheet(300, 40 + 4 * 45, kPanelColour);
    RasterCanvas labelCanvas(label.width(), label.height(), kPanelColour);
    controls::paintGradientLabel(label, labelCanvas);
    sheet.drawBitmap(0, 0, labelCanvas.image(), {0, 0, label.width(), label.height()}, std::nullopt);
    int top = 40;
    for (ChromeBitBtn* b : {&p.Button4, &p.Button1, &p.Button2, &p.Button3}) {
        const RasterCanvas c = painted(*b);
        sheet.drawBitmap(0, top, c.image(), {0, 0, b->width(), b->height()}, std::nullopt);
        top += 45;
    }
    keep("main_window_controls", sheet);
    EXPECT_PIXELS(sheet, {0, 0, colors::clSkyBlue}, {80, 40, colors::clGray}, {80, 40 + 3 * 45 + 40, colors::clGray});
}

TEST(ChromeSnapshots, KindButtonsShowTheirGlyphAndCaption) {
    RasterCanvas sheet(2 * 80, 5 * 30, kPanelColour);
    for (int k = 1; k <= 10; ++k) {
        ChromeBitBtn b("B");
        b.setKind(static_cast<controls::TBitBtnKind>(k));
        if (k % 2 == 0) b.setEnabled(false);
        const RasterCanvas c = painted(b);
        const std::string shown = b.caption().substr(1);  // without the access-key mark
        EXPECT_EQ(c.textRuns().back().text, shown);
        // The glyph (18 wide, left of the caption) leaves something other than the face colour.
        const Color face = c.toRgb(colors::clBtnFace);
        int marked = 0;
        for (int y = 4; y < 22; ++y) {
            for (int x = 4; x < 40; ++x) marked += c.pixel(x, y) != face;
        }
        EXPECT_GT(marked, 10) << k;
        sheet.drawBitmap(((k - 1) % 2) * 80, ((k - 1) / 2) * 30, c.image(), {0, 0, 75, 25}, std::nullopt);
    }
    keep("kind_buttons", sheet);
}

}  // namespace
