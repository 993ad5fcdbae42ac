#include "commands/marks.h"
#include "commands_fixture.h"

using namespace folvaric;
using testing_support::CommandsFixture;
using testing_support::gbk;
namespace shift = controls::shift;

namespace {

struct Marks : CommandsFixture {
    // Rows without windows: the marks live in the list alone.
    void rows(int n) {
        for (int i = 0; i < n; ++i) addRow("F" + std::to_string(i), 0, "C:\\F" + std::to_string(i));
    }
    // The way the user ticks: Space or a click on the box, with the handlers bound.
    void userToggle(int i) { form.CheckListBox1.userToggle(i); }
    void bind() {
        form.CheckListBox1.OnClickCheck = [this] { listTickToggled(form); };
        form.CheckListBox1.OnKeyDown = [this](unsigned k, unsigned s) { listKeyDown(form, k, s); };
        form.CheckListBox1.OnKeyUp = [this](unsigned k, unsigned s) { listKeyUp(form, k, s); };
        form.CheckListBox1.OnClick = [this] { listSelectionChanged(form); };
    }
    void shiftDown() { form.CheckListBox1.userKeyDown(16, shift::Shift); }
    void shiftUp() { form.CheckListBox1.userKeyUp(16, 0); }
    std::vector<bool> ticked(std::initializer_list<int> on, int n) {
        std::vector<bool> v(static_cast<std::size_t>(n), false);
        for (int i : on) v[static_cast<std::size_t>(i)] = true;
        return v;
    }
};

const std::string kAllProtected =
    gbk("你已经保护了所有文件夹，如果在windows中被关闭，只要按下刷新，失去的所有文件夹就立刻重生！");
const std::string kNoneProtected = gbk("注意：所有的文件夹都失去了保护！文件夹无法自动重生！");
const std::string kInverted = gbk("打勾的文件夹被保护，如果在windows中被关闭，只要按下刷新，失去的文件夹就立刻重生！");

TEST_F(Marks, TickAllOnEmptyListStillReports) {
    shown();
    tickAll(form);
    EXPECT_EQ(form.CheckListBox1.count(), 0);
    EXPECT_EQ(status(), kAllProtected);
    EXPECT_TRUE(listHasFocus());
}

TEST_F(Marks, BulkCommandsSetEveryMarkAndReport) {
    shown();
    rows(3);
    form.CheckListBox1.setChecked(1, true);
    tickAll(form);
    EXPECT_EQ(ticks(), ticked({0, 1, 2}, 3));
    EXPECT_EQ(status(), kAllProtected);
    untickAll(form);
    EXPECT_EQ(ticks(), ticked({}, 3));
    EXPECT_EQ(status(), kNoneProtected);
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(Marks, InvertFlipsEachEntry) {
    shown();
    rows(3);
    form.CheckListBox1.setChecked(0, true);
    form.CheckListBox1.setChecked(2, true);
    invertTicks(form);
    EXPECT_EQ(ticks(), ticked({1}, 3));
    EXPECT_EQ(status(), kInverted);
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(Marks, BulkCommandsStayQuietWhileAnyFlagIsOff) {
    rows(2);
    form.StatusBar1.setSimpleText("before");
    tickAll(form);  // not shown yet
    EXPECT_EQ(status(), "before");
    shown();
    form.pathsResolvable = false;
    untickAll(form);
    EXPECT_EQ(ticks(), ticked({}, 2));
    EXPECT_EQ(status(), "before");
    form.pathsResolvable = true;
    form.startupDone = false;
    invertTicks(form);
    EXPECT_EQ(ticks(), ticked({0, 1}, 2));
    EXPECT_EQ(status(), "before");
}

TEST_F(Marks, ShiftTickExtendsFromThePlainTick) {
    bind();
    rows(8);
    userToggle(5);
    shiftDown();
    userToggle(2);
    EXPECT_EQ(ticks(), ticked({2, 3, 4, 5}, 8));
    EXPECT_FALSE(form.shiftRangeArmed);  // one range per Shift press
    EXPECT_EQ(form.rangeAnchor, 5);
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(Marks, PlainUntickMovesTheAnchorToTheTop) {
    bind();
    rows(6);
    userToggle(4);
    userToggle(4);  // untick
    EXPECT_EQ(form.rangeAnchor, 0);
    shiftDown();
    userToggle(3);
    EXPECT_EQ(ticks(), ticked({0, 1, 2, 3}, 6));
}

TEST_F(Marks, ShiftUntickChangesOnlyThatEntryAndStaysArmed) {
    bind();
    rows(5);
    form.CheckListBox1.setChecked(1, true);
    form.CheckListBox1.setChecked(3, true);
    shiftDown();
    userToggle(3);
    EXPECT_EQ(ticks(), ticked({1}, 5));
    EXPECT_TRUE(form.shiftRangeArmed);
}

TEST_F(Marks, OnlyShiftAloneArmsAndAnyKeyUpDisarms) {
    bind();
    rows(5);
    userToggle(0);
    form.CheckListBox1.userKeyDown(16, shift::Shift | shift::Ctrl);
    EXPECT_FALSE(form.shiftRangeArmed);
    form.CheckListBox1.userKeyDown(16, shift::Shift | shift::Left);
    EXPECT_FALSE(form.shiftRangeArmed);
    form.CheckListBox1.userKeyDown('A', shift::Shift);
    EXPECT_TRUE(form.shiftRangeArmed);
    shiftUp();
    userToggle(3);
    EXPECT_EQ(ticks(), ticked({0, 3}, 5));
}

TEST_F(Marks, RangeFromAnAnchorBeyondTheListStopsAtTheLastEntry) {
    bind();
    rows(10);
    userToggle(8);                            // anchor 8
    while (form.CheckListBox1.count() > 4) {  // rows go away; the anchor stays
        form.CheckListBox1.remove(form.CheckListBox1.count() - 1);
        form.table.truncate(form.table.size() - 1);
    }
    shiftDown();
    userToggle(1);
    EXPECT_EQ(ticks(), ticked({1, 2, 3}, 4));
}

// Selecting shows the path on the status line and in the tip, or, for a row without a path, a
// warning; the warning is not gated: before the first showing too.
TEST_F(Marks, SelectingShowsThePathOrWarnsOnStatusLineAndTip) {
    bind();
    addRow("Data", 0, "D:\\Data");
    addRow(gbk("回收站"), 0, "");
    const std::string warning = gbk("路径没有找到，文件夹自动重生保护失效");
    for (const auto& [row, shown] : {std::pair{0, gbk("当前地址：") + "D:\\Data"}, {1, warning}}) {
        form.CheckListBox1.userSelect(row);
        EXPECT_EQ(status(), shown);
        EXPECT_EQ(form.CheckListBox1.hint, row == 0 ? "D:\\Data" : warning);
    }
}

TEST_F(Marks, SelectingWhilePathsFailShowsTheReason) {
    bind();
    addRow("Data", 0, "D:\\Data");
    form.pathsResolvable = false;
    form.pathFailReason = folvaric::AddressFailure::XpAddressEdit;
    form.CheckListBox1.userSelect(0);
    EXPECT_EQ(status(), gbk("文件夹自动重生保护失效，请在xp文件夹选项中设置地址栏显示完整路径，然后按刷新"));
    form.pathFailReason = folvaric::AddressFailure::AddressToolbar;
    form.pathFailText = gbk("win7标题栏路径名不存在  ") + "X";
    form.CheckListBox1.userSelect(0);
    const std::string expected = gbk("文件夹自动重生保护失效,原因：") + gbk("win7标题栏路径名不存在  ") + "X";
    EXPECT_EQ(status(), expected);
    EXPECT_EQ(form.CheckListBox1.hint, expected);
}

TEST_F(Marks, SelectionFeedbackNeedsASelection) {
    form.StatusBar1.setSimpleText("kept");
    listSelectionChanged(form);  // empty list
    addRow("Data", 0, "D:\\Data");
    listSelectionChanged(form);  // nothing selected
    EXPECT_EQ(status(), "kept");
    EXPECT_EQ(form.CheckListBox1.hint, "");
}

TEST_F(Marks, DoubleClickMaximisesTheSelectedWindow) {
    const WindowHandle h = addFolder("D:\\Data");
    form.CheckListBox1.select(0);
    listDoubleClicked(form);
    EXPECT_EQ(sim.window(h).rect, (platform::Rect{0, 0, 1024, 738}));
    EXPECT_TRUE(sim.app.isMinimised());
}

}  // namespace
