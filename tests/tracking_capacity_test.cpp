// The table holds 3000 rows and the refresh's snapshot 3000 entries: whatever
// would pass that is refused, and the user is told once per refresh.
#include <gtest/gtest.h>

#include "tracking_fixture.h"

namespace tracking_test {
namespace {

using folvaric::kMaxRows;

class CapacityTest : public TrackingFixture {
protected:
    void openFolders(int n) {
        for (int i = 0; i < n; ++i) sim.openExplorerWindow("D:\\F" + std::to_string(i));
    }
    // A folder set being loaded by the next refresh.
    void preload(const std::vector<std::string>& paths) {
        for (const std::string& path : paths) loaded_.push_back({sim::SimExplorer::displayName(path), path, 0});
    }
    void refreshPreloaded() { refreshLoading(std::move(loaded_)); }
    std::vector<folvaric::FolderRow> loaded_;
    std::size_t capacityBoxes() const {
        const std::string text = gbk("打开窗口太多，大于3000，超出的无法执行");
        return static_cast<std::size_t>(
            std::count_if(sim.dialogs.boxes.begin(), sim.dialogs.boxes.end(),
                          [&](const sim::MessageBoxRecord& b) { return b.text == text && b.caption == gbk("出错"); }));
    }
};

TEST_F(CapacityTest, AFullTableEndsTheRefreshBeforeAnyRebirthWithOneBox) {
    running();
    openFolders(kMaxRows);
    refreshFromProgram();
    EXPECT_EQ(capacityBoxes(), 1u);
    tick("D:\\F5");
    sim.closeWindow(form.table[rowOf("D:\\F5")].window);
    sim.openExplorerWindow("D:\\G");
    refreshFromProgram();
    EXPECT_EQ(capacityBoxes(), 2u);  // one for each refresh
    EXPECT_EQ(form.table.size(), kMaxRows);
    EXPECT_TRUE(listMatchesTable());
    EXPECT_TRUE(sim.shell.calls.empty());
    EXPECT_TRUE(form.Button4.enabled());
    EXPECT_FALSE(form.refreshBusy);
}

TEST_F(CapacityTest, RebornRowsStopAtTheLastFreeRow) {
    running();
    openFolders(kMaxRows - 1);
    sim.files.addFolder("E:\\Lost1");
    sim.files.addFolder("E:\\Lost2");
    preload({"E:\\Lost1", "E:\\Lost2"});
    refreshPreloaded();
    EXPECT_EQ(capacityBoxes(), 1u);
    ASSERT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(sim.shell.calls[0].parameters, "/n,E:\\Lost1");
    EXPECT_EQ(form.table.size(), kMaxRows);
    EXPECT_EQ(rowOf("E:\\Lost1"), kMaxRows - 1);
    EXPECT_TRUE(listMatchesTable());
    EXPECT_EQ(form.lastRefresh.reborn, 1);
}

TEST_F(CapacityTest, TicksBeyondAFullSnapshotAreRefusedOnce) {
    running();
    openFolders(2);
    refreshFromProgram();
    tick("D:\\F0");
    tick("D:\\F1");
    preload(std::vector<std::string>(kMaxRows, "E:\\Loaded"));
    sim.files.addFolder("E:\\Loaded");
    refreshPreloaded();
    EXPECT_EQ(form.lastRefresh.protectedFolders, kMaxRows);
    EXPECT_EQ(capacityBoxes(), 1u);
    EXPECT_FALSE(ticked("D:\\F0"));
    EXPECT_EQ(sim.shell.calls.size(), 1u);  // the loaded folder, once
    EXPECT_TRUE(ticked("E:\\Loaded"));
}

TEST_F(CapacityTest, EveryRefusalOfOneRefreshSharesOneBox) {
    running();
    openFolders(kMaxRows + 1);
    sim.dialogs.boxes.clear();
    form.table.append({"F", "D:\\F1", 0});  // a ticked row left from before
    form.CheckListBox1.add("F", true);
    preload(std::vector<std::string>(kMaxRows, "D:\\F0"));
    refreshPreloaded();
    EXPECT_EQ(capacityBoxes(), 1u);
    EXPECT_EQ(form.table.size(), kMaxRows);
    EXPECT_TRUE(listMatchesTable());
}

}  // namespace
}  // namespace tracking_test
