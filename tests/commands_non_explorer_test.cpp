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
    minimiseOtherPrograms(form);
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
    restoreOtherPrograms(form);
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
    minimiseOtherPrograms(form);
    EXPECT_EQ(sim.window(dialog).state, ShowState::Normal);
    EXPECT_EQ(sim.window(untitled).state, ShowState::Normal);
    sim.window(dialog).state = ShowState::Minimised;
    restoreOtherPrograms(form);
    EXPECT_EQ(sim.window(dialog).state, ShowState::Minimised);
}

TEST_F(NonExplorerWindows, ListFollowsTheRefilledTableWithTicksAndSelectionByWindow) {
    const WindowHandle a = addFolder("C:\\A");
    const WindowHandle b = addFolder("C:\\B", true);
    form.CheckListBox1.select(1);
    const WindowHandle c = sim.openExplorerWindow("C:\\C");  // opened since the last refresh
    sim.windows.bringToTop(a);
    minimiseOtherPrograms(form);
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
    restoreOtherPrograms(form);
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
    minimiseOtherPrograms(form);
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\B", "C:\\A"}));
    EXPECT_EQ(handles(), (std::vector<WindowHandle>{b, a}));
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true}));
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(NonExplorerWindows, TickOfAClosedDuplicatePassesToTheKeptWindowOfTheFolder) {
    addFolder("C:\\A", true);
    const WindowHandle second = sim.openExplorerWindow("C:\\A");  // on top: the one kept
    minimiseOtherPrograms(form);
    EXPECT_EQ(handles(), (std::vector<WindowHandle>{second}));
    EXPECT_EQ(ticks(), (std::vector<bool>{true}));
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(NonExplorerWindows, NoExplorerWindowLeavesOnlyTheProtectedRows) {
    const WindowHandle a = addFolder("C:\\A", true);
    const WindowHandle b = addFolder("C:\\B");
    sim.closeWindow(a);
    sim.closeWindow(b);
    restoreOtherPrograms(form);
    EXPECT_EQ(names(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(ticks(), (std::vector<bool>{true}));
    EXPECT_TRUE(listMatchesTable());
}

// Ticks belong to folders. A ticked window that the user has browsed to another folder since
// the last refresh leaves its tick with the old folder (listed for the next refresh to bring
// back), and a folder spelt in another case is the same folder.
TEST(NonExplorerWindowsTicks, FollowTheFolderNotTheWindow) {
    struct Scene : NonExplorerWindows {
        void TestBody() override {}
        void browse(WindowHandle w, const std::string& path) {
            sim.files.addFolder(path);
            sim.window(w).title = sim::SimExplorer::displayName(path);
            sim.windows.forEachDescendant(w, [&](WindowHandle child) {
                if (sim.window(child).className == "Edit") sim.window(child).text = path;
                return true;
            });
        }
    };
    const struct {
        const char* what;
        std::function<void(Scene&)> setUp;
        std::vector<std::string> paths;
        std::vector<bool> ticks;
    } cases[] = {
        {"browsed away",
         [](Scene& s) {
             const WindowHandle a = s.addFolder("C:\\A", true);
             s.addFolder("C:\\B");
             s.browse(a, "C:\\Other");
         },
         {"C:\\B", "C:\\Other", "C:\\A"},
         {false, false, true}},
        {"browsed away, another window of the folder open",
         [](Scene& s) {
             const WindowHandle a = s.addFolder("C:\\A", true);
             s.sim.openExplorerWindow("C:\\A");
             s.browse(a, "C:\\Other");
         },
         {"C:\\A", "C:\\Other"},
         {true, false}},
        {"recorded in another case",
         [](Scene& s) { s.addRow("A", s.sim.openExplorerWindow("C:\\A"), "c:\\a", true); },
         {"C:\\A"},
         {true}},
    };
    for (const auto& c : cases) {
        for (const auto command : {minimiseOtherPrograms, restoreOtherPrograms}) {
            Scene s;
            c.setUp(s);
            command(s.form);
            EXPECT_EQ(s.paths(), c.paths) << c.what;
            EXPECT_EQ(s.ticks(), c.ticks) << c.what;
            EXPECT_TRUE(s.listMatchesTable()) << c.what;
        }
    }
}

}  // namespace
