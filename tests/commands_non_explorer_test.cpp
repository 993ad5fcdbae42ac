#include "commands/desktop_commands.h"
#include "commands_fixture.h"

using namespace folvaric;
using sim::ShowState;
using testing_support::CommandsFixture;
using testing_support::gbk;

namespace {

struct NonExplorerWindows : CommandsFixture {
    WindowHandle notepad() { return sim.openAppWindow(gbk("无标题 - 记事本"), "C:\\WINDOWS\\notepad.exe"); }
};

TEST_F(NonExplorerWindows, MinimiseTouchesEveryOtherProgramButNoFolderWindow) {
    const WindowHandle a = addFolder("C:\\A");
    const WindowHandle b = addFolder("C:\\B");
    const WindowHandle note = notepad();
    Explorer1Click(form);
    EXPECT_EQ(sim.window(note).state, ShowState::Minimised);
    EXPECT_EQ(sim.window(sim.app.mainWindow()).state, ShowState::Minimised);
    EXPECT_EQ(sim.window(a).state, ShowState::Normal);
    EXPECT_EQ(sim.window(b).state, ShowState::Normal);
    EXPECT_TRUE(listMatchesTable());
    EXPECT_EQ(form.table.size(), 2);
}

TEST_F(NonExplorerWindows, RestoreBringsBackOnlyMinimisedWindows) {
    const WindowHandle folder = addFolder("C:\\A");
    sim.window(folder).state = ShowState::Minimised;
    const WindowHandle note = notepad();
    sim.window(note).state = ShowState::Minimised;
    const WindowHandle wide = sim.openAppWindow("Editor", "C:\\Tools\\editor.exe");
    sim.window(wide).state = ShowState::Maximised;
    Explorer2Click(form);
    EXPECT_EQ(sim.window(note).state, ShowState::Normal);
    EXPECT_EQ(sim.window(wide).state, ShowState::Maximised);
    EXPECT_EQ(sim.window(folder).state, ShowState::Minimised);
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(NonExplorerWindows, DialogsToolWindowsAndUntitledWindowsAreLeftAlone) {
    using namespace platform::style;
    const WindowHandle dialog =
        sim.openAppWindow("Setup", "C:\\Tools\\setup.exe", Visible | ClipSiblings | Caption | SysMenu);
    const WindowHandle untitled = sim.openAppWindow("", "C:\\Tools\\agent.exe");
    Explorer1Click(form);
    EXPECT_EQ(sim.window(dialog).state, ShowState::Normal);
    EXPECT_EQ(sim.window(untitled).state, ShowState::Normal);
    sim.window(dialog).state = ShowState::Minimised;
    Explorer2Click(form);
    EXPECT_EQ(sim.window(dialog).state, ShowState::Minimised);
}

TEST_F(NonExplorerWindows, ListFollowsTheRefilledTableWithTicksAndSelectionByWindow) {
    const WindowHandle a = addFolder("C:\\A");
    const WindowHandle b = addFolder("C:\\B", true);
    form.CheckListBox1.select(1);
    const WindowHandle c = sim.openExplorerWindow("C:\\C");  // opened since the last refresh
    sim.windows.bringToTop(a);
    Explorer1Click(form);
    // Rows in Z order, topmost first: A, C, B.
    EXPECT_EQ(handles(), (std::vector<WindowHandle>{a, c, b}));
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(form.CheckListBox1.itemIndex(), 2);
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(NonExplorerWindows, SelectionOfAVanishedWindowIsDropped) {
    addFolder("C:\\A");
    const WindowHandle b = addFolder("C:\\B");
    form.CheckListBox1.select(1);
    sim.closeWindow(b);
    Explorer2Click(form);
    EXPECT_EQ(names(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(form.CheckListBox1.itemIndex(), -1);
    EXPECT_TRUE(listMatchesTable());
}

// A protected folder closed outside the program must still be there for the
// next refresh to bring back; minimising other programs must not forget it.
TEST_F(NonExplorerWindows, TickedFolderWhoseWindowVanishedStaysProtected) {
    const WindowHandle a = addFolder("C:\\A", true);
    const WindowHandle b = addFolder("C:\\B");
    sim.closeWindow(a);
    Explorer1Click(form);
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\B", "C:\\A"}));
    EXPECT_EQ(handles(), (std::vector<WindowHandle>{b, a}));
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true}));
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(NonExplorerWindows, TickOfAClosedDuplicatePassesToTheKeptWindowOfTheFolder) {
    addFolder("C:\\A", true);
    const WindowHandle second = sim.openExplorerWindow("C:\\A");  // on top: the one kept
    Explorer1Click(form);
    EXPECT_EQ(handles(), (std::vector<WindowHandle>{second}));
    EXPECT_EQ(ticks(), (std::vector<bool>{true}));
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(NonExplorerWindows, NoExplorerWindowLeavesOnlyTheProtectedRows) {
    const WindowHandle a = addFolder("C:\\A", true);
    const WindowHandle b = addFolder("C:\\B");
    sim.closeWindow(a);
    sim.closeWindow(b);
    Explorer2Click(form);
    EXPECT_EQ(names(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(ticks(), (std::vector<bool>{true}));
    EXPECT_TRUE(listMatchesTable());
}

}  // namespace
