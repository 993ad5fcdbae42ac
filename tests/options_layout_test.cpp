// The main window fitted to the screen at start, and its controls kept attached to the
// window's edges at every size.
#include "app_fixture.h"
#include "options/layout.h"

namespace testing_support {
namespace {

using controls::Bounds;
using folvaric::FormResize;

struct LayoutTest : AppFixture {
    void startOnScreen(int width, int height) {
        sim.setScreen(width, height);
        writeSettings();
        start();
    }

    int panelRight() const { return form.Panel1.left() + form.Panel1.width(); }
    int panelBottom() const { return form.Panel1.top() + form.Panel1.height(); }

    // The invariants of the rule at the window's present size.
    void expectAttached() const {
        EXPECT_EQ(form.bounds.width - panelRight(), 45);
        EXPECT_EQ(form.bounds.height - panelBottom(), 147);
        EXPECT_EQ(form.StatusBar1.top(), panelBottom() + 15);
        EXPECT_EQ(form.CheckListBox1.left() + form.CheckListBox1.width() + 5, form.Panel1.left());
        EXPECT_EQ(form.StatusBar1.left() + form.StatusBar1.width() + 45, form.bounds.width);
        EXPECT_EQ(form.CheckListBox1.height(), form.Panel1.height());
    }
};

TEST_F(LayoutTest, A1024By768ScreenStartsTheWindowAt734By618Centred) {
    startOnScreen(1024, 768);
    EXPECT_EQ(form.bounds, (Bounds{145, 75, 734, 618}));
    EXPECT_EQ(form.CheckListBox1.bounds(), (Bounds{24, 71, 467, 400}));
    EXPECT_EQ(form.Panel1.bounds(), (Bounds{496, 71, 193, 400}));
    EXPECT_EQ(form.StatusBar1.bounds(), (Bounds{24, 486, 665, 46}));
}

// Larger screens scale width and height separately, with truncation; a design-wide but taller
// screen only the height; smaller screens keep the design size; a wide but low one never goes
// below the minimum height. The controls stay attached to the edges.
TEST(LayoutScreens, TheWindowFollowsTheScreenWithinItsLimits) {
    struct Screen : LayoutTest {
        void TestBody() override {}
    };
    const struct {
        int screenWidth, screenHeight, width, height;
    } cases[] = {
        {1920, 1080, 1377, 869}, {800, 768, 574, 618}, {640, 480, 574, 483}, {1280, 300, 918, folvaric::minimumHeight}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.screenWidth) + " x " + std::to_string(c.screenHeight));
        Screen t;
        t.startOnScreen(c.screenWidth, c.screenHeight);
        EXPECT_EQ(t.form.bounds.width, c.width);
        EXPECT_EQ(t.form.bounds.height, c.height);
        EXPECT_GT(t.form.CheckListBox1.height(), 0);
        EXPECT_EQ(t.form.rightMargin, 45);
        EXPECT_EQ(t.form.bottomMargin, 147);
        EXPECT_EQ(t.form.statusGap, 15);
        t.expectAttached();
    }
}

TEST_F(LayoutTest, TheDesignScreenKeepsTheDesignSizeAndLayout) {
    startOnScreen(800, 600);
    EXPECT_EQ(form.bounds, (Bounds{113, 58, 574, 483}));
    // The rule leaves 5 pixels between list and panel: 2 more than the design's 305.
    EXPECT_EQ(form.CheckListBox1.bounds(), (Bounds{24, 71, 307, 265}));
    EXPECT_EQ(form.Panel1.bounds(), (Bounds{336, 71, 193, 265}));
    EXPECT_EQ(form.StatusBar1.bounds(), (Bounds{24, 351, 505, 46}));
}

TEST_F(LayoutTest, MaximisingKeepsTheRightAndBottomMarginsAndTheStatusGap) {
    startOnScreen(1024, 768);
    resizeTo(1032, 746, true);
    expectAttached();
    EXPECT_EQ(form.Panel1.left(), 1032 - 193 - 45);
    EXPECT_EQ(form.StatusBar1.top(), 71 + (746 - 147 - 71) + 15);
    resizeTo(734, 618);
    EXPECT_EQ(form.StatusBar1.bounds(), (Bounds{24, 486, 665, 46}));
}

