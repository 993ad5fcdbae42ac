#include "commands/desktop_commands.h"
#include "commands_fixture.h"

using namespace folvaric;
using testing_support::CommandsFixture;
using testing_support::gbk;

namespace {

using ShellCommands = CommandsFixture;

TEST_F(ShellCommands, OpenProgramFolderOpensAMaximisedExplorerWindow) {
    openProgramFolder(form);
    ASSERT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(sim.shell.calls[0], (sim::ShellCall{sim.app.mainWindow(), "open", "Explorer.exe", "/n,C:\\Folvaric", "",
                                                  platform::ShowCommand::ShowMaximized}));
    sim.clock.processMessages();
    sim.clock.processMessages();
    const WindowHandle opened = sim.findByTitle("Folvaric");
    ASSERT_NE(opened, 0u);
    EXPECT_EQ(sim.window(opened).state, sim::ShowState::Maximised);
}

TEST_F(ShellCommands, OpenProgramFolderThatIsGoneSaysSo) {
    sim.files.removeFolder("C:\\Folvaric");
    openProgramFolder(form);
    EXPECT_TRUE(sim.shell.calls.empty());
    EXPECT_EQ(sim.dialogs.messages, (std::vector<std::string>{gbk("文件夹路径不存在  ") + "C:\\Folvaric"}));
}

TEST_F(ShellCommands, RestartExplorerAsksSystemModalWithoutOwner) {
    const std::string script = "C:\\Folvaric\\" + gbk("重启动explorer.bat");
    sim.files.addFile(script, "taskkill /f /im explorer.exe\r\nstart explorer.exe\r\n");
    restartExplorer(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].owner, 0u);
    EXPECT_EQ(sim.dialogs.boxes[0].flags, 0x1021u);
    EXPECT_EQ(sim.dialogs.boxes[0].caption, gbk("重启动Explorer选择"));
    EXPECT_EQ(sim.dialogs.boxes[0].text, gbk("如果你的Explorer卡住了或者死机了这将重启动它，你确信重启动Explorer吗?"));
    ASSERT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(sim.shell.calls[0],
              (sim::ShellCall{sim.app.mainWindow(), "open", script, "", "", platform::ShowCommand::Show}));
}

TEST_F(ShellCommands, RestartExplorerCancelledDoesNothing) {
    sim.files.addFile("C:\\Folvaric\\" + gbk("重启动explorer.bat"), "x");
    sim.dialogs.answer = [](const sim::MessageBoxRecord&) { return platform::mb::IdCancel; };
    restartExplorer(form);
    EXPECT_TRUE(sim.shell.calls.empty());
    EXPECT_TRUE(sim.dialogs.messages.empty());
}

TEST_F(ShellCommands, RestartExplorerWithoutScriptNamesTheMissingFile) {
    restartExplorer(form);
    EXPECT_TRUE(sim.shell.calls.empty());
    EXPECT_EQ(sim.dialogs.messages,
              (std::vector<std::string>{gbk("文件不存在  ") + "C:\\Folvaric\\" + gbk("重启动explorer.bat")}));
}

TEST_F(ShellCommands, DualWindowIsShownWhenTheProgramHasOne) {
    openDualWindow(form);  // not wired: nothing to show, nothing breaks
    int shows = 0;
    form.showDualWindow = [&] { ++shows; };
    openDualWindow(form);
    EXPECT_EQ(shows, 1);
}

using CopyCommands = CommandsFixture;

TEST_F(CopyCommands, CopyPathAndNameOfTheSelectedEntry) {
    addRow("A", 0xA, "C:\\A");
    addRow(gbk("数据"), 0xB, gbk("D:\\工作\\数据"));
    form.CheckListBox1.select(1);
    copySelectedPath(form);
    EXPECT_EQ(sim.clipboard.text(), gbk("D:\\工作\\数据"));
    copySelectedName(form);
    EXPECT_EQ(sim.clipboard.text(), form.CheckListBox1.item(1));
    EXPECT_TRUE(sim.dialogs.boxes.empty());
}

TEST_F(CopyCommands, EmptyPathIsCopiedAsEmptyText) {
    sim.clipboard.setText("old");
    addRow(gbk("回收站"), 0xA, "");
    form.CheckListBox1.select(0);
    copySelectedPath(form);
    EXPECT_EQ(sim.clipboard.text(), "");
}

TEST_F(CopyCommands, CopyWithoutSelectionRefuses) {
    sim.clipboard.setText("old");
    copySelectedPath(form);
    addRow("A", 0xA, "C:\\A");
    copySelectedName(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 2u);
    for (const auto& box : sim.dialogs.boxes) {
        EXPECT_EQ(box.text, gbk("没有选择任何一个选项"));
        EXPECT_EQ(box.caption, gbk("出错"));
    }
    EXPECT_EQ(sim.clipboard.text(), "old");
}

TEST_F(CopyCommands, StatusLineCopiedOnDoubleClickUnlessEmpty) {
    sim.clipboard.setText("old");
    const int setsBefore = sim.clipboard.sets;
    statusLineDoubleClicked(form);
    EXPECT_EQ(sim.clipboard.text(), "old");
    EXPECT_EQ(sim.clipboard.sets, setsBefore);
    form.StatusBar1.setSimpleText(gbk("当前地址：") + "C:\\A");
    statusLineDoubleClicked(form);
    EXPECT_EQ(sim.clipboard.text(), gbk("当前地址：") + "C:\\A");
    form.StatusBar1.setSimpleText("menu");
    copyStatusLine(form);
    EXPECT_EQ(sim.clipboard.text(), "menu");
}

}  // namespace
