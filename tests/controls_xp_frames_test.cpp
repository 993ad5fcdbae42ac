#include <gtest/gtest.h>

#include <memory>

#include "controls/menu_painter.h"
#include "controls/menu_painter_colors.h"
#include "controls/menu_painter_main_window.h"
#include "controls/raster_canvas.h"
#include "controls/xp_frames.h"
#include "controls/xp_frames_flat_menu.h"
#include "controls/xp_frames_manager.h"
#include "controls/xp_frames_painters.h"
#include "tests/support/pixels.h"

using controls::BorderStyle;
using controls::Color;
using controls::ControlFamily;
using controls::ControlLook;
using controls::DarkenColor;
using controls::FrameEvent;
using controls::LightenColor;
using controls::Menu;
using controls::PainterControl;
using controls::PainterForm;
using controls::RasterCanvas;
using controls::rgb;
using controls::TMenuPainter;
using controls::XpFrameRecord;
namespace colors = controls::colors;
namespace xp_colors = controls::xp_colors;

namespace {

const Color kFace = rgb(212, 208, 200);  // button face on the raster canvas
const Color kHighlight = RasterCanvas::systemColor(13);

// A control's window in memory: its look, its 3-D border, who sits in front of its procedure,
// and the pictures the frames are painted on.
struct FakeSite final : controls::FrameSite {
    FakeSite(int w, int h, Color colour, controls::Rect client) : window(w, h, colour), clientArea(client) {
        look_.color = colour;
        look_.windowWidth = w;
        look_.windowHeight = h;
        look_.client = client;
        paintClient();
    }

    ControlLook look() const override { return look_; }
    bool ctl3D() const override { return ctl3d; }
    void setCtl3D(bool on) override { ctl3d = on; }
    BorderStyle borderStyle() const override { return look_.borderStyle; }
    void setBorderStyle(BorderStyle s) override { look_.borderStyle = s; }
    void subclass(XpFrameRecord* r) override { record = r; }
    void paint(bool wholeWindow, const std::function<void(controls::Canvas&)>& painter) override {
        if (wholeWindow) {
            painter(window);
            return;
        }
        RasterCanvas client(clientArea.right - clientArea.left, clientArea.bottom - clientArea.top);
        client.drawBitmap(0, 0, window.image(), clientArea, std::nullopt);
        painter(client);
        window.drawBitmap(clientArea.left, clientArea.top, client.image(), {0, 0, client.width(), client.height()},
                          std::nullopt);
    }

    // The message reaches the window: the record sees it after the control's own procedure.
    void send(FrameEvent e) {
        if (record == nullptr) return;
        XpFrameRecord* r = record;
        if (r->afterMessage(e) == XpFrameRecord::After::Release) r->painter().releaseRecord(r);
    }
    void paintClient() { window.fillRect(clientArea, look_.color); }

    ControlLook look_;
    bool ctl3d = true;
    XpFrameRecord* record = nullptr;
    RasterCanvas window;
    controls::Rect clientArea;
};

controls::Font font() {
    controls::Font f;
    f.name = "menu";
    f.size = 9;
    f.color = xp_colors::clMenuText;
    return f;
}

// The main window's components as the painter sees them, with in-memory windows for the list and
// the panel.
struct MainWindowForm {
    Menu bar{"MainMenu1"}, list{"PopupMenu1"}, tray{"PopupMenu2"};
    FakeSite listSite{305, 265, colors::clWhite, {2, 2, 303, 263}};
    FakeSite panelSite{193, 265, colors::clBtnFace, {0, 0, 193, 265}};
    PainterForm form = controls::describeMainWindow({bar, list, tray, nullptr}, {&listSite, &panelSite});
};

// ...with MenuPainter1 on it, switched on when `active`.
struct MainWindow : MainWindowForm {
    TMenuPainter painter{form, nullptr, font(), controls::OsGeneration{}};
    explicit MainWindow(bool active = false) {
        controls::designMenuPainter1(painter);
        if (active) painter.setActive(true);
    }
};

}  // namespace

