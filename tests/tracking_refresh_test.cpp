// The refresh: the list rebuilt from the desktop, ticks kept by folder, the
// status line behind its gate, and one refresh at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "tracking_fixture.h"

namespace tracking_test {
namespace {

using Strings = std::vector<std::string>;

const std::string kNothingProtected = gbk("刷新结束，你没有保护任何一个文件夹,如果左面打勾就可以保证自动重生");
const std::string kProtectionBroken = gbk("刷新结束，文件夹自动重生保护失效，失去的文件夹无法恢复");

class RefreshTest : public TrackingFixture {
protected:
    // Everything a refresh could change, to show that a refused one changed nothing.
    auto observe() {
        std::vector<std::pair<std::string, bool>> items;
        for (int i = 0; i < form.CheckListBox1.count(); ++i) {
            items.emplace_back(form.CheckListBox1.item(i), form.CheckListBox1.checked(i));
        }
        return std::make_tuple(items, form.table.size(), rowPaths(), form.lastRefresh.protectedFolders,
                               lostFolderCount(), form.StatusBar1.simpleText(), sim.shell.calls.size(),
                               sim.dialogs.boxes.size(), sim.clock.passes(), form.refreshBusy, form.Button4.enabled());
    }
};

TEST_F(RefreshTest, NothingTickedRebuildsTheListAndOpensNothing) {
    running();
    sim.openExplorerWindow("D:\\A");
    sim.openExplorerWindow("D:\\B");
    form.CheckListBox1.add("stale");
    refreshFromProgram();
    EXPECT_EQ(rowNames(), (Strings{"B", "A"}));
    EXPECT_TRUE(listMatchesTable());
    EXPECT_FALSE(form.CheckListBox1.checked(0) || form.CheckListBox1.checked(1));
    EXPECT_TRUE(sim.shell.calls.empty());
    EXPECT_EQ(statusHistory.front(), kStarted);
    EXPECT_EQ(form.StatusBar1.simpleText(), kNothingProtected);
    EXPECT_TRUE(form.Button4.enabled());
    EXPECT_FALSE(form.refreshBusy);
    EXPECT_TRUE(form.CheckListBox1.focused());
}

TEST_F(RefreshTest, TicksFollowTheirFoldersWhenTheWindowsChangeOrder) {
    running();
    const WindowHandle a = sim.openExplorerWindow("D:\\A");
    sim.openExplorerWindow("D:\\B");
    sim.openExplorerWindow("D:\\C");
    refreshFromProgram();
    tick("D:\\A");
    tick("D:\\C");
    sim.windows.bringToTop(sim.findByTitle("B"));
    sim.windows.bringToTop(a);
    statusHistory.clear();
    refreshFromProgram();
    EXPECT_EQ(rowNames(), (Strings{"A", "B", "C"}));
    EXPECT_TRUE(ticked("D:\\A"));
    EXPECT_FALSE(ticked("D:\\B"));
    EXPECT_TRUE(ticked("D:\\C"));
    EXPECT_TRUE(listMatchesTable());
    EXPECT_TRUE(sim.shell.calls.empty());
    EXPECT_EQ(statusHistory, (Strings{kStarted, kLooking, kStillOpen, kStillOpen, kNothingLost}));
}

TEST_F(RefreshTest, ATickedRowWithoutPathTicksEveryRowWithoutPathAndReopensNothing) {
    running();
    sim.explorer.openSpecialView(gbk("回收站"));
    sim.explorer.openSpecialView(gbk("控制面板"));
    sim.openExplorerWindow("D:\\A");
    refreshFromProgram();
    ASSERT_EQ(rowNames(), (Strings{"A", gbk("控制面板"), gbk("回收站")}));
    form.CheckListBox1.setChecked(1, true);
    refreshFromProgram();
    EXPECT_FALSE(form.CheckListBox1.checked(0));
    EXPECT_TRUE(form.CheckListBox1.checked(1));
    EXPECT_TRUE(form.CheckListBox1.checked(2));
    EXPECT_TRUE(sim.shell.calls.empty());
}

TEST_F(RefreshTest, NoExplorerWindowAndNothingProtected) {
    running();
    sim.openAppWindow("Notes", "C:\\tools\\notepad.exe");
    refreshFromProgram();
    EXPECT_EQ(form.table.size(), 0);
    EXPECT_EQ(form.CheckListBox1.count(), 0);
    EXPECT_TRUE(form.noExplorerWindows);
    EXPECT_EQ(form.StatusBar1.simpleText(), kNoWindow);
}

TEST_F(RefreshTest, WithoutReadablePathsTheLastWordIsThatProtectionIsBroken) {
    running();
    sim.explorer.options.xpAddressShowsFullPath = false;
    sim.explorer.options.shellListWorks = false;  // and the shell cannot tell the folder either
    sim.openExplorerWindow("D:\\A");
    refreshFromProgram();
    EXPECT_FALSE(form.pathsResolvable);
    EXPECT_EQ(rowPaths(), (Strings{""}));
    EXPECT_EQ(statusHistory, (Strings{kStarted, kNothingProtected, kProtectionBroken}));
}

TEST_F(RefreshTest, StartUpRefreshWritesNoStatusText) {
    sim.openExplorerWindow("D:\\A");
    sim.openExplorerWindow("D:\\B");
    folvaric::refreshFolderList(form);  // FormCreate: not shown, start-up not finished
    tick("D:\\A");
    sim.closeWindow(sim.findByTitle("A"));
    form.formShown = true;  // shown, but start-up still running
    refreshFromProgram();
    EXPECT_TRUE(statusHistory.empty());
    EXPECT_EQ(form.lastRefresh.reborn, 1);
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(RefreshTest, ButtonIsDisabledAndASecondRefreshFromThePumpChangesNothing) {
    running();
    sim.openExplorerWindow("D:\\A");
    sim.openExplorerWindow("D:\\B");
    refreshFromProgram();
    tick("D:\\A");
    sim.closeWindow(sim.findByTitle("A"));
    int nestedTries = 0;
    bool buttonEnabledWhileBusy = true;
    sim.clock.everyPass([&] {
        if (!form.refreshBusy) return;
        ++nestedTries;
        buttonEnabledWhileBusy = buttonEnabledWhileBusy && form.Button4.enabled();
        const auto before = observe();
        folvaric::refreshFolderList(form);
        EXPECT_EQ(observe(), before);
    });
    refreshFromProgram();
    EXPECT_GT(nestedTries, 40);  // every wait of the refresh handled the queue
    EXPECT_FALSE(buttonEnabledWhileBusy);
    EXPECT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(form.lastRefresh.reborn, 1);
    EXPECT_EQ(form.StatusBar1.simpleText(), rebornReport(1));
    EXPECT_TRUE(form.Button4.enabled());
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(RefreshTest, ASecondRefreshFromInsideAMessageBoxChangesNothing) {
    running();
    sim.openExplorerWindow("D:\\A");
    refreshFromProgram();
    tick("D:\\A");
    sim.closeWindow(sim.findByTitle("A"));
    sim.explorer.options.openDelayPasses = 1000000;  // Explorer never shows the window
    int answered = 0;
    sim.dialogs.answer = [&](const sim::MessageBoxRecord&) {
        ++answered;
        const auto before = observe();
        folvaric::refreshFolderList(form);
        EXPECT_EQ(observe(), before);
        return platform::mb::IdOk;
    };
    refreshFromProgram();
    EXPECT_EQ(answered, 2);
    EXPECT_FALSE(form.refreshBusy);
}

TEST_F(RefreshTest, UserCommandsRunDuringTheWaits) {
    running();
    sim.openExplorerWindow("D:\\A");
    sim.openExplorerWindow("D:\\B");
    refreshFromProgram();
    tick("D:\\A");
    sim.closeWindow(sim.findByTitle("A"));
    bool unticked = false;
    sim.clock.everyPass([&] {
        // The user unticks B while the refresh is looking for A's window.
        if (form.refreshBusy && sim.shell.calls.size() == 1 && !unticked && rowOf("D:\\B") == 0) {
            form.CheckListBox1.userToggle(0);
            unticked = true;
        }
    });
    form.CheckListBox1.setChecked(rowOf("D:\\B"), true);
    refreshFromProgram();
    EXPECT_TRUE(unticked);
    EXPECT_FALSE(ticked("D:\\B"));
    EXPECT_TRUE(ticked("D:\\A"));
}

// The first pause is 50 ms from its start: a slow repaint of the disabled button in the
// queue it handles first is part of it, not added to it; a repaint slower than the pause
// makes it no longer.
TEST_F(RefreshTest, TheFirstPauseCountsTheQueueItHandlesFirst) {
    running();
    sim.openExplorerWindow("D:\\A");
    int repaintMs = 0;
    bool repainted = false;
    sim.clock.everyPass([&] {
        if (form.refreshBusy && !repainted) {
            repainted = true;
            sim.clock.pause(repaintMs);
        }
    });
    for (const int slowRepaint : {0, 20, 80}) {
        repaintMs = slowRepaint;
        repainted = false;
        const std::int64_t start = sim.clock.nowMilliseconds();
        refreshFromProgram();
        EXPECT_EQ(sim.clock.nowMilliseconds() - start, std::max(50, repaintMs)) << "repaint of " << repaintMs << " ms";
    }
}

}  // namespace
}  // namespace tracking_test
