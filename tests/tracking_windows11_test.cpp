// Folder windows of Windows 11: a header of the shell's own without an address
// control, and several folders as tabs of one window. The shell's window list
// tells their folders; the program's commands work on them as on any other.
#include <algorithm>
#include "app/main_form.h"

#include "app_fixture.h"
#include "commands/window_commands.h"
#include "tracking/discovery.h"

namespace testing_support {
namespace {

using platform::WindowHandle;
using sim::ExplorerStyle;
using Strings = std::vector<std::string>;

platform::VersionRecord windowsVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t build) {
    platform::VersionRecord v;
    v.majorVersion = major;
    v.minorVersion = minor;
    v.buildNumber = build;
    return v;
}

struct Windows11Test : AppFixture {
    Windows11Test() {
        sim.windows.setVersion(windowsVersion(10, 0, 22631));
        sim.explorer.options.style = ExplorerStyle::Win11;
        writeSettings(false, true);
        writeDefaultSet("");
        for (const char* folder : {"C:\\Data", "C:\\Work", "C:\\Old"}) sim.files.addFolder(folder);
    }
    Strings paths() const {
        Strings all;
        for (const folvaric::FolderRow& row : form.table) all.push_back(row.path);
        return all;
    }
    Strings items() const {
        Strings all;
        for (int i = 0; i < form.CheckListBox1.count(); ++i) all.push_back(form.CheckListBox1.item(i));
        return all;
    }
    int row(const std::string& name) const {
        const Strings all = items();
        return static_cast<int>(std::find(all.begin(), all.end(), name) - all.begin());
    }
};

TEST_F(Windows11Test, EachGenerationIsToldByItsVersionNumbers) {
    using folvaric::WindowsGeneration;
    const struct {
        std::uint32_t platformId, major, minor, build;
        WindowsGeneration generation;
    } cases[] = {
        {1, 4, 10, 2222, WindowsGeneration::Older},      {2, 5, 0, 2195, WindowsGeneration::Older},
        {2, 5, 1, 2600, WindowsGeneration::Xp},          {2, 5, 2, 3790, WindowsGeneration::Xp},
        {2, 6, 0, 6002, WindowsGeneration::VistaOr7},    {2, 6, 1, 7601, WindowsGeneration::VistaOr7},
        {2, 6, 2, 9200, WindowsGeneration::Windows8},    {2, 6, 3, 9600, WindowsGeneration::Windows8},
        {2, 10, 0, 19045, WindowsGeneration::Windows10}, {2, 10, 0, 21999, WindowsGeneration::Windows10},
        {2, 10, 0, 22000, WindowsGeneration::Windows11}, {2, 10, 0, 26100, WindowsGeneration::Windows11},
    };
    for (const auto& c : cases) {
        platform::VersionRecord v = windowsVersion(c.major, c.minor, c.build);
        v.platformId = c.platformId;
        sim.windows.setVersion(v);
        folvaric::detectWindowsGeneration(form);
        EXPECT_EQ(form.windowsGeneration, c.generation) << c.major << "." << c.minor << "." << c.build;
        // Everything after XP reads the path as Vista and 7 do, and keeps the program behind new windows.
        EXPECT_EQ(form.osGeneration.empty(), c.generation <= WindowsGeneration::Xp) << c.build;
    }
}

// The same desktop under each Explorer: the address control where there is one,
// the shell's list where there is none, and nothing where the list does not work.
TEST_F(Windows11Test, PathsComeFromTheAddressControlOrElseFromTheShellsList) {
    const std::string computer = gbk("计算机");
    const struct {
        ExplorerStyle style;
        bool listWorks;
        bool xpAddressShowsName;
        Strings paths;
        int listQueries;
        bool protectionBroken;
    } cases[] = {
        {ExplorerStyle::Win7, true, false, {"", computer, "C:\\Work", "C:\\Data"}, 0, false},
        {ExplorerStyle::Xp, false, false, {"", gbk("我的电脑"), "C:\\Work", "C:\\Data"}, 0, false},
        {ExplorerStyle::Xp, true, true, {"", gbk("我的电脑"), "C:\\Work", "C:\\Data"}, 1, false},
        {ExplorerStyle::Xp, false, true, {"", gbk("我的电脑"), "", ""}, 1, true},
        {ExplorerStyle::Win11, true, false, {"", computer, "C:\\Work", "C:\\Data"}, 1, false},
        {ExplorerStyle::Win11, false, false, {"", "", "", ""}, 1, true},
    };
    for (const auto& c : cases) {
        const std::vector<WindowHandle> earlier = sim.windows.zOrder();
        for (const WindowHandle h : earlier) {
            if (sim.windows.processOf(h) == sim.explorer.process()) sim.closeWindow(h);
        }
        sim.explorer.options.style = c.style;
        // Each Explorer on its own generation of Windows.
        const std::uint32_t build = c.style == ExplorerStyle::Xp ? 2600 : c.style == ExplorerStyle::Win7 ? 7601 : 22631;
        sim.windows.setVersion(build == 2600   ? windowsVersion(5, 1, build)
                               : build == 7601 ? windowsVersion(6, 1, build)
                                               : windowsVersion(10, 0, build));
        folvaric::detectWindowsGeneration(form);
        sim.explorer.options.shellListWorks = c.listWorks;
        sim.explorer.options.xpAddressShowsFullPath = !c.xpAddressShowsName;
        sim.openExplorerWindow("C:\\Data");
        if (c.style == ExplorerStyle::Win11) {
            sim.explorer.openTab(sim.openExplorerWindow("C:\\Old"), "C:\\Work");
        } else {
            sim.openExplorerWindow("C:\\Work");
        }
        sim.openExplorerWindow(computer);
        sim.explorer.openSpecialView(gbk("回收站"));
        if (form.formShown) {
            form.editMenu.refresh.userClick();
        } else {
            start();
        }
        const int queries = sim.explorer.shellListQueries();
        sim.windows.setActive(sim.app.mainWindow());
        form.editMenu.refresh.userClick();
        EXPECT_EQ(paths(), c.paths) << static_cast<int>(c.style);
        EXPECT_EQ(sim.explorer.shellListQueries() - queries, c.listQueries) << static_cast<int>(c.style);
        EXPECT_EQ(status() == gbk("刷新结束，文件夹自动重生保护失效，失去的文件夹无法恢复"), c.protectionBroken);
    }
}

// A second window of a listed folder is closed as a duplicate, but not when it holds other
// folders as tabs: they would be closed with it.
TEST_F(Windows11Test, ADuplicateWindowWithOtherTabsIsKept) {
    start();
    for (const bool otherTab : {false, true}) {
        const WindowHandle lower = sim.openExplorerWindow("C:\\Data");
        if (otherTab) {
            sim.explorer.openTab(lower, "C:\\Work");
            sim.explorer.selectTab(lower, 0);
        }
        const WindowHandle upper = sim.openExplorerWindow("C:\\Data");
        form.editMenu.refresh.userClick();
        sim.clock.processMessages();
        EXPECT_EQ(sim.windows.exists(lower), otherTab);
        EXPECT_TRUE(sim.windows.exists(upper));
        EXPECT_EQ(paths(), otherTab ? Strings({"C:\\Data", "C:\\Data"}) : Strings({"C:\\Data"}));
        sim.closeWindow(upper);
        if (otherTab) sim.closeWindow(lower);
    }
}

// Windows 11 may title a window with more than its folder's name: a folder of a set saved
// elsewhere is then found through the shell's list, and not mistaken for a listed window.
TEST_F(Windows11Test, AReopenedWindowTitledOtherwiseIsFoundThroughTheShellsList) {
    sim.explorer.options.titleSuffix = gbk(" - 文件资源管理器");
    sim.openExplorerWindow("C:\\Work");
    writeDefaultSet("Data\r\nC:\\Data\r\nWork\r\nC:\\Work\r\n");
    start();
    EXPECT_EQ(paths(), (Strings{"C:\\Work", "C:\\Data"}));
    EXPECT_EQ(sim.window(form.table[1].window).title, gbk("Data - 文件资源管理器"));
    EXPECT_TRUE(sim.dialogs.boxes.empty());
}

// The whole life of a protected tabbed window: listed with its active tab, protected with
// all its tabs, counted, saved, closed outside the program and reborn folder by folder, closed
// from the program, and loaded again.
TEST_F(Windows11Test, ATabbedWindowIsProtectedWithItsTabsRebornSavedAndLoaded) {
    const WindowHandle tabbed = sim.openExplorerWindow("C:\\Old");
    sim.explorer.openTab(tabbed, "C:\\Data");
    const WindowHandle work = sim.openExplorerWindow("C:\\Work");
    start();
    sim.windows.setActive(sim.app.mainWindow());
    EXPECT_EQ(items(), (Strings{"Work", "Data"}));
    EXPECT_EQ(paths(), (Strings{"C:\\Work", "C:\\Data"}));

    form.CheckListBox1.userToggle(row("Data"));
    form.editMenu.countWindows.userClick();
    ASSERT_FALSE(sim.dialogs.boxes.empty());
    EXPECT_EQ(sim.dialogs.boxes.back().text, gbk("窗口总数量=2，选择的受保护数量=1，实际有效的受保护数量=1"));

    // Another tab brought to the front: the same window, still ticked, and nothing is lost.
    sim.explorer.selectTab(tabbed, 0);
    form.editMenu.refresh.userClick();
    EXPECT_EQ(items(), (Strings{"Work", "Old"}));
    EXPECT_TRUE(form.CheckListBox1.checked(row("Old")));
    EXPECT_EQ(status(), gbk("刷新结束，有效的受保护文件夹一个也没有被系统关闭"));
    folvaric::FormClose(form);
    EXPECT_EQ(fileText(defaultSetPath()), "Old\r\nC:\\Old\r\nData\r\nC:\\Data\r\n");

    sim.closeWindow(tabbed);
    form.editMenu.refresh.userClick();
    EXPECT_EQ(status(), gbk("文件夹自动重生过程结束，共恢复文件夹数2个"));
    EXPECT_EQ(items(), (Strings{"Work", "Old", "Data"}));
    EXPECT_TRUE(form.CheckListBox1.checked(row("Old")) && form.CheckListBox1.checked(row("Data")));
    const WindowHandle reborn = form.table[row("Data")].window;
    EXPECT_NE(reborn, tabbed);
    EXPECT_EQ(sim.window(reborn).rect, (platform::Rect{0, 0, 1024, 738}));

    form.CheckListBox1.select(row("Work"));
    form.editMenu.closeOne.userClick();
    sim.clock.processMessages();
    EXPECT_FALSE(sim.windows.exists(work));
    EXPECT_EQ(items(), (Strings{"Old", "Data"}));

    for (const std::string name : {"Old", "Data"}) {
        sim.closeWindow(form.table[row(name)].window);
        form.CheckListBox1.userToggle(row(name));
    }
    form.editMenu.refresh.userClick();
    EXPECT_EQ(items(), Strings{});
    form.fileMenu.loadDefaultSet.userClick();
    EXPECT_EQ(items(), (Strings{"Old", "Data"}));
    EXPECT_TRUE(form.CheckListBox1.checked(0) && form.CheckListBox1.checked(1));
    EXPECT_TRUE(sim.windows.exists(form.table[0].window));
}

}  // namespace
}  // namespace testing_support