TEST(XpFramesList, ListShowsAFlatFrameInsteadOfItsSunkenBorder) {
    MainWindow w;
    EXPECT_EQ(w.listSite.record, nullptr);  // stored inactive
    w.painter.setActive(true);
    ASSERT_NE(w.listSite.record, nullptr);
    w.listSite.send(FrameEvent::NcPaint);
    EXPECT_FALSE(w.listSite.ctl3d);
    const Color frame = rgb(195, 197, 195);  // DarkenColor(white, 60)
    EXPECT_PIXELS(w.listSite.window, {0, 0, frame}, {304, 264, frame}, {150, 264, frame},
                  {1, 1, colors::clWhite});  // clear brush: the inside stays
}

TEST(XpFramesList, FocusAndMouseLightTheFrame) {
    MainWindow w{true};
    const Color lit = LightenColor(kHighlight, 60);
    w.listSite.look_.focused = true;
    w.listSite.send(FrameEvent::SetFocus);
    EXPECT_EQ(w.listSite.window.pixel(0, 0), lit);
    w.listSite.look_.focused = false;
    w.listSite.send(FrameEvent::KillFocus);
    EXPECT_EQ(w.listSite.window.pixel(0, 0), rgb(195, 197, 195));
    w.listSite.send(FrameEvent::MouseEnter);
    EXPECT_EQ(w.listSite.window.pixel(0, 0), lit);
    w.listSite.send(FrameEvent::MouseLeave);
    EXPECT_EQ(w.listSite.window.pixel(0, 0), rgb(195, 197, 195));
    // A list without the single-line border is framed in its own colour, lit a little less.
    w.listSite.look_.borderStyle = BorderStyle::bsNone;
    w.listSite.send(FrameEvent::Paint);
    EXPECT_EQ(w.listSite.window.pixel(0, 0), colors::clWhite);
    w.listSite.send(FrameEvent::MouseEnter);
    EXPECT_EQ(w.listSite.window.pixel(0, 0), LightenColor(kHighlight, 80));
}

TEST(XpFramesList, DeactivationGivesTheSunkenBorderBack) {
    MainWindow w{true};
    w.listSite.send(FrameEvent::NcPaint);
    ASSERT_FALSE(w.listSite.ctl3d);
    w.painter.setActive(false);
    EXPECT_TRUE(w.listSite.ctl3d);
    EXPECT_EQ(w.listSite.record, nullptr);
    EXPECT_TRUE(w.painter.records().empty());
    // Styled again, and again given back.
    w.painter.setActive(true);
    w.listSite.send(FrameEvent::Paint);
    EXPECT_FALSE(w.listSite.ctl3d);
    w.painter.setActive(false);
    EXPECT_TRUE(w.listSite.ctl3d);
}

TEST(XpFramesList, DestroyedWindowReleasesItsRecordUnlessItIsBeingRecreated) {
    MainWindow w{true};
    ASSERT_EQ(w.painter.records().size(), 2u);
    w.listSite.send(FrameEvent::PositionChanged);
    w.listSite.send(FrameEvent::Destroyed);
    EXPECT_EQ(w.painter.records().size(), 2u);  // kept for the new window
    w.listSite.send(FrameEvent::Paint);         // the new window painted: the mark is gone
    w.listSite.send(FrameEvent::Destroyed);
    EXPECT_EQ(w.painter.records().size(), 1u);
    EXPECT_EQ(w.listSite.record, nullptr);
}

