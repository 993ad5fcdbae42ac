// The window walk beyond the folders themselves: other programs' windows, the
// owner process, the table's capacity, the search by title and the version check.
#include <gtest/gtest.h>

#include "tracking_fixture.h"

namespace tracking_test {
namespace {

using sim::ShowState;

using WalkTest = TrackingFixture;

TEST_F(WalkTest, OnlyOtherProgramsWindowsIsNoExplorerWindow) {
    sim.openAppWindow("Notes", "C:\\tools\\notepad.exe");
    EXPECT_FALSE(enumerate());
    EXPECT_EQ(form.table.size(), 0);
}

TEST_F(WalkTest, MinimiseOthersMinimisesEveryOtherMainWindowTheProgramsOwnIncluded) {
    const WindowHandle folder = sim.openExplorerWindow("D:\\Data");
    const WindowHandle notes = sim.openAppWindow("Notes", "C:\\tools\\notepad.exe");
    const WindowHandle tool = sim.openAppWindow("Palette", "C:\\tools\\paint.exe", platform::style::Visible);
    EXPECT_TRUE(enumerate(true, false));
    EXPECT_EQ(sim.window(notes).state, ShowState::Minimised);
    EXPECT_EQ(sim.window(sim.app.mainWindow()).state, ShowState::Minimised);
    EXPECT_EQ(sim.window(tool).state, ShowState::Normal);  // not a main window
    EXPECT_EQ(sim.window(folder).state, ShowState::Normal);
    EXPECT_EQ(form.table.size(), 1);
}

TEST_F(WalkTest, RestoreOthersRestoresOnlyMinimisedOtherWindows) {
    const WindowHandle folder = sim.openExplorerWindow("D:\\Data");
    const WindowHandle notes = sim.openAppWindow("Notes", "C:\\tools\\notepad.exe");
    const WindowHandle editor = sim.openAppWindow("Editor", "C:\\tools\\editor.exe");
    sim.windows.minimise(notes);
    sim.windows.minimise(folder);
    sim.windows.minimise(sim.app.mainWindow());
    sim.windows.move(editor, {5, 5, 50, 50}, true);
    EXPECT_TRUE(enumerate(0, 1));
    EXPECT_EQ(sim.window(notes).state, ShowState::Normal);
    EXPECT_EQ(sim.window(sim.app.mainWindow()).state, ShowState::Normal);
    EXPECT_EQ(sim.window(folder).state, ShowState::Minimised);  // Explorer windows are left alone
    EXPECT_EQ(sim.window(editor).rect, (platform::Rect{5, 5, 50, 50}));
}

TEST_F(WalkTest, WindowsOfAnExplorerProcessThatCannotBeInspectedAreNotListed) {
    const auto guarded = sim.windows.addProcess("C:\\WINDOWS\\explorer.exe", true);
    const WindowHandle w = sim.windows.createTopLevel(guarded, "CabinetWClass", "Data", sim::SimDesktop::kAppStyle);
    EXPECT_FALSE(enumerate(true, false));
    EXPECT_EQ(form.table.size(), 0);
    EXPECT_EQ(sim.window(w).state, ShowState::Minimised);  // treated as any other program
    EXPECT_EQ(folvaric::getWindowExePath(form, w), "");
}

TEST_F(WalkTest, OwnerExecutableIsRecognisedInAnyCaseButNeedsTheExeSuffix) {
    const auto upper = sim.windows.addProcess("C:\\WINDOWS\\EXPLORER.EXE");
    const auto odd = sim.windows.addProcess("C:\\WINDOWS\\explorer.exe.old");
    const WindowHandle listed = sim.windows.createTopLevel(upper, "CabinetWClass", "One", sim::SimDesktop::kAppStyle);
    const WindowHandle ignored = sim.windows.createTopLevel(odd, "CabinetWClass", "Two", sim::SimDesktop::kAppStyle);
    EXPECT_EQ(folvaric::getWindowExePath(form, listed), "C:\\WINDOWS\\EXPLORER.EXE");
    EXPECT_EQ(folvaric::getWindowExePath(form, ignored), "");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowHandles(), (std::vector<WindowHandle>{listed}));
}

TEST_F(WalkTest, WindowsWithoutTitleOrMainWindowStyleAreSkipped) {
    explorerTop("");
    const WindowHandle hidden = sim.openExplorerWindow("D:\\Hidden");
    sim.windows.show(hidden, platform::ShowCommand::Hide);
    sim.openExplorerWindow("D:\\Shown");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowNames(), (std::vector<std::string>{"Shown"}));
}

