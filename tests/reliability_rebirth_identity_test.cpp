// The re-opened window of a lost folder is found by its title, and titles are only folder
// names: many folders share one. A reborn row must stand for its own folder's window, never
// for another folder's window of the same name, nor for another program's window.
#include <gtest/gtest.h>

#include "reliability_fixture.h"
#include "storage/folder_sets.h"

namespace reliability {
namespace {

const std::string kNewFolder = gbk("新建文件夹");

class ReliabilityRebirthIdentity : public ReliabilityFixture, public ::testing::Test {
protected:
    // The folders listed and ticked, then the windows of `close` closed outside the program.
    void protect(const std::vector<std::string>& open, const std::vector<std::string>& close) {
        for (const std::string& path : open) sim.openExplorerWindow(path);
        refresh();
        for (const std::string& path : open) tick(path);
        for (const std::string& path : close) sim.closeWindow(handleOf(path));
    }

    const platform::Rect sized{0, 0, 1024, 738};
};

TEST_F(ReliabilityRebirthIdentity, AListedFolderOfTheSameNameIsNotTakenForTheSlowOneReopened) {
    const std::string listed = "D:\\A\\" + kNewFolder;
    const std::string lost = "D:\\B\\" + kNewFolder;
    protect({listed, lost}, {lost});
    const WindowHandle listedWindow = handleOf(listed);
    // Explorer takes its time: the new window comes only after the first search passes.
    sim.explorer.options.openDelayPasses = 60;

    refresh();

    expectConsistent("after the rebirth");
    ASSERT_NE(rowOf(lost), -1);
    EXPECT_TRUE(ticked(lost));
    EXPECT_EQ(folderShownBy(handleOf(lost)), lost);
    EXPECT_EQ(handleOf(listed), listedWindow);
    EXPECT_EQ(sim.window(handleOf(lost)).rect, sized);
    EXPECT_NE(sim.window(listedWindow).rect, sized);  // the other folder's window was left alone
    EXPECT_EQ(form.lastRefresh.reborn, 1);
}

TEST_F(ReliabilityRebirthIdentity, TwoLostFoldersOfTheSameNameGetOneWindowEach) {
    const std::string first = "D:\\A\\" + kNewFolder;
    const std::string second = "D:\\B\\" + kNewFolder;
    protect({first, second, "D:\\Other"}, {first, second});

    refresh();

    expectConsistent("after the rebirth");
    ASSERT_NE(rowOf(first), -1);
    ASSERT_NE(rowOf(second), -1);
    EXPECT_NE(handleOf(first), handleOf(second));
    EXPECT_EQ(folderShownBy(handleOf(first)), first);
    EXPECT_EQ(folderShownBy(handleOf(second)), second);
    for (const std::string& path : {first, second}) {
        EXPECT_EQ(sim.window(handleOf(path)).state, sim::ShowState::Normal) << path;
        EXPECT_EQ(sim.window(handleOf(path)).rect, sized) << path;
    }
    EXPECT_EQ(form.lastRefresh.reborn, 2);
}

TEST_F(ReliabilityRebirthIdentity, AnotherProgramsWindowWithTheFolderNameIsNotTaken) {
    protect({"D:\\Data", "D:\\Work"}, {"D:\\Data"});
    const WindowHandle editor = sim.openAppWindow("Data", "C:\\tools\\editor.exe");
    sim.explorer.options.openDelayPasses = 60;

    refresh();

    expectConsistent("after the rebirth");
    ASSERT_NE(rowOf("D:\\Data"), -1);
    EXPECT_NE(handleOf("D:\\Data"), editor);
    EXPECT_EQ(folderShownBy(handleOf("D:\\Data")), "D:\\Data");
    EXPECT_NE(sim.window(editor).rect, sized);
}

TEST_F(ReliabilityRebirthIdentity, AWindowWhoseAddressCannotBeReadIsStillFoundByItsTitle) {
    // XP without "display the full path in the address bar": the address shows only the name,
    // so the title is all there is to go by; a folder set brings the folder back.
    sim.explorer.options.xpAddressShowsFullPath = false;
    sim.files.addFolder("D:\\Data");
    sim.files.addFile(form.defaultSetFile, "Data\r\nD:\\Data\r\n");

    folvaric::loadDefaultFolderSet(form);

    ASSERT_EQ(form.table.size(), 1);
    EXPECT_EQ(form.table[0].path, "D:\\Data");
    EXPECT_TRUE(form.CheckListBox1.checked(0));
    EXPECT_EQ(sim.window(form.table[0].window).rect, sized);
    EXPECT_EQ(form.lastRefresh.reborn, 1);
}

TEST_F(ReliabilityRebirthIdentity, AFolderListedAgainByAPassInTheMiddleKeepsItsProtection) {
    // "Minimise the other windows" walks the desktop while the refresh waits for Explorer, and
    // lists the re-opened window before the refresh finds it: the folder must come out ticked.
    protect({"D:\\Data", "D:\\Work"}, {"D:\\Data"});
    sim.clock.afterPasses(40, [this] { form.otherMenu.minimiseOtherPrograms.onClick(); });

    refresh();

    expectConsistent("after the rebirth");
    bool protectedStill = false;
    for (int i = 0; i < form.table.size(); ++i) {
        if (form.table[i].path == "D:\\Data" && form.CheckListBox1.checked(i)) protectedStill = true;
    }
    EXPECT_TRUE(protectedStill);
    EXPECT_TRUE(sim.dialogs.boxes.empty());
}

TEST_F(ReliabilityRebirthIdentity, TheComputerViewIsItselfUnderEitherOfItsNames) {
    // A set entry written partly on XP and partly on Windows 7: the XP window shows "我的电脑".
    sim.files.addFile(form.defaultSetFile, gbk("我的电脑\r\n计算机\r\n"));

    folvaric::loadDefaultFolderSet(form);

    ASSERT_EQ(form.table.size(), 1);
    EXPECT_EQ(sim.window(form.table[0].window).title, gbk("我的电脑"));
    EXPECT_TRUE(form.CheckListBox1.checked(0));
    EXPECT_TRUE(sim.dialogs.boxes.empty());
}

// Found by fuzzing the folder-set loader: an entry whose name is the title of another entry's
// window. The other folder's window must not be taken for it; with no window of its own titled
// as any of its four candidates, it is reported as not found.
TEST_F(ReliabilityRebirthIdentity, ASetEntryNamedLikeAnotherEntrysWindowIsNotGivenThatWindow) {
    sim.files.addFolder("D:\\Data");
    sim.files.addFolder("D:\\Old");
    sim.files.addFile(form.defaultSetFile, "Old\r\nD:\\Data\r\nOld\r\nD:\\Old\r\n");

    folvaric::loadDefaultFolderSet(form);

    expectConsistent("after the load");
    ASSERT_EQ(form.table.size(), 1);
    EXPECT_EQ(form.table[0].path, "D:\\Old");
    EXPECT_EQ(folderShownBy(form.table[0].window), "D:\\Old");
    ASSERT_EQ(sim.dialogs.boxes.size(), 2u);
    EXPECT_NE(sim.dialogs.boxes[1].text.find("D:\\Data"), std::string::npos);
}

}  // namespace
}  // namespace reliability