TEST(XpFramesPanel, CommandPanelShowsARaisedBevelInShadesOfButtonFace) {
    MainWindow w{true};
    ASSERT_NE(w.panelSite.record, nullptr);
    w.panelSite.send(FrameEvent::MouseMove);  // panels paint on WM_PAINT only
    EXPECT_EQ(w.panelSite.window.pixel(0, 0), kFace);
    w.panelSite.send(FrameEvent::Paint);
    const Color light = LightenColor(kFace, 60);
    const Color dark = DarkenColor(kFace, 60);
    EXPECT_EQ(light, rgb(238, 236, 233));
    EXPECT_PIXELS(w.panelSite.window, {0, 0, light}, {100, 0, light}, {0, 200, light}, {192, 100, dark},
                  {100, 264, dark}, {192, 0, dark},  // the corners go to the lower edge
                  {0, 264, dark}, {1, 1, kFace});
}

TEST(XpFramesPanel, LoweredOuterAndInnerBevels) {
    MainWindow w;
    w.panelSite.look_.bevelOuter = controls::PanelBevel::bvLowered;
    w.panelSite.look_.bevelInner = controls::PanelBevel::bvRaised;
    w.panelSite.look_.bevelWidth = 2;
    w.panelSite.look_.borderWidth = 3;
    w.painter.setActive(true);
    w.panelSite.send(FrameEvent::Paint);
    const Color light = LightenColor(kFace, 60);
    const Color dark = DarkenColor(kFace, 60);
    EXPECT_PIXELS(w.panelSite.window, {1, 50, dark}, {191, 50, light},
                  {4, 50, kFace},  // the border width between the bevels
                  {5, 50, light},  // the inner bevel, raised
                  {6, 50, light}, {7, 50, kFace}, {187, 50, dark});
}

TEST(XpFramesChoice, ChromeButtonsAndControlsUnderATag999ParentAreNotStyled) {
    MainWindow w;
    FakeSite chrome(161, 41, colors::clSilver, {0, 0, 161, 41});
    for (const char* name : {"Button4", "Button1", "Button2", "Button3"}) {
        w.form.controls[static_cast<std::size_t>(controls::controlIndex(w.form, name))].site = &chrome;
    }
    w.painter.setActive(true);
    EXPECT_EQ(chrome.record, nullptr);  // TChromeBitBtn is none of the recognised classes
    EXPECT_EQ(w.painter.records().size(), 2u);
    w.painter.setActive(false);

    // A plain push button in the same panel would be.
    const int panel = controls::controlIndex(w.form, "Panel1");
    FakeSite plain(80, 30, colors::clBtnFace, {0, 0, 80, 30});
    w.form.controls.push_back({"Plain", "TButton", ControlFamily::Other, 0, panel, &plain});
    w.painter.setActive(true);
    EXPECT_NE(plain.record, nullptr);
    w.painter.setActive(false);

    // Not under a panel tagged 999, nor when tagged 999 itself.
    w.form.controls[static_cast<std::size_t>(panel)].tag = 999;
    w.painter.setActive(true);
    EXPECT_EQ(plain.record, nullptr);
    EXPECT_EQ(w.panelSite.record, nullptr);  // nor the panel itself
    EXPECT_NE(w.listSite.record, nullptr);   // the list's parent is the form
    w.painter.setActive(false);
    w.form.controls[static_cast<std::size_t>(controls::controlIndex(w.form, "CheckListBox1"))].tag = 999;
    w.painter.setActive(true);
    EXPECT_EQ(w.listSite.record, nullptr);
}

