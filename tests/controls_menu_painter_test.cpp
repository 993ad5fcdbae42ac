#include <gtest/gtest.h>

#include <stdexcept>

#include "app/main_form.h"
#include "controls/menu_painter.h"
#include "controls/menu_painter_colors.h"
#include "controls/menu_painter_main_window.h"
#include "controls/raster_canvas.h"
#include "tests/support/fixture.h"
#include "tests/support/pixels.h"

using controls::Bitmap;
using controls::Color;
using controls::DarkenColor;
using controls::LightenColor;
using controls::Menu;
using controls::MenuItem;
using controls::PainterForm;
using controls::RasterCanvas;
using controls::Rect;
using controls::rgb;
using controls::TMenuPainter;
namespace colors = controls::colors;
namespace xp_colors = controls::xp_colors;

namespace {

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBarColour = 0xD0C6E4;   // red 228, green 198, blue 208
constexpr Color kInk = colors::clBlack;  // clMenuText on the raster canvas

controls::Font menuFont(int points = 9) {
    controls::Font f;
    f.name = "menu";
    f.size = points;
    f.color = xp_colors::clMenuText;
    return f;
}

// A form with one menu bar and one popup menu, the bar's items and the popup's items given.
struct MenuForm {
    Menu bar{"bar"};
    Menu popup{"popup"};
    MenuItem file{"file", "&File"};
    MenuItem open{"open", "&Open"};
    MenuItem recent{"recent", "Recent"};
    MenuItem first{"first", "first.txt"};
    MenuItem line{"line", "-"};
    MenuItem quit{"quit", "Quit"};
    MenuItem tick{"tick", "Tick"};
    MenuItem hidden{"hidden", "Hidden"};
    controls::ImageList images;
    PainterForm form;

    MenuForm() {
        bar.root.add(file);
        file.add(open);
        file.add(recent);
        recent.add(first);
        file.add(line);
        file.add(quit);
        popup.root.add(tick);
        popup.root.add(hidden);
        Bitmap square(16, 16, kRed);
        square.set(0, 15, colors::clFuchsia);
        images.images.push_back(square);
        images.maskColor = colors::clFuchsia;
        form.menus = {{&bar, true, 0, &images, false}, {&popup, false, 0, nullptr, false}};
    }
};

// MenuPainter1 as the form stores it, switched on when `active`.
struct Painter {
    MenuForm menus;
    TMenuPainter painter{menus.form, nullptr, menuFont(), controls::OsGeneration{}};
    explicit Painter(bool active = false) {
        controls::designMenuPainter1(painter);
        if (active) painter.setActive(true);
    }
};

controls::Size measured(TMenuPainter& painter, MenuItem& item, int width = 0, int height = 0) {
    RasterCanvas canvas(10, 10);
    painter.measureItem(item, canvas, width, height);
    return {width, height};
}

bool ownerDrawn(const PainterForm& form, const MenuItem& item) {
    return form.menuEvents.ownerDrawn(item);
}

// Off-screen pictures that keep the texts drawn on the last one, for the caption tests.
struct TextRecorder {
    std::vector<RasterCanvas::TextRun> runs;

    controls::OffscreenFactory factory() {
        return [this](controls::Canvas&, int w, int h) -> std::unique_ptr<controls::OffscreenSurface> {
            return std::make_unique<Surface>(*this, w, h);
        };
    }

private:
    struct Surface final : controls::OffscreenSurface {
        Surface(TextRecorder& r, int w, int h) : recorder(r), raster(w, h) {}
        controls::Canvas& canvas() override { return raster; }
        void copyTo(controls::Canvas& target, int x, int y) override {
            target.drawBitmap(x, y, raster.image(), {0, 0, raster.width(), raster.height()}, std::nullopt);
            recorder.runs = raster.textRuns();
        }
        TextRecorder& recorder;
        RasterCanvas raster;
    };
};

}  // namespace

// --- colour arithmetic ---------------------------------------------------------------------------

