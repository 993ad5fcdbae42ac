#include "commands/window_commands.h"
#include "commands_fixture.h"

using namespace folvaric;
using testing_support::CommandsFixture;
using testing_support::gbk;

namespace {

using WindowCount = CommandsFixture;

std::string countText(int total, int ticked, int effective) {
    return gbk("窗口总数量=") + std::to_string(total) + gbk("，选择的受保护数量=") + std::to_string(ticked) +
           gbk("，实际有效的受保护数量=") + std::to_string(effective);
}

TEST_F(WindowCount, CountsOnlyTickedFoldersThatExistAsEffective) {
    addFolder("C:\\A", true);
    addRow(gbk("回收站"), 0, "", true);
    addFolder("C:\\B");
    countWindows(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, countText(3, 2, 1));
    EXPECT_EQ(sim.dialogs.boxes[0].caption, gbk("计算窗口数量"));
    EXPECT_EQ(sim.dialogs.boxes[0].flags, platform::mb::Ok);
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(WindowCount, ComputerViewCountsAsEffectiveAndDeletedFolderDoesNot) {
    addRow(gbk("计算机"), 0x42, gbk("计算机"), true);
    addRow(gbk("我的电脑"), 0x44, gbk("我的电脑"), true);
    addRow("Gone", 0x46, "C:\\Gone", true);
    countWindows(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, countText(3, 3, 2));
}

TEST_F(WindowCount, EmptyListStillShowsTheBox) {
    countWindows(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, countText(0, 0, 0));
}

}  // namespace