TEST(XpFramesChoice, KindsAndContainersFollowTheSets) {
    PainterForm form;
    FakeSite memo(100, 50, colors::clWhite, {2, 2, 98, 48});
    FakeSite inBox(100, 50, colors::clWhite, {2, 2, 98, 48});
    FakeSite derived(100, 50, colors::clWhite, {2, 2, 98, 48});
    form.controls = {{"Box", "TGroupBox", ControlFamily::Other, 0, -1, nullptr},
                     {"Memo1", "TMemo", ControlFamily::Memo, 0, -1, &memo},
                     {"List", "TListBox", ControlFamily::ListBox, 0, 0, &inBox},
                     {"Mine", "TMyMaskEdit", ControlFamily::Other, 0, -1, &derived}};
    TMenuPainter painter(form, nullptr, font(), controls::OsGeneration{});
    painter.setXPContainers(controls::XPContainers::all().without({controls::TXPContainer::xccGroupBox}));
    painter.setActive(true);
    EXPECT_NE(memo.record, nullptr);
    EXPECT_EQ(inBox.record, nullptr);
    EXPECT_EQ(derived.record, nullptr);                      // masked edits only by their exact class
    painter.setXPContainers(controls::XPContainers::all());  // re-applied while active
    EXPECT_NE(inBox.record, nullptr);
    painter.setXPControls(controls::XPControls::all().without({controls::TXPControl::xcMemo}));
    EXPECT_EQ(memo.record, nullptr);
    EXPECT_TRUE(memo.ctl3d);
}

TEST(XpFramesEdit, MemoFrameSurroundsItsClientArea) {
    PainterForm form;
    FakeSite memo(100, 50, colors::clWhite, {2, 2, 98, 48});
    form.controls = {{"Memo1", "TMemo", ControlFamily::Memo, 0, -1, &memo}};
    TMenuPainter painter(form, nullptr, font(), controls::OsGeneration{});
    painter.setUseSystemColors(false);
    painter.setActive(true);
    memo.send(FrameEvent::Paint);
    EXPECT_FALSE(memo.ctl3d);
    EXPECT_PIXELS(memo.window, {1, 1, rgb(195, 197, 195)}, {98, 48, rgb(195, 197, 195)}, {0, 0, colors::clWhite});
    memo.send(FrameEvent::MouseEnter);
    EXPECT_EQ(memo.window.pixel(1, 1), LightenColor(kHighlight, 60));
    memo.look_.borderStyle = BorderStyle::bsNone;
    memo.send(FrameEvent::MouseLeave);
    EXPECT_EQ(memo.window.pixel(1, 1), colors::clWhite);
}

TEST(XpFramesButton, PushButtonFaceAndEdgeFollowThePress) {
    PainterForm form;
    FakeSite button(80, 30, colors::clBtnFace, {0, 0, 80, 30});
    button.look_.caption = "OK";
    button.look_.font = font();
    form.controls = {{"Button1", "TButton", ControlFamily::Other, 0, -1, &button}};
    TMenuPainter painter(form, nullptr, font(), controls::OsGeneration{});
    painter.setActive(true);
    button.send(FrameEvent::Paint);
    const Color quiet = DarkenColor(colors::clGray, 50);              // the edge, clBtnShadow, darkened
    EXPECT_PIXELS(button.window, {79, 10, quiet},                     // raised: right and bottom
                  {40, 29, quiet}, {5, 5, LightenColor(kFace, 16)});  // the icon column colour
    button.send(FrameEvent::MouseEnter);
    button.send(FrameEvent::LeftDown);
    const Color lit = DarkenColor(LightenColor(kHighlight, 60), 50);
    EXPECT_PIXELS(button.window, {0, 10, lit},  // pressed: left and top
                  {40, 0, lit}, {5, 5, LightenColor(kFace, 40)});
    button.send(FrameEvent::LeftUp);
    EXPECT_EQ(button.window.pixel(79, 10), lit);
}

// --- the manager ---------------------------------------------------------------------------------

namespace {

struct OtherForm {
    explicit OtherForm(const char* name, int tag = 0) {
        form.name = name;
        form.tag = tag;
        form.controls = {{"List", "TListBox", ControlFamily::ListBox, 0, -1, &site}};
    }
    FakeSite site{100, 100, colors::clWhite, {2, 2, 98, 98}};
    PainterForm form;
};

}  // namespace