TEST(MenuPainterColours, LightenColorStopsAtWhiteAndRoundsHalvesToEven) {
    EXPECT_EQ(LightenColor(colors::clBlack, 100), colors::clWhite);
    EXPECT_EQ(LightenColor(colors::clBlack, 250), colors::clWhite);  // capped at 100 percent
    EXPECT_EQ(LightenColor(rgb(12, 34, 56), 0), rgb(12, 34, 56));
    EXPECT_EQ(LightenColor(colors::clWhite, 60), colors::clWhite);
    EXPECT_EQ(LightenColor(colors::clBlack, 10), rgb(26, 26, 26));      // 25.5 goes up to the even 26
    EXPECT_EQ(LightenColor(colors::clBlack, 30), rgb(76, 76, 76));      // 76.5 goes down to the even 76
    EXPECT_EQ(LightenColor(rgb(254, 0, 128), 50), rgb(254, 128, 192));  // 0.5 -> 0, 127.5 -> 128, 63.5 -> 64
}

TEST(MenuPainterColours, DarkenColorKeepsGreenTwoHigherAndClampsEveryChannel) {
    EXPECT_EQ(DarkenColor(colors::clWhite, 60), rgb(195, 197, 195));
    EXPECT_EQ(DarkenColor(colors::clWhite, 0), colors::clWhite);  // green would be 257
    EXPECT_EQ(DarkenColor(colors::clBlack, 10), colors::clBlack);
    EXPECT_EQ(DarkenColor(rgb(5, 9, 200), 10), rgb(0, 1, 190));
    EXPECT_EQ(DarkenColor(rgb(10, 10, 10), -300), colors::clWhite);
}

TEST(MenuPainterColours, GrayShadeIsTheMeanPlusTheAmountAtMost240) {
    EXPECT_EQ(controls::GrayShade(rgb(30, 60, 90), 10), rgb(70, 70, 70));
    EXPECT_EQ(controls::GrayShade(colors::clWhite, 10), rgb(240, 240, 240));
    EXPECT_EQ(controls::GrayShade(rgb(1, 1, 2), 0), rgb(1, 1, 1));
}

TEST(MenuPainterColours, BitmapsAreRecolouredPixelByPixel) {
    Bitmap picture(3, 1, colors::clBlack);
    picture.set(1, 0, colors::clWhite);
    const Bitmap light = controls::lightenBitmap(picture, 30);
    EXPECT_EQ(light.at(0, 0), rgb(76, 76, 76));
    EXPECT_EQ(light.at(1, 0), colors::clWhite);
    EXPECT_EQ(light.at(2, 0), rgb(76, 76, 76));
    const Bitmap grey = controls::grayBitmap(light, 10);
    EXPECT_EQ(grey.at(1, 0), rgb(240, 240, 240));
}

TEST(MenuPainterColours, SlotsFollowTheDisplayDepthAndTheSystemColourSwitch) {
    Painter p;
    RasterCanvas canvas(1, 1);
    const Color face = rgb(212, 208, 200);
    const auto& stored = p.painter.colors(canvas);
    EXPECT_EQ(stored.menu, face);
    EXPECT_EQ(stored.iconColumn, 0xBFBFBE);
    EXPECT_EQ(stored.selection, LightenColor(canvas.toRgb(xp_colors::clHighlight), 68));  // UseDimColor
    EXPECT_EQ(stored.menuBar, kBarColour);
    EXPECT_EQ(stored.disabled, xp_colors::clPurple);
    EXPECT_EQ(stored.separator, xp_colors::clMoneyGreen);
    EXPECT_EQ(stored.menuFrame, DarkenColor(face, 90));

    p.painter.displayColourBits = 8;
    p.painter.setSelectColor(rgb(10, 20, 30));  // marks the slots for recomputation
    const auto& few = p.painter.colors(canvas);
    EXPECT_EQ(few.selection, rgb(10, 20, 30));
    EXPECT_EQ(few.checked, colors::clWhite);
    EXPECT_EQ(few.checkedSelected, colors::clSilver);
    EXPECT_EQ(few.menuShadow, colors::clGray);

    p.painter.setUseSystemColors(true);
    const auto& system = p.painter.colors(canvas);
    EXPECT_EQ(system.menu, colors::clWhite);
    EXPECT_EQ(system.iconColumn, face);
    EXPECT_EQ(system.checkedSelected, colors::clWhite);
    p.painter.displayColourBits = 32;
    p.painter.setUseSystemColors(true);
    EXPECT_EQ(p.painter.colors(canvas).menu, LightenColor(face, 86));
}

// --- measuring -----------------------------------------------------------------------------------