TEST_F(WalkTest, OneWalkAsksForEachProcessOnlyOnce) {
    for (int i = 0; i < 20; ++i) sim.openExplorerWindow("D:\\F" + std::to_string(i));
    const auto tools = sim.windows.addProcess("C:\\tools\\multi.exe");
    for (int i = 0; i < 5; ++i) {
        sim.windows.createTopLevel(tools, "Doc", "Doc " + std::to_string(i), sim::SimDesktop::kAppStyle);
    }
    const int before = sim.windows.executablePathLookups();
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(sim.windows.executablePathLookups() - before, 3);  // Explorer, the tool, the program
    EXPECT_EQ(form.table.size(), 20);
    EXPECT_EQ(rowNames().front(), "F19");
    // A second walk asks again: processes come and go between walks.
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(sim.windows.executablePathLookups() - before, 6);
}

TEST_F(WalkTest, TheTableStopsAtThreeThousandRowsAndSaysSoOnce) {
    const WindowHandle lowest = sim.openExplorerWindow("D:\\Lowest");
    const WindowHandle notes = sim.openAppWindow("Notes", "C:\\tools\\notepad.exe");
    for (int i = 0; i < folvaric::kMaxRows; ++i) sim.openExplorerWindow("D:\\F" + std::to_string(i));
    EXPECT_TRUE(enumerate(true, false));
    EXPECT_EQ(form.table.size(), folvaric::kMaxRows);
    EXPECT_EQ(rowNames().front(), "F2999");
    EXPECT_EQ(rowNames().back(), "F0");
    EXPECT_EQ(rowOf("D:\\Lowest"), -1);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, gbk("打开窗口太多，大于3000，超出的无法执行"));
    EXPECT_EQ(sim.dialogs.boxes[0].caption, gbk("出错"));
    // The walk ends there: windows below are not examined.
    EXPECT_EQ(sim.window(notes).state, ShowState::Normal);
    EXPECT_EQ(sim.window(lowest).closeRequests, 0);
}

TEST_F(WalkTest, ADuplicateDoesNotTakeTheLastRow) {
    sim.openExplorerWindow("D:\\F0");
    for (int i = 0; i < folvaric::kMaxRows - 1; ++i) sim.openExplorerWindow("D:\\F" + std::to_string(i));
    const WindowHandle bottom = sim.windows.zOrder()[sim.windows.zOrder().size() - 2];  // above the program
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(form.table.size(), folvaric::kMaxRows - 1);
    EXPECT_EQ(sim.window(bottom).closeRequests, 1);
    EXPECT_TRUE(sim.dialogs.boxes.empty());
}

TEST_F(WalkTest, FindByTitleTakesTheTopmostQualifyingWindowWithExactlyThatTitle) {
    const WindowHandle lower = sim.openExplorerWindow("D:\\Data");
    const WindowHandle upper = sim.openExplorerWindow("E:\\Data");
    sim.openAppWindow("Report", "C:\\tools\\r.exe", platform::style::Visible);  // no main-window style
    EXPECT_EQ(folvaric::findWindowByTitle(form, "Data"), upper);
    sim.windows.show(upper, platform::ShowCommand::Hide);
    EXPECT_EQ(folvaric::findWindowByTitle(form, "Data"), lower);
    EXPECT_EQ(folvaric::findWindowByTitle(form, "data"), 0u);
    EXPECT_EQ(folvaric::findWindowByTitle(form, "Report"), 0u);
    EXPECT_EQ(folvaric::findWindowByTitle(form, ""), 0u);
}

struct VersionCase {
    std::uint32_t platformId, major, minor;
    const char* servicePack;
    unsigned char code;
};

TEST_F(WalkTest, VersionCodesFollowPlatformVersionAndServicePack) {
    const VersionCase cases[] = {
        {1, 4, 0, "", 1}, {1, 4, 0, " B ", 2}, {1, 4, 10, "", 3}, {1, 4, 10, "A", 4}, {1, 4, 90, "", 8},
        {1, 5, 0, "", 0}, {2, 3, 51, "", 5},   {2, 4, 0, "", 6},  {2, 5, 0, "", 7},   {2, 5, 1, "", 9},
        {2, 5, 2, "", 9}, {2, 6, 0, "", 0},    {2, 6, 1, "", 0},  {2, 10, 0, "", 0},  {0, 4, 0, "", 1},
    };
    for (const VersionCase& c : cases) {
        platform::VersionRecord v;
        v.platformId = c.platformId;
        v.majorVersion = c.major;
        v.minorVersion = c.minor;
        v.servicePack = c.servicePack;
        sim.windows.setVersion(v);
        EXPECT_EQ(folvaric::detectOsVersion(form), c.code) << c.platformId << " " << c.major << "." << c.minor;
    }
}

TEST_F(WalkTest, OnlyTheNewerGenerationIsNamed) {
    platform::VersionRecord xp;
    xp.majorVersion = 5;
    xp.minorVersion = 1;
    sim.windows.setVersion(xp);
    form.osGeneration = "stale";
    folvaric::detectWindowsGeneration(form);
    EXPECT_EQ(form.osGeneration, "");
    sim.windows.setVersion(platform::VersionRecord{});  // 6.1
    folvaric::detectWindowsGeneration(form);
    EXPECT_EQ(form.osGeneration, "vista or win7");
}

}  // namespace
}  // namespace tracking_test