TEST(XpFramesManager, MainWindowPainterStoredInactiveNeverLeads) {
    controls::TMenuPainterManager manager;
    MainWindowForm w;
    OtherForm dual("Form3"), about("AboutBox");
    manager.formCreated(w.form);
    manager.formCreated(about.form);
    manager.formCreated(dual.form);
    TMenuPainter painter(w.form, &manager, font(), controls::OsGeneration{});
    controls::designMenuPainter1(painter);
    painter.loaded();         // registered while still inactive
    painter.setActive(true);  // FormShow
    manager.applicationMessage();
    EXPECT_EQ(manager.leader(), nullptr);
    EXPECT_FALSE(manager.queued(dual.form));
    EXPECT_EQ(dual.site.record, nullptr);  // the dual window and the About box keep the system look
    EXPECT_EQ(about.site.record, nullptr);
    EXPECT_NE(w.listSite.record, nullptr);  // its own form is styled
}

TEST(XpFramesManager, ActiveLeaderStylesFormsWithoutAPainter) {
    controls::TMenuPainterManager manager;
    OtherForm lead("Lead"), plain("Plain"), spared("Spared", 999);
    manager.formCreated(plain.form);
    manager.formCreated(spared.form);
    auto leader = std::make_unique<TMenuPainter>(lead.form, &manager, font(), controls::OsGeneration{});
    leader->setActive(true);
    leader->loaded();
    EXPECT_EQ(manager.leader(), leader.get());
    EXPECT_TRUE(manager.queued(plain.form));
    EXPECT_FALSE(manager.queued(spared.form));
    EXPECT_EQ(plain.site.record, nullptr);  // styled from the message stream, not at once
    manager.applicationMessage();
    EXPECT_NE(plain.site.record, nullptr);
    EXPECT_FALSE(manager.queued(plain.form));
    EXPECT_EQ(spared.site.record, nullptr);

    OtherForm later("Later");
    manager.formCreated(later.form);
    manager.applicationMessage();
    EXPECT_NE(later.site.record, nullptr);

    // A second painter takes over the records of the other forms when the leader goes.
    OtherForm second("Second");
    TMenuPainter next(second.form, &manager, font(), controls::OsGeneration{});
    next.setActive(true);
    next.loaded();
    EXPECT_EQ(manager.leader(), leader.get());
    leader.reset();
    EXPECT_EQ(manager.leader(), &next);
    ASSERT_NE(plain.site.record, nullptr);
    EXPECT_EQ(&plain.site.record->painter(), &next);
    plain.site.send(FrameEvent::Paint);
    EXPECT_EQ(plain.site.window.pixel(0, 0), rgb(195, 197, 195));
}

TEST(XpFramesManager, WithoutASuccessorTheOtherFormsAreRestored) {
    controls::TMenuPainterManager manager;
    OtherForm lead("Lead"), plain("Plain");
    manager.formCreated(plain.form);
    auto leader = std::make_unique<TMenuPainter>(lead.form, &manager, font(), controls::OsGeneration{});
    leader->setActive(true);
    leader->loaded();
    manager.applicationMessage();
    plain.site.send(FrameEvent::Paint);
    ASSERT_FALSE(plain.site.ctl3d);
    leader.reset();
    EXPECT_EQ(manager.leader(), nullptr);
    EXPECT_TRUE(plain.site.ctl3d);
    EXPECT_EQ(plain.site.record, nullptr);
    EXPECT_TRUE(lead.site.ctl3d);
}

TEST(XpFramesManager, RecordsUndoThemselvesOnceTheirPainterStops) {
    controls::TMenuPainterManager manager;
    OtherForm lead("Lead"), plain("Plain");
    manager.formCreated(plain.form);
    TMenuPainter leader(lead.form, &manager, font(), controls::OsGeneration{});
    leader.setActive(true);
    leader.loaded();
    manager.applicationMessage();
    plain.site.send(FrameEvent::Paint);
    leader.setActive(false);
    EXPECT_NE(plain.site.record, nullptr);  // another form's control learns it at its next message
    plain.site.send(FrameEvent::MouseMove);
    EXPECT_EQ(plain.site.record, nullptr);
    EXPECT_TRUE(plain.site.ctl3d);
}