TEST(MenuPainterMeasure, SeparatorIsFourHighWhateverTheFont) {
    Painter p{true};
    EXPECT_EQ(measured(p.painter, p.menus.line).height, 4);
    controls::Font big = menuFont(40);
    p.painter.setFont(big);
    EXPECT_EQ(measured(p.painter, p.menus.line).height, 4);
}

TEST(MenuPainterMeasure, AccessKeyMarkIsNotCountedAndTheIconColumnIs) {
    Painter p{true};
    // Raster metric at 9 points: 12 pixels high, 6 wide per character.
    const controls::Size open = measured(p.painter, p.menus.open);
    EXPECT_EQ(open.width, 5 * 6 - 6 + 5 + 24);
    EXPECT_EQ(open.height, 12 + 9);
    p.menus.open.imageIndex = 0;  // a 16-pixel picture: still the column's 24
    EXPECT_EQ(measured(p.painter, p.menus.open).width, 5 * 6 - 6 + 5 + 24);
    EXPECT_EQ(measured(p.painter, p.menus.open).height, 16 + 6);
    // The system's proposal is only ever enlarged.
    EXPECT_EQ(measured(p.painter, p.menus.open, 300, 40).width, 300);
    EXPECT_EQ(measured(p.painter, p.menus.open, 300, 40).height, 40);
}

TEST(MenuPainterMeasure, SubmenusShortcutsAndBarItems) {
    Painter p{true};
    EXPECT_EQ(measured(p.painter, p.menus.recent).width, 6 * 6 + 5 + 6 + 24);
    p.menus.form.itemExtras[&p.menus.quit].shortcutText = "Ctrl+Q";
    EXPECT_EQ(measured(p.painter, p.menus.quit).width, (4 + 6 + 3) * 6 + 5 + 24);
    // A bar item has neither the column nor the submenu arrow's room.
    EXPECT_EQ(measured(p.painter, p.menus.file).width, 5 * 6 - 6 + 5);
}

TEST(MenuPainterMeasure, InactivePainterLeavesTheProposalAlone) {
    Painter p;
    EXPECT_EQ(measured(p.painter, p.menus.open, 7, 8).width, 7);
    EXPECT_EQ(measured(p.painter, p.menus.open, 7, 8).height, 8);
}

// --- painting ------------------------------------------------------------------------------------

namespace {

RasterCanvas drawn(TMenuPainter& painter, MenuItem& item, const Rect& rect, bool selected, int width = 240,
                   int height = 60, Color background = rgb(1, 2, 3)) {
    RasterCanvas canvas(width, height, background);
    painter.drawItem(item, canvas, rect, selected);
    return canvas;
}

int leftmostColumnWith(const RasterCanvas& c, Color colour) {
    for (int x = 0; x < c.width(); ++x) {
        for (int y = 0; y < c.height(); ++y) {
            if (c.pixel(x, y) == colour) return x;
        }
    }
    return -1;
}

}  // namespace

TEST(MenuPainterPaint, SixteenPixelIconSitsThreePixelsRightOfItsBox) {
    Painter p{true};
    p.menus.open.imageIndex = 0;
    const Rect rect{10, 5, 150, 27};
    const RasterCanvas c = drawn(p.painter, p.menus.open, rect, false);
    // Not selected: the picture is lightened by DimLevel 30.
    const int iconLeft = leftmostColumnWith(c, LightenColor(kRed, 30));
    controls::MenuItemFacts facts;
    facts.image = &p.menus.images.images[0];
    controls::MenuPaintSettings settings;
    settings.iconWidth = 24;
    const Rect box = controls::menuItemIconBox(facts, settings, 144, 22);
    EXPECT_EQ(iconLeft, rect.left - 4 + box.left + 3);
    EXPECT_EQ(iconLeft, rect.left + 4);
    // The see-through corner shows the background.
    EXPECT_NE(c.pixel(iconLeft, 5 + 2 + 3 + 15), LightenColor(kRed, 30));
}

TEST(MenuPainterPaint, SelectedPopupIconRisesWithAShadow) {
    Painter p{true};
    p.menus.open.imageIndex = 0;
    const Rect rect{10, 5, 150, 27};
    const RasterCanvas c = drawn(p.painter, p.menus.open, rect, true);
    const int iconLeft = leftmostColumnWith(c, kRed);  // not lightened when highlighted
    EXPECT_EQ(iconLeft, rect.left + 3);
    const RasterCanvas canvas(1, 1);
    const Color shadow = DarkenColor(LightenColor(canvas.toRgb(xp_colors::clHighlight), 68), 50);
    EXPECT_EQ(c.pixel(iconLeft + 16 + 1, 5 + 2 + 3 - 1 + 2 + 5), shadow);
}

