// The refresh's waits and the rule for a readable folder address, pinned to their values:
// each wait is seen in the simulated clock, so a changed pause or pass count shows as time.
#include <gtest/gtest.h>

#include "tracking/address_scan.h"
#include "tracking_fixture.h"

namespace tracking_test {
namespace {

struct TimingCase {
    const char* scene;
    int lost;              // protected folders closed outside the program
    int openDelayPasses;   // how long the stand-in Explorer takes to show a re-opened window
    std::int64_t extraMs;  // paused beyond a refresh that loses nothing
};

// 210 ms settle (21 x 10), one 50 ms search pass per folder found at once, 41 x 50 ms per
// failed attempt (two attempts), then 1000 ms before the reborn windows are sized.
const TimingCase kTimings[] = {
    {"one folder found at the first pass", 1, 2, 210 + 50 + 1000},
    {"two folders found at the first pass", 2, 2, 210 + 2 * 50 + 1000},
    {"a folder never found", 1, 1000000, 210 + 2 * 41 * 50 + 1000},
};

// A fresh desktop per case, so one case's clock and windows cannot leak into the next.
struct RefreshTimingTest : TrackingFixture {
    void TestBody() override {}
    // Lists `open` folders, ticks them all, closes the first `lost` and times one refresh.
    std::int64_t timedRefresh(int lost, int openDelayPasses) {
        running();
        const char* const folders[] = {"D:\\A", "D:\\B", "D:\\C"};
        for (const char* path : folders) sim.openExplorerWindow(path);
        refreshFromProgram();
        for (const char* path : folders) tick(path);
        for (int i = 0; i < lost; ++i) sim.closeWindow(form.table[rowOf(folders[i])].window);
        sim.explorer.options.openDelayPasses = openDelayPasses;
        const std::int64_t before = sim.clock.pausedMilliseconds();
        refreshFromProgram();
        return sim.clock.pausedMilliseconds() - before;
    }
};

TEST(RefreshTiming, EachWaitOfTheRebirthTakesItsOwnTime) {
    const std::int64_t plain = RefreshTimingTest().timedRefresh(0, 2);
    EXPECT_EQ(plain, 50) << "the first pause of every refresh";
    for (const TimingCase& c : kTimings) {
        RefreshTimingTest t;
        EXPECT_EQ(t.timedRefresh(c.lost, c.openDelayPasses) - plain, c.extraMs) << c.scene;
    }
}

TEST(AddressRule, OnlyExistingDrivePathsAndTheComputerViewCanBeReopened) {
    const std::pair<std::string, bool> cases[] = {
        {"D:\\", true},         {"D:\\Data", true},  {gbk("我的电脑"), true},
        {gbk("计算机"), true},  {"D:\\Gone", false}, {"\\\\srv\\share", false},
        {"D:Data", false},      {"Data", false},     {gbk("中\\Data"), false},
        {"\x81@\\Data", false}, {"", false},         {gbk("我的电脑x"), false},
    };
    RefreshTimingTest t;
    for (const char* folder : {"D:\\Data", "\\\\srv\\share", "D:Data", "Data"}) t.sim.files.addFolder(folder);
    t.sim.files.addFolder(gbk("中\\Data"));
    t.sim.files.addFolder("\x81@\\Data");  // a double-byte letter whose second byte is "@"
    for (const auto& c : cases) EXPECT_EQ(folvaric::isReadableAddress(t.form, c.first), c.second) << c.first;
}

}  // namespace
}  // namespace tracking_test
