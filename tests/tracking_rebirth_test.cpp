// Folder rebirth: protected folders whose windows were closed outside the
// program are re-opened, found again, listed ticked and brought to the front.
#include <gtest/gtest.h>

#include "commands/ordering.h"
#include "tracking_fixture.h"

namespace tracking_test {
namespace {

using platform::ShowCommand;
using sim::ShowState;
using Strings = std::vector<std::string>;

const std::string kSomeNotFound = gbk("刷新结束，有些文件夹找不到句柄，无法恢复文件夹，请再按一次刷新试试看！");
const std::string kSearchAgain = gbk("由标题寻找句柄发生小错误，试着再找一次看看能否找到");
const std::string kComputerViewId = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

class RebirthTest : public TrackingFixture {
protected:
    // Lists the folders, ticks `protect`, and closes those of `close` outside the program.
    void protectAndClose(const Strings& open, const Strings& protect, const Strings& close) {
        running();
        for (const std::string& path : open) sim.openExplorerWindow(path);
        refreshFromProgram();
        for (const std::string& path : protect) tick(path);
        for (const std::string& path : close) sim.closeWindow(form.table[rowOf(path)].window);
        statusHistory.clear();
    }

    // The state and the active window at the moment a window of that title first appears.
    struct FirstSight {
        WindowHandle window = 0;
        ShowState state = ShowState::Normal;
        WindowHandle active = 0;
    };
    FirstSight& watchFor(const std::string& title) {
        sim.clock.everyPass([this, title] {
            const WindowHandle h = sim.findByTitle(title);
            if (h != 0 && sight_.window == 0) sight_ = {h, sim.window(h).state, sim.windows.activeWindow()};
        });
        return sight_;
    }

private:
    FirstSight sight_;
};

TEST_F(RebirthTest, AClosedProtectedFolderComesBackMinimisedThenSizedTickedAndSelected) {
    sim.windows.setScreen({0, 0, 1280, 1024}, {0, 40, 1280, 1024});  // task bar at the top
    protectAndClose({"D:\\Data", "D:\\Other"}, {"D:\\Data"}, {"D:\\Data"});
    const FirstSight& sight = watchFor("Data");
    refreshFromProgram();

    ASSERT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(sim.shell.calls[0], (sim::ShellCall{sim.app.mainWindow(), "open", "Explorer.exe", "/n,D:\\Data", "",
                                                  ShowCommand::ShowMinNoActive}));
    EXPECT_EQ(sight.state, ShowState::Minimised);
    EXPECT_NE(sight.active, sight.window);

    const WindowHandle reborn = sim.findByTitle("Data");
    ASSERT_NE(reborn, 0u);
    EXPECT_EQ(rowNames(), (Strings{"Other", "Data"}));
    EXPECT_EQ(rowHandles().back(), reborn);
    EXPECT_EQ(rowPaths().back(), "D:\\Data");
    EXPECT_TRUE(form.CheckListBox1.checked(1));
    EXPECT_EQ(form.CheckListBox1.itemIndex(), 1);
    EXPECT_TRUE(listMatchesTable());
    EXPECT_EQ(form.lastRefresh.lostFolders.at(0).window, reborn);

    EXPECT_EQ(sim.window(reborn).rect, (platform::Rect{0, 0, 1280, 984}));
    EXPECT_EQ(sim.window(reborn).state, ShowState::Normal);
    EXPECT_EQ(sim.windows.zOrder().front(), reborn);
    EXPECT_EQ(sim.app.minimiseCount, 0);  // Windows 7 keeps the program where it is
    EXPECT_EQ(statusHistory, (Strings{kStarted, kLooking, kRebirthStarted, kSizing, rebornReport(1)}));
    EXPECT_TRUE(form.CheckListBox1.focused());
}

TEST_F(RebirthTest, AWindowTitledWithTheFullPathIsFoundByItsPath) {
    sim.explorer.options.titleMode = sim::TitleMode::FullPath;
    protectAndClose({"D:\\Data"}, {"D:\\Data"}, {"D:\\Data"});
    refreshFromProgram();
    EXPECT_EQ(rowNames(), (Strings{"Data"}));
    EXPECT_EQ(rowHandles(), (std::vector<WindowHandle>{sim.findByTitle("D:\\Data")}));
    EXPECT_EQ(form.lastRefresh.reborn, 1);
}

TEST_F(RebirthTest, AWindowTitledWithTheAddressLabelIsFoundToo) {
    protectAndClose({"D:\\Data"}, {"D:\\Data"}, {"D:\\Data"});
    sim.clock.everyPass([this] {
        const WindowHandle h = sim.findByTitle("Data");
        if (h != 0) sim.window(h).title = gbk("地址: ") + "Data";
    });
    refreshFromProgram();
    EXPECT_EQ(rowHandles(), (std::vector<WindowHandle>{sim.findByTitle(gbk("地址: Data"))}));
}

TEST_F(RebirthTest, TheComputerViewIsReopenedWithItsIdentifier) {
    protectAndClose({gbk("我的电脑"), "D:\\Data"}, {gbk("我的电脑")}, {gbk("我的电脑")});
    refreshFromProgram();
    ASSERT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(sim.shell.calls[0], (sim::ShellCall{sim.app.mainWindow(), "open", "explorer.exe", kComputerViewId, "",
                                                  ShowCommand::ShowMinNoActive}));
    EXPECT_EQ(rowNames(), (Strings{"Data", gbk("我的电脑")}));
    EXPECT_EQ(rowPaths().back(), gbk("我的电脑"));
    EXPECT_TRUE(form.CheckListBox1.checked(1));
}

TEST_F(RebirthTest, ADeletedProtectedFolderIsDroppedWithoutAWord) {
    protectAndClose({"D:\\Old", "D:\\Data", "D:\\Keep"}, {"D:\\Old", "D:\\Data"}, {"D:\\Old", "D:\\Data"});
    sim.files.removeFolder("D:\\Old");
    refreshFromProgram();
    ASSERT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(sim.shell.calls[0].parameters, "/n,D:\\Data");
    EXPECT_EQ(rowNames(), (Strings{"Keep", "Data"}));
    EXPECT_TRUE(sim.dialogs.boxes.empty());
    EXPECT_EQ(form.StatusBar1.simpleText(), rebornReport(1));
    // Gone from protection: the next refresh does not look for it any more.
    sim.files.addFolder("D:\\Old");
    refreshFromProgram();
    EXPECT_EQ(sim.shell.calls.size(), 1u);
}

TEST_F(RebirthTest, AWindowNeverFoundAsksTwiceAndLeavesTheFolderUnlisted) {
    protectAndClose({"D:\\Data", "D:\\Keep"}, {"D:\\Data"}, {"D:\\Data"});
    sim.explorer.options.openDelayPasses = 1000000;
    const auto startMs = sim.clock.nowMilliseconds();
    refreshFromProgram();

    ASSERT_EQ(sim.dialogs.boxes.size(), 2u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, kSearchAgain);
    EXPECT_EQ(sim.dialogs.boxes[0].caption, gbk("出错"));
    EXPECT_EQ(sim.dialogs.boxes[1].text, gbk("由标题寻找句柄失败，无法恢复该文件夹，路径找不到，标题：=") + "\"Data\"" +
                                             gbk(",路径：=") + "\"D:\\Data\"" + gbk("，你可能需要再按一次刷新"));
    EXPECT_EQ(sim.dialogs.boxes[1].caption, gbk("出错"));
    EXPECT_EQ(rowNames(), (Strings{"Keep"}));
    EXPECT_TRUE(listMatchesTable());
    EXPECT_EQ(lostFolderCount(), 1);
    EXPECT_EQ(form.lastRefresh.lostFolders[0].window, 0u);
    EXPECT_EQ(form.lastRefresh.reborn, 0);
    EXPECT_EQ(form.table.size(), 1);
    EXPECT_EQ(form.StatusBar1.simpleText(), kSomeNotFound);
    EXPECT_GE(sim.clock.nowMilliseconds() - startMs, 2 * 41 * 50);
}

TEST_F(RebirthTest, TheSecondSearchAttemptCanStillFindTheWindow) {
    protectAndClose({"D:\\Data"}, {"D:\\Data"}, {"D:\\Data"});
    sim.explorer.options.openDelayPasses = 1000000;
    sim.dialogs.answer = [this](const sim::MessageBoxRecord&) {
        sim.explorer.openFolder("D:\\Data", ShowCommand::ShowMinNoActive);  // Explorer catches up
        return platform::mb::IdOk;
    };
    refreshFromProgram();
    EXPECT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rowNames(), (Strings{"Data"}));
    EXPECT_EQ(form.StatusBar1.simpleText(), rebornReport(1));
}

TEST_F(RebirthTest, WithNoExplorerWindowEveryProtectedFolderIsReopened) {
    protectAndClose({"D:\\A", "D:\\B"}, {"D:\\A", "D:\\B"}, {"D:\\A", "D:\\B"});
    refreshFromProgram();
    EXPECT_TRUE(form.noExplorerWindows);
    EXPECT_EQ(sim.shell.calls.size(), 2u);
    EXPECT_EQ(rowNames(), (Strings{"B", "A"}));  // in the order they were listed
    EXPECT_TRUE(form.CheckListBox1.checked(0) && form.CheckListBox1.checked(1));
    EXPECT_EQ(statusHistory, (Strings{kStarted, kNoWindow, kLooking, kRebirthStarted, kSizing, rebornReport(2)}));
}

TEST_F(RebirthTest, OnOlderSystemsTheProgramComesBackInFrontWithoutASecondRefresh) {
    platform::VersionRecord xp;
    xp.majorVersion = 5;
    xp.minorVersion = 1;
    sim.windows.setVersion(xp);
    protectAndClose({"D:\\Data"}, {"D:\\Data"}, {"D:\\Data"});
    int restores = 0;
    sim.app.onRestore = [&] {  // the automatic refresh on restore
        ++restores;
        folvaric::refreshFolderList(form);
    };
    refreshFromProgram();
    EXPECT_EQ(sim.app.minimiseCount, 1);
    EXPECT_EQ(restores, 1);
    EXPECT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(sim.windows.zOrder().front(), sim.app.mainWindow());
    EXPECT_EQ(form.StatusBar1.simpleText(), rebornReport(1));
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(RebirthTest, NotStartedFromTheProgramOnlyTheSizingMessagesAreShown) {
    protectAndClose({"D:\\Data", "D:\\Other"}, {"D:\\Data"}, {"D:\\Data"});
    sim.windows.setActive(sim.findByTitle("Other"));
    folvaric::refreshFolderList(form);
    EXPECT_EQ(statusHistory, (Strings{kSizing}));
    EXPECT_EQ(form.lastRefresh.reborn, 1);
}

TEST_F(RebirthTest, ARefusedMoveIsReportedAndStillCounts) {
    protectAndClose({"D:\\Data", "D:\\Other"}, {"D:\\Data"}, {"D:\\Data"});
    sim.clock.everyPass([this] {
        const WindowHandle h = sim.findByTitle("Data");
        if (h != 0) sim.window(h).refusesMove = true;
    });
    sim.windows.setActive(sim.findByTitle("Other"));
    folvaric::refreshFolderList(form);
    EXPECT_EQ(statusHistory, (Strings{kSizing, gbk("无法记忆窗口大小：") + "Data"}));
    EXPECT_EQ(form.lastRefresh.reborn, 1);
}

TEST_F(RebirthTest, ALoadedFolderSetComesFirst) {
    protectAndClose({"D:\\Tick", "D:\\Open"}, {"D:\\Tick"}, {"D:\\Tick"});
    sim.files.addFolder("D:\\Set1");
    sim.files.addFolder("D:\\Set2");
    refreshLoading({{"Set1", "D:\\Set1", 0}, {"Set2", "D:\\Set2", 0}});
    EXPECT_EQ(form.lastRefresh.protectedFolders, 3);
    EXPECT_EQ(rowNames(), (Strings{"Open", "Set1", "Set2", "Tick"}));
    EXPECT_EQ(sim.shell.calls.size(), 3u);
    EXPECT_EQ(sim.shell.calls[0].parameters, "/n,D:\\Set1");
    EXPECT_EQ(form.StatusBar1.simpleText(), rebornReport(3));
}

TEST_F(RebirthTest, SortingTheListDuringTheWaitsChangesNothingOfTheRebirth) {
    protectAndClose({"D:\\Data", "D:\\Other"}, {"D:\\Data", "D:\\Other"}, {"D:\\Data"});
    sim.clock.everyPass([this] {
        if (form.refreshBusy) folvaric::sortByProtection(form);
    });
    refreshFromProgram();
    EXPECT_EQ(rowNames(), (Strings{"Other", "Data"}));
    EXPECT_EQ(form.lastRefresh.reborn, 1);
    EXPECT_EQ(lostFolderCount(), 1);
    EXPECT_EQ(form.lastRefresh.lostFolders[0].path, "D:\\Data");
    EXPECT_EQ(sim.window(sim.findByTitle("Data")).rect, (platform::Rect{0, 0, 1024, 738}));
    EXPECT_EQ(form.StatusBar1.simpleText(), rebornReport(1));
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(RebirthTest, AFolderInTheSnapshotTwiceGetsOneWindow) {
    protectAndClose({"D:\\Data", "D:\\Open"}, {"D:\\Data"}, {"D:\\Data"});
    refreshLoading({{"Data", "D:\\Data", 0}});
    EXPECT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(rowNames(), (Strings{"Open", "Data"}));
    EXPECT_EQ(std::count(statusHistory.begin(), statusHistory.end(), kStillOpen), 1);
    EXPECT_EQ(form.StatusBar1.simpleText(), rebornReport(1));
}

TEST_F(RebirthTest, AFolderWithAPathLongerThanTwoHundredFiftyFiveBytesKeepsItsTick) {
    std::string path = "D:\\";
    for (int i = 0; i < 130; ++i) path += gbk("资");
    sim.files.addFolder(path);
    protectAndClose({path, "D:\\Other"}, {path}, {});
    ASSERT_GT(path.size(), 255u);
    refreshFromProgram();
    EXPECT_EQ(form.table[rowOf(path)].path, path);
    EXPECT_TRUE(ticked(path));
    EXPECT_TRUE(sim.shell.calls.empty());
    EXPECT_EQ(form.StatusBar1.simpleText(), kNothingLost);
}

// A re-opened window closed again before it is sized was not restored: it is not counted,
// and no row keeps its dead handle.
TEST_F(RebirthTest, AWindowGoneBeforeItIsSizedIsNotCountedAndNotListed) {
    const struct {
        Strings lost;
        Strings listedAfter;
        std::string report;
    } cases[] = {
        {{"D:\\Data", "D:\\Work"}, {"D:\\Open", "D:\\Work"}, rebornReport(1)},
        {{"D:\\Data"}, {"D:\\Work", "D:\\Open"}, kSomeNotFound},
    };
    struct Scene : RebirthTest {
        using RebirthTest::protectAndClose;
        void TestBody() override {}
    };
    for (const auto& c : cases) {
        Scene t;
        t.protectAndClose({"D:\\Open", "D:\\Data", "D:\\Work"}, c.lost, c.lost);
        t.sim.clock.everyPass([&t] {
            const WindowHandle data = t.sim.findByTitle("Data");
            if (data != 0 && t.form.StatusBar1.simpleText() == kSizing) t.sim.closeWindow(data);
        });
        t.refreshFromProgram();
        EXPECT_EQ(t.rowPaths(), c.listedAfter) << c.lost.size();
        EXPECT_EQ(t.form.StatusBar1.simpleText(), c.report) << c.lost.size();
        EXPECT_TRUE(t.listMatchesTable());
    }
}

}  // namespace
}  // namespace tracking_test