TEST(MenuPainterPaint, EveryBarItemOfTheMainMenuIsFilledWithTheBarColour) {
    testing_support::Fixture fx;
    folvaric::buildForm1(fx.form);
    folvaric::Form1& f = fx.form;
    PainterForm form = controls::describeMainWindow({f.MainMenu1, f.PopupMenu1, f.PopupMenu2, nullptr}, {});
    TMenuPainter painter(form, nullptr, menuFont(), controls::OsGeneration{});
    controls::designMenuPainter1(painter);
    painter.setActive(true);
    ASSERT_FALSE(f.MainMenu1.root.items.empty());
    RasterCanvas bar(800, 30, rgb(1, 2, 3));
    int left = 0;
    for (MenuItem* item : f.MainMenu1.root.items) {
        ASSERT_TRUE(form.menuEvents.ownerDrawn(*item));
        int w = 0, h = 0;
        painter.measureItem(*item, bar, w, h);
        const Rect rect{left, 2, left + w, 2 + h};
        painter.drawItem(*item, bar, rect, false);
        for (int y = rect.top; y < rect.bottom - 1; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                const Color c = bar.pixel(x, y);
                ASSERT_TRUE(c == kBarColour || c == kInk) << item->name << " at " << x << "," << y;
            }
        }
        EXPECT_PIXELS(bar, {rect.left, rect.top, kBarColour}, {rect.right - 1, rect.bottom - 2, kBarColour},
                      {rect.left, rect.bottom - 1, rgb(1, 2, 3)});  // one pixel less high
        left = rect.right;
    }
    EXPECT_EQ(bar.pixel(left + 5, 5), rgb(1, 2, 3));  // the empty rest of the bar is not painted
}

TEST(MenuPainterPaint, SelectedBarItemHasItsFrameAndGradedShadow) {
    Painter p{true};
    const Rect rect{0, 0, 60, 21};  // drawn 20 high
    const RasterCanvas c = drawn(p.painter, p.menus.file, rect, true, 60, 21);
    const RasterCanvas any(1, 1);
    const Color border = any.toRgb(xp_colors::clHighlight);
    const Color fill = LightenColor(border, 68);
    const int right = 60, bottom = 20;
    EXPECT_PIXELS(c, {0, 0, border}, {0, bottom - 1, border}, {right - 9, 0, border}, {right - 8, bottom - 1, border},
                  {2, bottom - 1, fill}, {right - 7, 0, DarkenColor(kBarColour, 10)},
                  {right - 7, 3, DarkenColor(kBarColour, 30)}, {right - 7, 5, DarkenColor(kBarColour, 60)},
                  {right - 7, bottom - 1, DarkenColor(kBarColour, 100)}, {right - 6, 5, DarkenColor(kBarColour, 40)},
                  {right - 4, 7, DarkenColor(kBarColour, 30)}, {right - 1, 1, kBarColour},
                  {right - 1, 6, DarkenColor(kBarColour, 10)},  // the line stops short of its end
                  {right - 5, 3, DarkenColor(kBarColour, 10)});

    p.painter.displayColourBits = 8;
    const RasterCanvas few = drawn(p.painter, p.menus.file, rect, true, 60, 21);
    EXPECT_PIXELS(few, {right - 3, 0, border}, {right - 1, 10, DarkenColor(kBarColour, 70)},
                  {right - 1, 0, kBarColour});
}

