#include "commands/window_commands.h"
#include "commands_fixture.h"

using namespace folvaric;
using sim::ShowState;
using testing_support::CommandsFixture;
using testing_support::gbk;

namespace {

const std::string kNothingSelected = gbk("没有选择任何一个选项");
const std::string kError = gbk("出错");
const std::string kZeroHandle = gbk("抱歉，窗口句柄值为0，无法最大化，建议关闭它，重新打开试试看");
const std::string kClosedOne = gbk("你在软件中关闭窗口，该文件夹无法自动重生！");
const std::string kClosedAll = gbk("你在软件中关闭窗口，所有文件夹无法自动重生！");
const std::string kCannotMove = gbk("无法记忆窗口大小：");
const platform::Rect kScreenWide{0, 0, 1024, 738};

struct WindowState : CommandsFixture {
    WindowState() { sim.setScreen(1024, 768, 30); }
    std::vector<WindowHandle> five() {
        std::vector<WindowHandle> h;
        for (const char* p : {"C:\\A", "C:\\B", "C:\\C", "C:\\D", "C:\\E"}) h.push_back(addFolder(p));
        return h;
    }
};

using SingleWindow = WindowState;

TEST_F(SingleWindow, CommandsWithoutSelectionRefuse) {
    shown();
    five();
    form.StatusBar1.setSimpleText("kept");
    for (auto command : {closeSelectedWindow, minimiseSelectedWindow, maximiseSelectedWindow}) command(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 3u);
    for (const auto& box : sim.dialogs.boxes) {
        EXPECT_EQ(box.text, kNothingSelected);
        EXPECT_EQ(box.caption, kError);
        EXPECT_EQ(box.flags, platform::mb::Ok);
    }
    EXPECT_EQ(form.table.size(), 5);
    EXPECT_EQ(status(), "kept");
    EXPECT_FALSE(sim.app.isMinimised());
    for (WindowHandle h : handles()) EXPECT_EQ(sim.window(h).closeRequests, 0);
}

TEST_F(SingleWindow, CloseOneRemovesItsRowAndTicksMoveUp) {
    shown();
    const auto h = five();
    form.CheckListBox1.setChecked(3, true);
    form.CheckListBox1.select(2);
    closeSelectedWindow(form);
    EXPECT_EQ(sim.window(h[2]).closeRequests, 1);
    sim.clock.processMessages();
    EXPECT_FALSE(sim.windows.exists(h[2]));
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B", "D", "E"}));
    EXPECT_EQ(handles(), (std::vector<WindowHandle>{h[0], h[1], h[3], h[4]}));
    EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\A", "C:\\B", "C:\\D", "C:\\E"}));
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(form.CheckListBox1.itemIndex(), -1);
    EXPECT_EQ(status(), kClosedOne);
    EXPECT_TRUE(listMatchesTable());
    EXPECT_TRUE(listHasFocus());
}

TEST_F(SingleWindow, CloseOneOfAWindowAlreadyGoneStillRemovesTheRow) {
    const auto h = five();
    sim.closeWindow(h[0]);
    form.CheckListBox1.select(0);
    closeSelectedWindow(form);
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "C", "D", "E"}));
    EXPECT_TRUE(listMatchesTable());
    EXPECT_TRUE(sim.dialogs.boxes.empty());
}