TEST_F(LayoutTest, ResizingNeverChangesThePanelWidthTheStatusHeightOrTheFixedControls) {
    startOnScreen(800, 600);
    const Bounds label = form.GradientLabel1.bounds();
    const Bounds toolbar = form.ToolBar1.bounds();
    const Bounds button = form.Button3.bounds();
    for (const auto& size : {std::pair<int, int>{600, 500}, {1400, 1000}, {320, 270}, {2000, 300}}) {
        resizeTo(size.first, size.second);
        EXPECT_EQ(form.Panel1.width(), 193);
        EXPECT_EQ(form.StatusBar1.height(), 46);
        EXPECT_EQ(form.CheckListBox1.top(), 71);
        EXPECT_EQ(form.Panel1.top(), 71);
        EXPECT_EQ(form.CheckListBox1.left(), 24);
        EXPECT_EQ(form.StatusBar1.left(), 24);
        EXPECT_EQ(form.GradientLabel1.bounds(), label);
        EXPECT_EQ(form.ToolBar1.bounds(), toolbar);
        EXPECT_EQ(form.Button3.bounds(), button);
    }
}

TEST_F(LayoutTest, AtTheMinimumSizeEveryComputedSizeIsStillPositive) {
    startOnScreen(800, 600);
    resizeTo(folvaric::minimumWidth, folvaric::minimumHeight);
    expectAttached();
    EXPECT_EQ(form.CheckListBox1.width(), folvaric::kMinimumListWidth);
    EXPECT_EQ(form.CheckListBox1.height(), folvaric::kMinimumListHeight);
}

TEST_F(LayoutTest, AWindowSmallerThanTheMinimumIsLaidOutAsTheMinimum) {
    startOnScreen(800, 600);
    resizeTo(folvaric::minimumWidth, folvaric::minimumHeight);
    const Bounds list = form.CheckListBox1.bounds();
    const Bounds panel = form.Panel1.bounds();
    const Bounds statusLine = form.StatusBar1.bounds();
    for (const auto& size : {std::pair<int, int>{100, 100}, {267, 218}, {0, 0}, {-20, 5}}) {
        resizeTo(size.first, size.second);
        EXPECT_EQ(form.CheckListBox1.bounds(), list);
        EXPECT_EQ(form.Panel1.bounds(), panel);
        EXPECT_EQ(form.StatusBar1.bounds(), statusLine);
    }
    EXPECT_GT(list.width, 0);
    EXPECT_GT(list.height, 0);
    EXPECT_GT(statusLine.width, 0);
}

TEST_F(LayoutTest, NothingMovesWhileTheStartUpScalingRuns) {
    startOnScreen(800, 600);
    const Bounds list = form.CheckListBox1.bounds();
    form.startupScaling = true;
    resizeTo(1000, 900);
    EXPECT_EQ(form.CheckListBox1.bounds(), list);
    form.startupScaling = false;
    resizeTo(1000, 900);
    EXPECT_EQ(form.CheckListBox1.height(), 900 - 147 - 71);
}

struct ScaleOptionTest : LayoutTest {};

TEST_F(ScaleOptionTest, TickingTheHiddenOptionStoresItAndAdvisesARestart) {
    startOnScreen(800, 600);
    form.settingsMenu.scaleControls.setChecked(false);
    form.settingsMenu.scaleControls.userClick();
    EXPECT_TRUE(form.settingsMenu.scaleControls.checked());
    EXPECT_EQ(form.scaleOption, -1);
    ASSERT_FALSE(sim.dialogs.boxes.empty());
    EXPECT_EQ(sim.dialogs.boxes.back().text, gbk("如果窗体不正常，请重新启动程序"));
    EXPECT_EQ(sim.dialogs.boxes.back().caption, gbk("友情提示"));
    EXPECT_EQ(sim.dialogs.boxes.back().flags, platform::mb::Ok);

    form.settingsMenu.scaleControls.userClick();
    EXPECT_EQ(form.scaleOption, 0);
}

TEST_F(ScaleOptionTest, AMaximisedWindowReturnsToItsNormalState) {
    startOnScreen(800, 600);
    const platform::WindowHandle main = sim.app.mainWindow();
    sim.windows.show(main, platform::ShowCommand::ShowMaximized);
    form.maximised = true;
    form.settingsMenu.scaleControls.userClick();
    EXPECT_FALSE(form.maximised);
    EXPECT_EQ(sim.window(main).state, sim::ShowState::Normal);
}

}  // namespace
}  // namespace testing_support