TEST(MenuPainterPaint, CheckedItemWithoutImageShowsTheFiveStrokeCheck) {
    Painter p{true};
    p.menus.tick.setChecked(true);
    const Rect rect{4, 0, 124, 22};
    const RasterCanvas c = drawn(p.painter, p.menus.tick, rect, false, 124, 22);
    // The 10 x 10 box centred in the 24-pixel column: (11, 6) to (21, 16) on this canvas.
    const int L = 4 + 7, T = 6, R = L + 10, B = T + 10;
    EXPECT_PIXELS(c, {L + 1, T + 5, kInk},   // stroke 1 starts
                  {L + 3, B - 3, kInk},      // strokes 1 to 3 run down to the bottom of the check
                  {L + 4, B - 3, kInk},      // stroke 4 starts
                  {R + 1, T, kInk});         // ...and rises past the box
    EXPECT_NE(c.pixel(R + 2, T - 1), kInk);  // without its end point
    EXPECT_EQ(c.pixel(L + 4, B - 2), kInk);  // stroke 5 starts where stroke 1 ends
    EXPECT_NE(c.pixel(L, T), kInk);
    EXPECT_NE(c.pixel(R - 1, B - 1), kInk);
    EXPECT_NE(c.pixel(L + 1, T + 4), kInk);

    p.menus.tick.setEnabled(false);
    const RasterCanvas off = drawn(p.painter, p.menus.tick, rect, false, 124, 22);
    EXPECT_EQ(off.pixel(L + 1, T + 5), xp_colors::clPurple);
}

TEST(MenuPainterPaint, CheckedItemWithImageShowsItOnAFramedBackground) {
    Painter p{true};
    p.menus.open.imageIndex = 0;
    p.menus.open.setChecked(true);
    const Rect rect{4, 0, 124, 22};
    const RasterCanvas c = drawn(p.painter, p.menus.open, rect, false, 124, 22);
    const RasterCanvas any(1, 1);
    const Color border = any.toRgb(xp_colors::clHighlight);
    const Color inside = LightenColor(border, 80);  // checked background, UseDimColor
    // The box: the column less 1 left, 2 top, 3 right, 2 bottom.
    EXPECT_PIXELS(c, {4 + 1, 2, border}, {4 + 20, 19, border}, {4 + 2, 3, inside},
                  {4 + 1 + 3 + 4, 2 + 3 + 4, kRed});  // the picture, not lightened when checked
}

TEST(MenuPainterPaint, PopupGradientGrowsFastOverTheIconColumnAndLeavesTheStripWhite) {
    Painter p{true};
    const Rect rect{4, 0, 104, 22};
    const RasterCanvas c = drawn(p.painter, p.menus.quit, rect, false, 104, 22);
    const Color column = 0xBFBFBE;
    EXPECT_PIXELS(c, {0, 0, colors::clWhite}, {3, 21, colors::clWhite}, {4, 0, LightenColor(column, 1)},
                  {5, 0, LightenColor(column, 4)}, {4 + 28, 0, LightenColor(column, 1 + 28 * 3)},
                  {4 + 29, 21, LightenColor(column, 1 + 28 * 3 + 1)}, {103, 0, LightenColor(column, 96)});
}

TEST(MenuPainterPaint, SeparatorLineAndCaptionColours) {
    Painter p{true};
    const RasterCanvas c = drawn(p.painter, p.menus.line, {4, 0, 104, 4}, false, 104, 4);
    EXPECT_EQ(c.pixel(4 + 24 + 7, 2), xp_colors::clMoneyGreen);
    EXPECT_NE(c.pixel(4 + 24 + 6, 2), xp_colors::clMoneyGreen);
    EXPECT_EQ(c.pixel(103, 2), xp_colors::clMoneyGreen);

    TextRecorder texts;
    p.painter.offscreen = texts.factory();
    drawn(p.painter, p.menus.quit, {4, 0, 104, 21}, false, 104, 21);
    ASSERT_EQ(texts.runs.size(), 1u);
    EXPECT_EQ(texts.runs[0].font.color, kInk);
    EXPECT_EQ(texts.runs[0].text, " Quit");
    EXPECT_EQ(texts.runs[0].x, 4 + 24 + 3);
    EXPECT_EQ(texts.runs[0].y, (21 - 12) / 2);
    drawn(p.painter, p.menus.quit, {4, 0, 104, 21}, true, 104, 21);
    EXPECT_EQ(texts.runs[0].font.color, kInk);  // SelectFontColor is clMenuText too
    p.menus.quit.setEnabled(false);
    drawn(p.painter, p.menus.quit, {4, 0, 104, 21}, true, 104, 21);
    EXPECT_EQ(texts.runs[0].font.color, xp_colors::clPurple);  // disabled wins over selected
}

