// Painted output checked over whole rows and columns: the label's gradient in both directions
// and which face colour wins on a chrome button that is both pressed and under the mouse.
#include <gtest/gtest.h>

#include "controls/chrome_button_painter.h"
#include "controls/gradient_label_painter.h"
#include "controls/main_window_themed_controls.h"
#include "controls/raster_canvas.h"

namespace {

using controls::Color;
using controls::RasterCanvas;
namespace colors = controls::colors;

RasterCanvas paintedLabel(int width, bool rightToLeft) {
    controls::GradientLabel label("L");
    label.setBounds({0, 0, width, 6});
    label.setCaption("");
    label.setGradient(true);
    label.setGradientColor(colors::clSkyBlue);
    label.setGradientRtoL(rightToLeft);
    RasterCanvas canvas(width, 6, colors::clBlack);
    controls::paintGradientLabel(label, canvas);
    return canvas;
}

TEST(GradientLabelRows, RightToLeftIsTheMirrorOfLeftToRightInEveryColumn) {
    for (int width : {2, 7, 288}) {
        const RasterCanvas ltr = paintedLabel(width, false), rtl = paintedLabel(width, true);
        // Column x of a left-to-right label has gone (x + 1) / width of the way to white.
        EXPECT_EQ(ltr.pixel(width - 1, 0), colors::clWhite) << width;
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < 6; ++y) {
                ASSERT_EQ(rtl.pixel(x, y), ltr.pixel(width - 1 - x, y)) << "width " << width << " column " << x;
                ASSERT_EQ(ltr.pixel(x, y), ltr.pixel(x, 0)) << "width " << width << " column " << x;
            }
            if (x > 0) {
                EXPECT_NE(ltr.pixel(x, 0), colors::clSkyBlue) << "width " << width << " column " << x;
            }
        }
    }
}

struct ChromePair {
    controls::ChromeBitBtn withHot{"Button1"}, withoutHot{"Button2"};
    ChromePair() {
        controls::ChromeBitBtn unused3{"Button3"}, unused4{"Button4"};
        controls::designPanelButtons(unused4, withHot, withoutHot, unused3);
        withHot.setHotTrackColor(controls::rgb(255, 0, 0));
        withoutHot.setGlyph(withHot.glyph());
        withoutHot.setCaption(withHot.caption());
    }
    static RasterCanvas painted(const controls::ChromeBitBtn& b) {
        RasterCanvas canvas(b.width(), b.height(), colors::clBlack);
        controls::paintChromeButton(b, canvas, [](controls::Canvas& c) { c.fillRect({0, 0, 1000, 1000}, 0); });
        return canvas;
    }
};

TEST(ChromeFaceRule, PressedColourWinsOverTheHotColour) {
    ChromePair p;
    EXPECT_EQ(ChromePair::painted(p.withHot).image(), ChromePair::painted(p.withoutHot).image()) << "at rest";
    p.withHot.userMouseEnter();
    p.withoutHot.userMouseEnter();
    EXPECT_FALSE(ChromePair::painted(p.withHot).image() == ChromePair::painted(p.withoutHot).image())
        << "hot: the hot colour shows";
    p.withHot.userMouseDown(controls::MouseButton::Left, 0, 80, 20);
    p.withoutHot.userMouseDown(controls::MouseButton::Left, 0, 80, 20);
    EXPECT_EQ(ChromePair::painted(p.withHot).image(), ChromePair::painted(p.withoutHot).image())
        << "pressed and hot: the down colour shows";
}

}  // namespace
