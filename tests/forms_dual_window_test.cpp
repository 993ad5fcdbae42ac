// The Explorer dual window: its panes, its splitter, and joining row 0's Explorer window over
// the upper pane.
#include <gtest/gtest.h>

#include "commands_fixture.h"
#include "forms/dual_window.h"

using namespace folvaric;
using platform::Rect;
using testing_support::gbk;

namespace {

struct DualWindow : testing_support::CommandsFixture {
    Form3 dual{form};
    DualWindow() {
        buildForm3(dual);
        dual.clientOrigin = {200, 150};
    }

    // Memo1 as it lies on the screen.
    Rect memo1OnScreen() const {
        const int left = dual.clientOrigin.x + dual.Panel1.left() + dual.Memo1.left();
        const int top = dual.clientOrigin.y + dual.Panel1.top() + dual.Memo1.top();
        return {left, top, left + dual.Memo1.width(), top + dual.Memo1.height()};
    }
};

TEST_F(DualWindow, IsDesignedWithTwoPanesAroundAFuchsiaSplitter) {
    EXPECT_EQ(dual.caption, gbk("Explorer双窗口"));
    EXPECT_EQ(dual.bounds, (controls::Bounds{95, 103, 683, 430}));
    EXPECT_EQ(dual.ToolBar1.bounds(), (controls::Bounds{0, 0, 675, 33}));
    EXPECT_EQ(dual.Panel1.bounds(), (controls::Bounds{0, 33, 675, 343}));
    EXPECT_EQ(dual.Memo1.bounds(), (controls::Bounds{1, 1, 673, 192}));
    EXPECT_EQ(dual.Splitter1.bounds(), (controls::Bounds{1, 193, 673, 24}));
    EXPECT_EQ(dual.Memo2.bounds(), (controls::Bounds{1, 217, 673, 125}));
    EXPECT_EQ(dual.Splitter1.color, 0x00FF00FFu);
    EXPECT_EQ(dual.Memo1.caption(), "Memo1");
    EXPECT_EQ(dual.Memo2.caption(), "Memo2");
    EXPECT_FALSE(dual.visible);
}

TEST_F(DualWindow, MenuHoldsTheJoinCommandUnderTheHiddenStartMenu) {
    ASSERT_EQ(dual.MainMenu1.root.items.size(), 2u);
    EXPECT_EQ(dual.MainMenu1.root.items[0]->caption(), gbk("  文件  "));
    EXPECT_TRUE(dual.MainMenu1.root.items[0]->items.empty());
    EXPECT_EQ(dual.MainMenu1.root.items[1]->caption(), gbk("启动隐藏  "));
    ASSERT_EQ(dual.qidongyincang.items.size(), 1u);
    EXPECT_EQ(dual.qidongyincang.items[0]->caption(), gbk("加入窗口1"));
}

TEST_F(DualWindow, ToolButtonStaysDownUntilPressedAgain) {
    dual.ToolButton1.userPress();
    EXPECT_TRUE(dual.ToolButton1.down());
    dual.ToolButton1.userPress();
    EXPECT_FALSE(dual.ToolButton1.down());
}

TEST_F(DualWindow, JoinLaysRowZeroWindowExactlyOverTheUpperPane) {
    const WindowHandle data = addFolder("C:\\Data");
    dual.jiarucuangkou1.userClick();
    EXPECT_EQ(sim.window(data).rect, (Rect{201, 184, 874, 376}));
    EXPECT_EQ(sim.window(data).rect, memo1OnScreen());
    EXPECT_EQ(sim.windows.zOrder().front(), data);
    EXPECT_EQ(sim.windows.activeWindow(), data);
    EXPECT_TRUE(sim.dialogs.boxes.empty());
}

TEST_F(DualWindow, JoinTakesRowZeroEvenWhenALowerEntryIsSelected) {
    const WindowHandle first = addFolder("C:\\First");
    const WindowHandle second = addFolder("C:\\Second");
    const Rect secondBefore = sim.window(second).rect;
    form.CheckListBox1.select(1);
    joinFirstWindow(dual);
    EXPECT_EQ(sim.window(first).rect, memo1OnScreen());
    EXPECT_EQ(sim.window(second).rect, secondBefore);
}

TEST_F(DualWindow, MinimisedOrMaximisedWindowIsRestoredBeforeItIsPlaced) {
    const WindowHandle data = addFolder("C:\\Data");
    for (sim::ShowState state : {sim::ShowState::Minimised, sim::ShowState::Maximised}) {
        sim.window(data).state = state;
        joinFirstWindow(dual);
        EXPECT_EQ(sim.window(data).state, sim::ShowState::Normal);
        EXPECT_EQ(sim.window(data).rect, memo1OnScreen());
    }
}

TEST_F(DualWindow, JoinAfterASplitterDragTakesTheNewPaneHeight) {
    const WindowHandle data = addFolder("C:\\Data");
    dual.userDragSplitter(120);
    EXPECT_EQ(dual.Memo1.height(), 120);
    EXPECT_EQ(dual.Splitter1.top(), 121);
    EXPECT_EQ(dual.Memo2.bounds(), (controls::Bounds{1, 145, 673, 197}));
    joinFirstWindow(dual);
    EXPECT_EQ(sim.window(data).rect.height(), 120);
    EXPECT_EQ(sim.window(data).rect, memo1OnScreen());
}

TEST_F(DualWindow, SplitterKeepsSomeOfEachPane) {
    dual.userDragSplitter(0);
    EXPECT_EQ(dual.Memo1.height(), kSplitterMinPane);
    dual.userDragSplitter(10000);
    EXPECT_EQ(dual.Memo2.height(), kSplitterMinPane);
    EXPECT_EQ(dual.Memo1.height() + dual.Splitter1.height() + dual.Memo2.height(), dual.Panel1.height() - 2);
}

TEST_F(DualWindow, ResizingTheWindowKeepsTheUpperPaneHeightAndWidensBoth) {
    dual.resizeClient(900, 500);
    EXPECT_EQ(dual.Memo1.bounds(), (controls::Bounds{1, 1, 898, 192}));
    EXPECT_EQ(dual.Memo2.bounds(), (controls::Bounds{1, 217, 898, 249}));
    dual.resizeClient(100, 60);  // smaller than the panes: the lower one gives way, nothing negative
    EXPECT_EQ(dual.Memo2.height(), 0);
    EXPECT_GE(dual.Panel1.height(), 0);
}

TEST_F(DualWindow, MovingTheDualWindowAfterAJoinLeavesTheExplorerWindowWhereItWas) {
    const WindowHandle data = addFolder("C:\\Data");
    joinFirstWindow(dual);
    const Rect placed = sim.window(data).rect;
    dual.clientOrigin = {10, 10};
    dual.userDragSplitter(60);
    EXPECT_EQ(sim.window(data).rect, placed);
}

TEST_F(DualWindow, UsesTheViewsClientToScreenWhenThereIsOne) {
    const WindowHandle data = addFolder("C:\\Data");
    dual.clientToScreen = [](ScreenPoint p) { return ScreenPoint{p.x + 1000, p.y + 2000}; };
    joinFirstWindow(dual);
    EXPECT_EQ(sim.window(data).rect, (Rect{1001, 2034, 1674, 2226}));
}

TEST_F(DualWindow, EmptyListDoesNothingAtAll) {
    shown();
    const WindowHandle stray = sim.openExplorerWindow("C:\\Stray");
    const Rect before = sim.window(stray).rect;
    joinFirstWindow(dual);
    EXPECT_EQ(sim.window(stray).rect, before);
    EXPECT_TRUE(sim.dialogs.boxes.empty());
    EXPECT_TRUE(form.StatusBar1.simpleText().empty());
}

TEST_F(DualWindow, RowWithoutHandleIsRefusedWithAMessageAndMovesNothing) {
    shown();
    addRow(gbk("我的电脑"), 0, "");
    const WindowHandle other = addFolder("C:\\Data");
    const Rect before = sim.window(other).rect;
    dual.handle = 0x4242;
    joinFirstWindow(dual);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, gbk("抱歉，窗口句柄值为0，无法加入，建议关闭它，重新打开试试看"));
    EXPECT_EQ(sim.dialogs.boxes[0].caption, gbk("出错"));
    EXPECT_EQ(sim.dialogs.boxes[0].flags, platform::mb::Ok);
    EXPECT_EQ(sim.dialogs.boxes[0].owner, 0x4242u);
    EXPECT_EQ(sim.window(other).rect, before);
    EXPECT_TRUE(form.StatusBar1.simpleText().empty());
}