TEST(MenuPainterPaint, DefaultItemGetsAHaloAndShortcutGoesRight) {
    Painter p{true};
    auto& extras = p.menus.form.itemExtras[&p.menus.quit];
    extras.isDefault = true;
    extras.shortcutText = "Ctrl+Q";
    TextRecorder texts;
    p.painter.offscreen = texts.factory();
    drawn(p.painter, p.menus.quit, {4, 0, 204, 21}, false, 204, 21);
    const auto& runs = texts.runs;
    ASSERT_EQ(runs.size(), 6u);  // four halo copies, the caption, the shortcut
    EXPECT_EQ(runs[0].x, runs[4].x + 1);
    EXPECT_EQ(runs[1].y, runs[4].y + 2);
    EXPECT_EQ(runs[2].x, runs[4].x);
    // Each copy is a shade of what lay under its corner: the gradient of the item's background.
    const Color column = 0xBFBFBE;
    const int cornerX = runs[3].x;  // column 28 + 3 + 1 of the item, 32 columns from its left edge
    EXPECT_EQ(runs[3].font.color, DarkenColor(LightenColor(column, std::min(96, 1 + 28 * 3 + (cornerX - 4 - 28))), 60));
    EXPECT_EQ(runs[4].font.color, kInk);
    EXPECT_EQ(runs[5].text, "Ctrl+Q ");
    EXPECT_EQ(runs[5].x + 7 * 6, 204 - 10);
}

TEST(MenuPainterPaint, NothingIsPaintedWhileInactiveAndErrorsAreSwallowed) {
    Painter p;
    const RasterCanvas idle = drawn(p.painter, p.menus.quit, {4, 0, 104, 21}, false);
    EXPECT_EQ(idle.pixel(50, 10), rgb(1, 2, 3));
    p.painter.setActive(true);
    p.painter.offscreen = [](controls::Canvas&, int, int) -> std::unique_ptr<controls::OffscreenSurface> {
        throw std::runtime_error("out of GDI objects");
    };
    const RasterCanvas failed = drawn(p.painter, p.menus.quit, {4, 0, 104, 21}, false);
    EXPECT_EQ(failed.pixel(50, 10), rgb(1, 2, 3));
}

TEST(MenuPainterPaint, HotBarItemUnderTheMouseGetsAShorterFrame) {
    Painter p{true};
    p.painter.cursorOnForm = [] { return std::optional<std::pair<int, int>>({{10, 5}}); };
    const RasterCanvas hot = drawn(p.painter, p.menus.file, {0, 0, 60, 21}, false, 60, 21);
    const RasterCanvas any(1, 1);
    EXPECT_PIXELS(hot, {0, 0, any.toRgb(xp_colors::clHighlight)}, {60 - 8, 0, any.toRgb(xp_colors::clHighlight)},
                  {60 - 7, 0, kBarColour});
    p.painter.cursorOnForm = [] { return std::optional<std::pair<int, int>>({{59, 5}}); };  // the spared column
    EXPECT_EQ(drawn(p.painter, p.menus.file, {0, 0, 60, 21}, false, 60, 21).pixel(0, 0), kBarColour);
}

TEST(MenuPainterPaint, FlatMenuAsksForTheFrameOnceUntilHandled) {
    Painter p{true};
    p.painter.setFlatMenu(true);
    std::vector<controls::FlatMenuRequest> posted;
    p.painter.postFlatMenuMessage = [&](const controls::FlatMenuRequest& r) { posted.push_back(r); };
    drawn(p.painter, p.menus.open, {4, 0, 104, 21}, false);
    drawn(p.painter, p.menus.quit, {4, 21, 104, 42}, false);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].item, &p.menus.open);
    p.painter.flatMenuMessageHandled();
    drawn(p.painter, p.menus.file, {0, 0, 50, 20}, false);  // bar items have no menu window
    drawn(p.painter, p.menus.quit, {4, 21, 104, 42}, false);
    EXPECT_EQ(posted.size(), 2u);
}

// --- activation ----------------------------------------------------------------------------------

TEST(MenuPainterActivation, AllMenuItemsGetThePaintersHandlersExceptTag999) {
    Painter p;
    MenuForm& m = p.menus;
    m.recent.tag = 999;
    EXPECT_FALSE(ownerDrawn(m.form, m.open));
    p.painter.setActive(true);
    for (MenuItem* item : {&m.file, &m.open, &m.first, &m.line, &m.quit, &m.tick, &m.hidden}) {
        EXPECT_TRUE(ownerDrawn(m.form, *item)) << item->name;
    }
    EXPECT_FALSE(ownerDrawn(m.form, m.recent));  // the system draws it
    EXPECT_TRUE(ownerDrawn(m.form, m.first));    // its sub-items are still painted
    p.painter.setActive(false);
    for (MenuItem* item : {&m.file, &m.open, &m.first, &m.tick}) EXPECT_FALSE(ownerDrawn(m.form, *item));
}