TEST(XpFramesManager, DisableSubclassingHandsTheLeadOn) {
    controls::TMenuPainterManager manager;
    OtherForm a("A"), b("B");
    TMenuPainter first(a.form, &manager, font(), controls::OsGeneration{});
    TMenuPainter second(b.form, &manager, font(), controls::OsGeneration{});
    first.setActive(true);
    second.setActive(true);
    first.loaded();
    second.loaded();
    EXPECT_EQ(manager.leader(), &first);
    first.setDisableSubclassing(true);
    EXPECT_EQ(manager.leader(), &second);
    second.setDisableSubclassing(true);
    EXPECT_EQ(manager.leader(), nullptr);
    first.setDisableSubclassing(false);
    EXPECT_EQ(manager.leader(), &first);
}

TEST(XpFramesManager, FlatMenuRequestsReachTheHostAndFreeThePainter) {
    controls::TMenuPainterManager manager;
    Menu popup{"popup"};
    controls::MenuItem one{"one", "One"}, two{"two", "Two"};
    popup.root.add(one);
    popup.root.add(two);
    PainterForm form;
    form.menus = {{&popup, false, 0, nullptr, false}};
    TMenuPainter painter(form, &manager, font(), controls::OsGeneration{});
    painter.setFlatMenu(true);
    painter.setActive(true);
    painter.loaded();
    std::vector<controls::FlatMenuRequest> posted;
    painter.postFlatMenuMessage = [&](const controls::FlatMenuRequest& r) { posted.push_back(r); };
    int frames = 0;
    manager.drawFlatMenuFrame = [&](const controls::FlatMenuRequest& r, TMenuPainter& p) {
        EXPECT_EQ(r.item, &one);
        EXPECT_EQ(&p, &painter);
        ++frames;
    };
    RasterCanvas menu(120, 60);
    painter.drawItem(one, menu, {4, 3, 116, 24}, false);
    painter.drawItem(two, menu, {4, 24, 116, 45}, false);
    ASSERT_EQ(posted.size(), 1u);
    manager.applicationMessage(&posted[0]);
    EXPECT_EQ(frames, 1);
    painter.drawItem(two, menu, {4, 24, 116, 45}, true);
    EXPECT_EQ(posted.size(), 2u);
}

TEST(XpFramesFlatMenu, FrameOnWindowsXpAndShadowElsewhere) {
    controls::MenuPainterColors c;
    c.menuFrame = rgb(122, 120, 110);
    c.iconColumn = rgb(200, 200, 200);
    c.menu = rgb(250, 250, 250);
    c.menuShadow = rgb(136, 134, 124);
    RasterCanvas xp(60, 40, rgb(9, 9, 9));
    xp.fillRect({0, 3, 60, 4}, rgb(50, 60, 70));
    controls::paintFlatMenuFrame(xp, {60, 40, false, true}, c);
    EXPECT_PIXELS(xp, {0, 0, c.menuFrame}, {59, 39, c.menuFrame}, {1, 20, c.iconColumn},
                  {20, 1, rgb(50, 60, 70)},  // copied from row 3
                  {20, 2, rgb(50, 60, 70)}, {57, 20, c.menu});

    RasterCanvas old(60, 40, rgb(9, 9, 9));
    controls::paintFlatMenuFrame(old, {60, 40, false, false}, c);
    EXPECT_PIXELS(old, {57, 37, c.menuFrame},  // the frame of the 58 x 38 area
                  {59, 20, c.menuShadow}, {30, 39, c.menuShadow}, {59, 1, rgb(9, 9, 9)}, {1, 39, rgb(9, 9, 9)});
}