// A window that refuses the move keeps its place; it and a window that is gone are named on the
// status line, without a box.
TEST_F(DualWindow, WindowThatRefusesTheMoveOrIsGoneIsReportedOnTheStatusLine) {
    shown();
    const WindowHandle data = addFolder("C:\\Data");
    sim.window(data).refusesMove = true;
    const Rect before = sim.window(data).rect;
    for (const bool gone : {false, true}) {
        if (gone) sim.closeWindow(data);
        form.StatusBar1.setSimpleText("");
        joinFirstWindow(dual);
        EXPECT_EQ(form.StatusBar1.simpleText(), gbk("无法加入窗口：") + "Data") << gone;
        EXPECT_TRUE(sim.dialogs.boxes.empty());
        if (!gone) {
            EXPECT_EQ(sim.window(data).rect, before);
        }
    }
}

TEST_F(DualWindow, FailureStaysOffTheStatusLineUntilStartUpHasFinishedAndTheFormIsShown) {
    const WindowHandle data = addFolder("C:\\Data");
    sim.window(data).refusesMove = true;
    form.StatusBar1.setSimpleText("before");
    form.startupDone = true;  // shown, not yet
    joinFirstWindow(dual);
    EXPECT_EQ(form.StatusBar1.simpleText(), "before");
    form.startupDone = false;
    form.formShown = true;
    joinFirstWindow(dual);
    EXPECT_EQ(form.StatusBar1.simpleText(), "before");
}

TEST_F(DualWindow, JoinChangesNeitherTheTableNorTheList) {
    addFolder("C:\\A", true);
    addFolder("C:\\B");
    const auto before = std::tuple(names(), ticks(), handles());
    joinFirstWindow(dual);
    EXPECT_EQ(std::tuple(names(), ticks(), handles()), before);
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(DualWindow, ShowingAgainKeepsThePanesAndHidingKeepsTheWindow) {
    int shows = 0;
    dual.onShow = [&] { ++shows; };
    dual.showModeless();
    dual.userDragSplitter(100);
    dual.hide();
    EXPECT_FALSE(dual.visible);
    dual.showModeless();
    EXPECT_TRUE(dual.visible);
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(dual.Memo1.height(), 100);
}

}  // namespace