TEST(MenuPainterActivation, MainMenuTagged999AndDisabledKindsAreLeftAlone) {
    Painter p;
    MenuForm& m = p.menus;
    m.form.menus[0].tag = 999;
    p.painter.setActive(true);
    EXPECT_FALSE(ownerDrawn(m.form, m.file));
    EXPECT_TRUE(ownerDrawn(m.form, m.tick));
    p.painter.setActive(false);
    m.form.menus[0].tag = 0;
    p.painter.setXPControls(controls::XPControls::all().without({controls::TXPControl::xcPopupMenu}));
    p.painter.setActive(true);
    EXPECT_TRUE(ownerDrawn(m.form, m.file));
    EXPECT_FALSE(ownerDrawn(m.form, m.tick));
    // Changing the kinds while active re-applies them.
    p.painter.setXPControls(controls::XPControls::all());
    EXPECT_TRUE(ownerDrawn(m.form, m.tick));
}

TEST(MenuPainterActivation, OwnHandlersAreKeptUnlessOverrideOwnerDraw) {
    Painter p;
    MenuForm& m = p.menus;
    int ownDraws = 0;
    m.form.menuEvents.of(m.quit).onDrawItem.handler = [&](MenuItem&, controls::Canvas&, const Rect&, bool) {
        ++ownDraws;
    };
    p.painter.setActive(true);
    RasterCanvas canvas(50, 50);
    m.form.menuEvents.of(m.quit).onDrawItem.handler(m.quit, canvas, {4, 0, 40, 20}, false);
    EXPECT_EQ(ownDraws, 1);
    EXPECT_EQ(m.form.menuEvents.of(m.quit).onDrawItem.installedBy, nullptr);
    EXPECT_EQ(m.form.menuEvents.of(m.quit).onMeasureItem.installedBy, &p.painter);  // it had none

    p.painter.setOverrideOwnerDraw(true);  // while active: replaces it at once
    EXPECT_EQ(m.form.menuEvents.of(m.quit).onDrawItem.installedBy, &p.painter);
    m.form.menuEvents.of(m.quit).onDrawItem.handler(m.quit, canvas, {4, 0, 40, 20}, false);
    EXPECT_EQ(ownDraws, 1);
    EXPECT_NE(canvas.pixel(30, 10), colors::clWhite);  // the painter painted it

    // Leaving gives the form its own handler back rather than an owner-drawn item nobody draws.
    p.painter.setActive(false);
    ASSERT_FALSE(m.form.menuEvents.of(m.quit).onDrawItem.empty());
    m.form.menuEvents.of(m.quit).onDrawItem.handler(m.quit, canvas, {4, 0, 40, 20}, false);
    EXPECT_EQ(ownDraws, 2);
    EXPECT_TRUE(m.form.menuEvents.of(m.quit).onMeasureItem.empty());
}

TEST(MenuPainterActivation, ItemsAddedWhileActiveAreTakenOnWithAutoDetect) {
    Painter p;
    MenuForm& m = p.menus;
    p.painter.setActive(true);
    MenuItem added{"added", "Added"};
    m.file.add(added);
    p.painter.menuItemInserted(added);
    EXPECT_TRUE(ownerDrawn(m.form, added));

    MenuItem ignored{"ignored", "Ignored"};
    p.painter.setAutoDetect(false);
    m.file.add(ignored);
    p.painter.menuItemInserted(ignored);
    EXPECT_FALSE(ownerDrawn(m.form, ignored));
}