TEST_F(SingleWindow, CloseTheLastRowOfAFullTableStaysInBounds) {
    for (int i = 0; i < kMaxRows; ++i) addRow("W" + std::to_string(i), static_cast<WindowHandle>(i + 1), "");
    form.CheckListBox1.select(kMaxRows - 1);
    closeSelectedWindow(form);
    EXPECT_EQ(form.table.size(), kMaxRows - 1);
    EXPECT_EQ(form.table[kMaxRows - 2].name, "W2998");
    EXPECT_TRUE(listMatchesTable());
    form.CheckListBox1.select(0);
    closeSelectedWindow(form);
    EXPECT_EQ(form.table[0].name, "W1");
    EXPECT_EQ(form.table.size(), kMaxRows - 2);
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(SingleWindow, MinimiseOneMinimisesOnlyTheSelectedWindow) {
    const auto h = five();
    form.CheckListBox1.select(1);
    minimiseSelectedWindow(form);
    EXPECT_EQ(sim.window(h[1]).state, ShowState::Minimised);
    EXPECT_EQ(sim.window(h[0]).state, ShowState::Normal);
    EXPECT_EQ(form.table.size(), 5);
    EXPECT_TRUE(listMatchesTable());
    EXPECT_TRUE(listHasFocus());
}

TEST_F(SingleWindow, MaximiseOneFillsTheWorkAreaInNormalStateAndMinimisesTheProgram) {
    const auto h = five();
    sim.window(h[3]).state = ShowState::Maximised;
    form.CheckListBox1.select(3);
    maximiseSelectedWindow(form);
    EXPECT_EQ(sim.window(h[3]).rect, kScreenWide);
    EXPECT_EQ(sim.window(h[3]).state, ShowState::Normal);
    EXPECT_TRUE(sim.app.isMinimised());
    EXPECT_EQ(sim.window(h[0]).rect, (platform::Rect{100, 100, 700, 500}));
    EXPECT_TRUE(listMatchesTable());
    EXPECT_TRUE(listHasFocus());
}

// The program steps aside as its minimise button would: with the tray option on, the window
// (and so its taskbar button) is hidden as well.
TEST_F(SingleWindow, MaximiseOneSendsTheProgramWhereItsMinimiseButtonWould) {
    five();
    for (const bool tray : {false, true}) {
        SCOPED_TRACE(tray ? "tray" : "taskbar");
        form.TrayIcon1.visible = tray;
        form.TrayIcon1.hide = tray;
        sim.app.restore();
        form.CheckListBox1.select(2);
        maximiseSelectedWindow(form);
        EXPECT_TRUE(sim.app.isMinimised());
        EXPECT_EQ(sim.window(sim.app.mainWindow()).state, tray ? ShowState::Hidden : ShowState::Minimised);
    }
}

TEST_F(SingleWindow, MaximiseOneTakesTheGeometryAtEachCommand) {
    const auto h = five();
    form.CheckListBox1.select(0);
    sim.setScreen(1280, 1024, 40);
    maximiseSelectedWindow(form);
    EXPECT_EQ(sim.window(h[0]).rect, (platform::Rect{0, 0, 1280, 984}));
}

TEST_F(SingleWindow, MaximiseOneRefusesARowWithoutHandle) {
    addRow(gbk("回收站"), 0, "");
    form.CheckListBox1.select(0);
    maximiseSelectedWindow(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, kZeroHandle);
    EXPECT_EQ(sim.dialogs.boxes[0].caption, kError);
    EXPECT_FALSE(sim.app.isMinimised());
}

// A window that is gone, or that refuses the move, is named on the status line once the form
// is shown.
TEST_F(SingleWindow, MaximiseOneReportsAWindowItCannotMoveOnlyWhenShown) {
    const auto h = five();
    sim.closeWindow(h[1]);
    sim.window(h[2]).refusesMove = true;
    form.CheckListBox1.select(1);
    maximiseSelectedWindow(form);
    EXPECT_EQ(status(), "");
    shown();
    maximiseSelectedWindow(form);
    EXPECT_EQ(status(), kCannotMove + "B");
    form.CheckListBox1.select(2);
    maximiseSelectedWindow(form);
    EXPECT_EQ(status(), kCannotMove + "C");
}

TEST_F(SingleWindow, FlashNeedsASelectionAndFlashesOnce) {
    const auto h = five();
    flashSelectedWindow(form);
    EXPECT_TRUE(sim.dialogs.boxes.empty());
    form.CheckListBox1.select(4);
    flashSelectedWindow(form);
    EXPECT_EQ(sim.window(h[4]).flashes, 1);
    EXPECT_EQ(sim.window(h[3]).flashes, 0);
}

using AllWindows = WindowState;

TEST_F(AllWindows, MinimiseAllLeavesTheLastEntrySelected) {
    const auto h = five();
    minimiseAllWindows(form);
    for (WindowHandle w : h) EXPECT_EQ(sim.window(w).state, ShowState::Minimised);
    EXPECT_EQ(form.CheckListBox1.itemIndex(), 4);
    EXPECT_TRUE(listMatchesTable());
    EXPECT_TRUE(listHasFocus());
}

TEST_F(AllWindows, ListWideCommandsDoNothingOnAnEmptyList) {
    shown();
    for (auto command :
         {minimiseAllWindows, maximiseAllWindows, maximiseAllFromTray, closeAllWindows, closeUntickedWindows}) {
        command(form);
    }
    EXPECT_TRUE(sim.dialogs.boxes.empty());
    EXPECT_EQ(status(), "");
    EXPECT_EQ(sim.app.minimiseCount, 0);
}

TEST_F(AllWindows, MaximiseAllSizesEveryWindowAndShowsTheProgramAgain) {
    int restores = 0;
    sim.app.onRestore = [&] { ++restores; };
    const auto h = five();
    sim.window(h[2]).state = ShowState::Minimised;
    form.CheckListBox1.select(1);
    maximiseAllWindows(form);
    for (WindowHandle w : h) {
        EXPECT_EQ(sim.window(w).rect, kScreenWide);
        EXPECT_EQ(sim.window(w).state, ShowState::Normal);
    }
    EXPECT_FALSE(sim.app.isMinimised());
    EXPECT_EQ(sim.app.minimiseCount, 1);
    EXPECT_EQ(restores, 1);  // the ordinary restore, which may start the automatic refresh
    EXPECT_EQ(form.CheckListBox1.itemIndex(), 1);
    EXPECT_TRUE(listMatchesTable());
    EXPECT_TRUE(listHasFocus());
}

TEST_F(AllWindows, MaximiseAllAsksAboutEachZeroHandleAndGoesOn) {
    addFolder("C:\\A");
    addRow(gbk("回收站"), 0, "");
    const WindowHandle c = addFolder("C:\\C");
    addRow(gbk("控制面板"), 0, "");
    maximiseAllWindows(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 2u);
    EXPECT_EQ(sim.dialogs.boxes[1].text, kZeroHandle);
    EXPECT_EQ(sim.window(c).rect, kScreenWide);
}

TEST_F(AllWindows, MaximiseAllReportsTheWindowThatWouldNotMove) {
    shown();
    const auto h = five();
    sim.window(h[3]).refusesMove = true;
    maximiseAllWindows(form);
    EXPECT_EQ(status(), kCannotMove + "D");
    EXPECT_EQ(sim.window(h[4]).rect, kScreenWide);
}

TEST_F(AllWindows, TrayMaximiseAllLeavesTheProgramAlone) {
    const auto h = five();
    form.Button1.setFocus();
    maximiseAllFromTray(form);
    for (WindowHandle w : h) EXPECT_EQ(sim.window(w).rect, kScreenWide);
    EXPECT_EQ(sim.app.minimiseCount, 0);
    EXPECT_EQ(sim.app.restoreCount, 0);
    EXPECT_TRUE(form.Button1.focused());
}

TEST_F(AllWindows, CloseAllEmptiesListAndTable) {
    shown();
    const auto h = five();
    form.CheckListBox1.setChecked(0, true);
    closeAllWindows(form);
    for (WindowHandle w : h) EXPECT_EQ(sim.window(w).closeRequests, 1);
    EXPECT_EQ(form.table.size(), 0);
    EXPECT_EQ(form.CheckListBox1.count(), 0);
    EXPECT_EQ(status(), kClosedAll);
    sim.clock.processMessages();
    for (WindowHandle w : h) EXPECT_FALSE(sim.windows.exists(w));
}

TEST_F(AllWindows, NothingReachesTheStatusLineBeforeTheFirstShowing) {
    const auto h = five();
    sim.window(h[0]).refusesMove = true;
    form.CheckListBox1.select(0);
    closeSelectedWindow(form);
    maximiseAllWindows(form);
    closeAllWindows(form);
    EXPECT_EQ(status(), "");
}

}  // namespace
