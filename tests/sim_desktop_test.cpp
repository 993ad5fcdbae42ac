// The simulated desktop has to behave like Windows where the program relies on
// it; these cases pin down the behaviour the tracking and command tests build on.
#include <gtest/gtest.h>

#include "sim/sim_desktop.h"
#include "text/gbk_text.h"

namespace {

using platform::Rect;
using platform::ShowCommand;
using sim::ExplorerStyle;
using sim::ShowState;
using sim::SimDesktop;
using text::gbk;

// What a descendant window of `top` shows: an address edit box its contents, an address
// toolbar its title.
std::string descendantText(SimDesktop& s, platform::WindowHandle top, const std::string& className) {
    std::string found;
    s.windows.forEachDescendant(top, [&](platform::WindowHandle h) {
        if (s.windows.className(h, 254) != className) return true;
        found = className == "Edit" ? s.windows.windowText(h, 255) : s.windows.title(h, 500);
        return true;
    });
    return found;
}

TEST(SimWindows, NewWindowsGoOnTopAndBringToTopReorders) {
    SimDesktop s;
    const auto program = s.app.mainWindow();
    const auto a = s.openExplorerWindow("C:\\A");
    const auto b = s.openAppWindow("Notes", "C:\\tools\\notepad.exe");
    EXPECT_EQ(s.windows.topLevelWindowsInZOrder(), (std::vector<platform::WindowHandle>{b, a, program}));
    s.windows.bringToTop(a);
    EXPECT_EQ(s.windows.topLevelWindowsInZOrder().front(), a);
    EXPECT_EQ(s.windows.activeWindow(), a);
    s.closeWindow(a);
    EXPECT_FALSE(s.windows.isWindow(a));
    EXPECT_EQ(s.windows.topLevelWindowsInZOrder(), (std::vector<platform::WindowHandle>{b, program}));
}

TEST(SimWindows, TitlesAreCutToTheBufferInCharacters) {
    SimDesktop s;
    const auto w = s.openAppWindow(gbk("中文标题"), "C:\\x.exe");
    EXPECT_EQ(s.windows.title(w, 3), gbk("中文"));  // two characters and the terminator
    EXPECT_EQ(s.windows.title(w, 255), gbk("中文标题"));
    EXPECT_EQ(s.windows.title(w, 1), "");
}

TEST(SimWindows, ProcessesCanRefuseInspection) {
    SimDesktop s;
    const auto pid = s.windows.addProcess("C:\\svc\\guarded.exe", true);
    const auto w = s.windows.createTopLevel(pid, "X", "Guarded", SimDesktop::kAppStyle);
    EXPECT_EQ(s.windows.processExecutablePath(s.windows.processOf(w)), "");
    EXPECT_EQ(s.windows.processExecutablePath(s.explorer.process()), "C:\\WINDOWS\\explorer.exe");
}

TEST(SimWindows, ShowStatesAndMoves) {
    SimDesktop s;
    const auto w = s.openExplorerWindow("C:\\A");
    s.windows.minimise(w);
    EXPECT_TRUE(s.windows.isMinimised(w));
    s.windows.show(w, ShowCommand::ShowNormal);
    EXPECT_EQ(s.window(w).state, ShowState::Normal);
    EXPECT_TRUE(s.windows.move(w, Rect{0, 0, 1024, 738}, true));
    EXPECT_EQ(s.window(w).rect, (Rect{0, 0, 1024, 738}));
    s.window(w).refusesMove = true;
    EXPECT_FALSE(s.windows.move(w, Rect{1, 1, 2, 2}, true));
    EXPECT_EQ(s.window(w).rect, (Rect{0, 0, 1024, 738}));
    // A hidden window loses its visible bit, so it no longer counts as a main window.
    s.windows.show(w, ShowCommand::Hide);
    EXPECT_NE(s.windows.style(w) & platform::style::MainWindowMask, platform::style::MainWindowMask);
}

TEST(SimExplorer, XpWindowCarriesThePathInItsAddressEditBox) {
    SimDesktop s;
    const auto w = s.openExplorerWindow("D:\\Data");
    EXPECT_EQ(s.window(w).className, "CabinetWClass");
    EXPECT_EQ(s.window(w).title, "Data");
    EXPECT_EQ(s.windows.style(w) & platform::style::MainWindowMask, platform::style::MainWindowMask);
    EXPECT_EQ(descendantText(s, w, "Edit"), "D:\\Data");
    s.explorer.options.xpAddressShowsFullPath = false;
    EXPECT_EQ(descendantText(s, s.openExplorerWindow("D:\\Other"), "Edit"), "Other");
}

TEST(SimExplorer, Win7WindowCarriesThePathInItsAddressToolbar) {
    SimDesktop s;
    s.explorer.options.style = ExplorerStyle::Win7;
    s.explorer.options.titleMode = sim::TitleMode::FullPath;
    const auto w = s.openExplorerWindow("D:\\");
    EXPECT_EQ(s.window(w).title, "D:\\");
    EXPECT_EQ(descendantText(s, w, "ToolbarWindow32"), gbk("地址: ") + "D:\\");
    EXPECT_EQ(descendantText(s, w, "Edit"), "");
    const auto computer = s.openExplorerWindow(gbk("计算机"));
    EXPECT_EQ(descendantText(s, computer, "ToolbarWindow32"), gbk("地址: 计算机"));
}

TEST(SimExplorer, ShellOpenCreatesTheWindowAfterTheConfiguredPasses) {
    SimDesktop s;
    s.files.addFolder("C:\\Work");
    s.explorer.options.openDelayPasses = 3;
    const auto program = s.app.mainWindow();
    EXPECT_GT(s.shell.execute(program, "open", "Explorer.exe", "/n,C:\\Work", "", ShowCommand::ShowMinNoActive), 32);
    s.clock.processMessages();
    s.clock.processMessages();
    EXPECT_EQ(s.findByTitle("Work"), 0u);
    s.clock.processMessages();
    const auto w = s.findByTitle("Work");
    ASSERT_NE(w, 0u);
    EXPECT_TRUE(s.windows.isMinimised(w));
    EXPECT_EQ(s.windows.activeWindow(), program);  // opened without activation
    EXPECT_EQ(s.explorer.opensRequested(), 1);
}

TEST(SimExplorer, ComputerViewAndMissingFolders) {
    SimDesktop s;
    s.shell.execute(0, "open", "explorer.exe", "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", "", ShowCommand::ShowNormal);
    EXPECT_LE(s.shell.execute(0, "open", "Explorer.exe", "/n,C:\\Gone", "", ShowCommand::ShowNormal), 32);
    for (int i = 0; i < 3; ++i) s.clock.processMessages();
    EXPECT_NE(s.findByTitle(gbk("我的电脑")), 0u);
    EXPECT_EQ(s.findByTitle("Gone"), 0u);
    EXPECT_EQ(s.shell.calls.size(), 2u);
}

TEST(SimExplorer, CloseRequestsAreHandledWhenTheQueueTurnsOver) {
    SimDesktop s;
    const auto a = s.openExplorerWindow("C:\\A");
    const auto hung = s.openExplorerWindow("C:\\B");
    s.window(hung).honoursClose = false;
    EXPECT_TRUE(s.windows.postClose(a));
    EXPECT_TRUE(s.windows.postClose(hung));
    EXPECT_TRUE(s.windows.isWindow(a));  // not before Explorer handles its queue
    s.clock.processMessages();
    EXPECT_FALSE(s.windows.isWindow(a));
    EXPECT_TRUE(s.windows.isWindow(hung));
    EXPECT_EQ(s.window(hung).closeRequests, 1);
}

TEST(SimClock, PausesCostNoRealTimeAndRunDueEventsAtTheNextPass) {
    SimDesktop s;
    std::vector<int> order;
    s.clock.at(4000, [&] { order.push_back(2); });
    s.clock.afterPasses(1, [&] { order.push_back(1); });
    s.clock.processMessages();
    for (int i = 0; i < 82; ++i) s.clock.pause(50);
    EXPECT_EQ(s.clock.nowMilliseconds(), 4100);
    EXPECT_EQ(order, (std::vector<int>{1}));
    s.clock.processMessages();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(SimClock, UserActionsCanBeInjectedDuringAPumpWithoutRecursion) {
    SimDesktop s;
    int runs = 0;
    s.clock.everyPass([&] {
        ++runs;
        s.clock.processMessages();  // a handler that pumps again, as a modal box does
    });
    s.clock.processMessages();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(s.clock.passes(), 2);
}

TEST(SimApplication, RestoreRaisesTheRestoreEventOnlyFromMinimised) {
    SimDesktop s;
    int restores = 0;
    s.app.onRestore = [&] { ++restores; };
    s.app.restore();
    EXPECT_EQ(restores, 0);
    s.app.minimise();
    EXPECT_TRUE(s.windows.isMinimised(s.app.mainWindow()));
    s.app.restore();
    EXPECT_EQ(restores, 1);
    EXPECT_FALSE(s.app.isMinimised());
    EXPECT_EQ(s.windows.activeWindow(), s.app.mainWindow());
}

TEST(SimFiles, NamesIgnoreCaseAndFoldersAreCreatedWithParents) {
    SimDesktop s;
    s.files.addFile("C:\\Folvaric\\" + gbk("文件夹集合保存目录\\默认.txt"), "x");
    EXPECT_TRUE(s.files.directoryExists("c:\\folvaric"));
    EXPECT_TRUE(s.files.directoryExists("C:\\Folvaric\\"));
    EXPECT_TRUE(s.files.fileExists("C:\\FOLVARIC\\" + gbk("文件夹集合保存目录\\默认.txt")));
    EXPECT_FALSE(s.files.directoryExists(""));
    s.files.removeFolder("C:\\Folvaric");
    EXPECT_FALSE(s.files.fileExists("C:\\Folvaric\\" + gbk("文件夹集合保存目录\\默认.txt")));
    EXPECT_TRUE(s.files.directoryExists("C:\\"));
}

TEST(SimFiles, ReadsRespectTheLimitAndReportMissingFiles) {
    SimDesktop s;
    s.files.addFile("C:\\d\\big", std::string(1000, 'x'));
    EXPECT_EQ(s.files.readFile("C:\\d\\big", 999).status, platform::ReadStatus::TooLarge);
    EXPECT_EQ(s.files.readFile("C:\\d\\big", 1000).bytes.size(), 1000u);
    EXPECT_EQ(s.files.readFile("C:\\d\\none", 10).status, platform::ReadStatus::Missing);
    s.files.setUnreadable("C:\\d\\big");
    EXPECT_EQ(s.files.readFile("C:\\d\\big", 5000).status, platform::ReadStatus::Failed);
}

TEST(SimFiles, DiskFullWritesPartOfTheFileAndFails) {
    SimDesktop s;
    s.files.addFolder("C:\\d");
    s.files.setFreeBytes(4);
    EXPECT_THROW(s.files.writeFile("C:\\d\\f", "123456"), platform::FileError);
    EXPECT_EQ(s.files.contents("C:\\d\\f"), std::optional<std::string>("1234"));
    s.files.setFreeBytes(-1);
    s.files.writeFile("C:\\d\\f", "123456");
    EXPECT_EQ(s.files.contents("C:\\d\\f"), std::optional<std::string>("123456"));
}

TEST(SimFiles, ReadOnlyFoldersAndMissingFoldersRefuseWrites) {
    SimDesktop s;
    s.files.addFile("C:\\ro\\keep", "old");
    s.files.setReadOnlyFolder("C:\\ro");
    try {
        s.files.writeFile("C:\\ro\\keep", "new");
        FAIL() << "a read-only folder accepted a write";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(e.what(), gbk("拒绝访问。"));
    }
    EXPECT_EQ(s.files.contents("C:\\ro\\keep"), std::optional<std::string>("old"));
    EXPECT_THROW(s.files.writeFile("C:\\nowhere\\f", "x"), platform::FileError);
}

TEST(SimFiles, ReplaceMovesTheNewFileOverTheOld) {
    SimDesktop s;
    s.files.addFile("C:\\d\\set", "old");
    s.files.addFile("C:\\d\\set.tmp", "new");
    s.files.replaceFile("C:\\d\\set.tmp", "C:\\d\\set");
    EXPECT_EQ(s.files.contents("C:\\d\\set"), std::optional<std::string>("new"));
    EXPECT_FALSE(s.files.fileExists("C:\\d\\set.tmp"));
    EXPECT_THROW(s.files.replaceFile("C:\\d\\missing", "C:\\d\\set"), platform::FileError);
}

TEST(SimDialogs, BoxesAreRecordedAndAnsweredByScript) {
    SimDesktop s;
    s.dialogs.answer = [](const sim::MessageBoxRecord& r) {
        return r.flags & platform::mb::OkCancel ? platform::mb::IdCancel : platform::mb::IdOk;
    };
    EXPECT_EQ(s.dialogs.messageBox(0, "q", "t", 0x1021), platform::mb::IdCancel);
    EXPECT_EQ(s.dialogs.messageBox(0, "i", "t", 0), platform::mb::IdOk);
    ASSERT_EQ(s.dialogs.boxes.size(), 2u);
    EXPECT_EQ(s.dialogs.boxes[0].flags, 0x1021u);
    platform::FontChoice font;
    EXPECT_FALSE(s.dialogs.chooseFont(font));
    s.dialogs.openAnswers.push_back(std::string("C:\\a.txt"));
    EXPECT_EQ(s.dialogs.openFile({}), std::optional<std::string>("C:\\a.txt"));
    EXPECT_EQ(s.dialogs.openFile({}), std::nullopt);
}

}  // namespace

namespace {

// The disk resolves a path as Windows does, and Explorer splits its command line at commas.
TEST(SimFiles, ResolvesRelativeDottedShortAndCaseFoldedPaths) {
    SimDesktop s;
    s.files.addFolder("C:\\Work\\Long Folder\\Data");
    s.files.setCurrentFolder("C:\\Work");
    ASSERT_EQ(s.files.shortName("C:\\Work\\Long Folder"), "LONGFO~1");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"c:\\work\\long folder\\DATA", "C:\\Work\\Long Folder\\Data"},
        {"Long Folder", "C:\\Work\\Long Folder"},
        {"..\\Work\\.\\Long Folder\\Data\\", "C:\\Work\\Long Folder\\Data"},
        {"\\Work", "C:\\Work"},
        {"C:\\WORK\\LONGFO~1\\data", "C:\\Work\\Long Folder\\Data"},
        {"C:Long Folder", "C:\\Work\\Long Folder"},
        {"C:\\Work\\Gone", ""},
        {"D:\\Work", ""},
        {"", ""},
    };
    for (const auto& [path, canonical] : cases) {
        EXPECT_EQ(s.files.canonicalFolderPath(path), canonical) << path;
        EXPECT_EQ(s.files.directoryExists(path), !canonical.empty()) << path;
    }
}

TEST(SimExplorerCommandLine, SplitsAtCommasOutsideQuotes) {
    using Args = std::vector<std::string>;
    const std::vector<std::pair<std::string, Args>> cases = {
        {"/n,C:\\a", {"/n", "C:\\a"}},
        {"/n,C:\\a, b", {"/n", "C:\\a", "b"}},
        {"/n,\"C:\\a, b\"", {"/n", "C:\\a, b"}},
        {"/n, \" C:\\a \" ,/e", {"/n", " C:\\a ", "/e"}},
        {"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", {"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"}},
    };
    for (const auto& [line, args] : cases) EXPECT_EQ(sim::SimExplorer::commandLineArguments(line), args) << line;
}

}  // namespace