TEST(MenuPainterActivation, StoredValuesOfMenuPainter1) {
    Painter p;
    const TMenuPainter& mp = p.painter;
    EXPECT_FALSE(mp.active());
    EXPECT_EQ(mp.menuBarColor(), 0xD0C6E4u);
    EXPECT_EQ(mp.iconBackColor(), 0xBFBFBEu);
    EXPECT_EQ(mp.font().name, text::gbk("宋体"));
    EXPECT_EQ(RasterCanvas::cellHeight(mp.font()), 12);
    EXPECT_TRUE(mp.drawMenuBar() && mp.gradient() && mp.useDimColor() && mp.autoDetect());
    EXPECT_FALSE(mp.useSystemColors() || mp.flatMenu() || mp.overrideOwnerDraw());
    EXPECT_FALSE(mp.xpControls().has(controls::TXPControl::xcToolbar));
    EXPECT_FALSE(mp.xpControls().has(controls::TXPControl::xcCheckBox));
    EXPECT_TRUE(mp.xpControls().has(controls::TXPControl::xcListBox));
    EXPECT_TRUE(mp.xpControls().has(controls::TXPControl::xcPanel));

    // The component's own initial values, before the form's stored ones.
    PainterForm blank;
    const TMenuPainter fresh(blank, nullptr, menuFont(), controls::OsGeneration{});
    EXPECT_EQ(fresh.dimLevel(), 30);
    EXPECT_EQ(fresh.grayLevel(), 10);
    EXPECT_EQ(fresh.iconWidth(), 24);
    EXPECT_TRUE(fresh.useSystemColors() && fresh.drawSelect());
    EXPECT_EQ(fresh.selectColor(), xp_colors::clHighlight);
    EXPECT_EQ(fresh.disabledColor(), xp_colors::clInactiveCaption);
    EXPECT_EQ(fresh.selectFontColor(), xp_colors::clMenuText);  // the font's colour
    EXPECT_TRUE(fresh.xpControls() == controls::XPControls::all());
    EXPECT_TRUE(blank.ownsPainter);
}

TEST(MenuPainterActivation, MainWindowMenusArePaintedOnceShown) {
    testing_support::Fixture fx;
    folvaric::buildForm1(fx.form);
    folvaric::Form1& f = fx.form;
    PainterForm form = controls::describeMainWindow({f.MainMenu1, f.PopupMenu1, f.PopupMenu2, nullptr}, {});
    TMenuPainter painter(form, nullptr, menuFont(), controls::OsGeneration{});
    controls::designMenuPainter1(painter);
    int barRedraws = 0;
    painter.redrawMenuBar = [&] { ++barRedraws; };
    painter.setActive(f.menuPainterActive);
    EXPECT_FALSE(form.menuEvents.ownerDrawn(f.fileMenu.title));
    f.menuPainterActive = true;  // what FormShow leaves
    painter.setActive(f.menuPainterActive);
    EXPECT_GE(barRedraws, 1);
    for (MenuItem* item : {&f.fileMenu.title, &f.fileMenu.saveDefaultSet, &f.editMenu.copyPath, &f.listMenu.tickAll,
                           &f.listMenu.copyPath, &f.trayMenu.minimiseAll, &f.trayMenu.exit}) {
        EXPECT_TRUE(form.menuEvents.ownerDrawn(*item)) << item->name;
    }
}

TEST(MenuPainterActivation, WindowsGenerationDecidesHotTrackingAndTheMenuFrame) {
    platform::VersionRecord v;
    v.platformId = 2;
    v.majorVersion = 5;
    v.minorVersion = 1;
    EXPECT_TRUE(controls::osGenerationOf(v).windowsXp);
    v.minorVersion = 0;
    EXPECT_TRUE(controls::osGenerationOf(v).windows2000);
    EXPECT_FALSE(controls::osGenerationOf(v).windowsXp);
    v.majorVersion = 6;
    v.minorVersion = 1;
    EXPECT_FALSE(controls::osGenerationOf(v).windowsXp);  // Vista and 7 get the painted shadow
    EXPECT_TRUE(controls::osGenerationOf(v).ntFamily);
    v.platformId = 1;
    EXPECT_FALSE(controls::osGenerationOf(v).ntFamily);

    // Without the NT family a bar item under the mouse is not lit.
    MenuForm m;
    controls::OsGeneration old;
    old.ntFamily = false;
    TMenuPainter painter(m.form, nullptr, menuFont(), old);
    controls::designMenuPainter1(painter);
    painter.setActive(true);
    painter.cursorOnForm = [] { return std::optional<std::pair<int, int>>({{10, 5}}); };
    RasterCanvas bar(60, 21);
    painter.drawItem(m.file, bar, {0, 0, 60, 21}, false);
    EXPECT_EQ(bar.pixel(0, 0), kBarColour);
}
