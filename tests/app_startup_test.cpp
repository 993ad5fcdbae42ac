// Start-up: FormCreate, the first and later showings, and the refresh on restore.
#include "app_fixture.h"
#include "options/appearance.h"
#include "storage/folder_sets.h"

namespace testing_support {
namespace {

const std::string kNoExplorer = gbk("windows资源管理器文件夹一个也没有打开，请打开windows资源管理器");
const std::string kAllWell =
    gbk("启动一切正常，左面打勾的文件夹被保留，如果在系统中被关闭会自动重生，只要按刷新就回来了");

struct StartupTest : AppFixture {
    StartupTest() {
        form.appDir.clear();  // FormCreate builds the paths itself
        form.settingsFilePath.clear();
        form.folderSetDir.clear();
        form.defaultSetFile.clear();
        form.soundDir.clear();
    }
    // 默认.txt of the last exit, holding these folders as ticked entries.
    void lastExitTicked(std::initializer_list<const char*> paths) {
        std::string bytes;
        for (const char* p : paths) bytes += sim::SimExplorer::displayName(p) + "\r\n" + p + "\r\n";
        writeDefaultSet(bytes);
    }
};

TEST_F(StartupTest, FormCreateBuildsTheProgramPathsAndLeavesTheStartUpState) {
    writeSettings();
    folvaric::FormCreate(form);
    EXPECT_EQ(form.appDir, "C:\\Folvaric");
    EXPECT_EQ(form.settingsFilePath, "C:\\Folvaric\\set");
    EXPECT_EQ(form.folderSetDir, "C:\\Folvaric\\" + gbk("文件夹集合保存目录"));
    EXPECT_EQ(form.defaultSetFile, "C:\\Folvaric\\" + gbk("文件夹集合保存目录\\默认.txt"));
    EXPECT_EQ(form.soundDir, "C:\\Folvaric\\" + gbk("音效"));
    EXPECT_EQ(form.folderSetFile, "");
    // The start-up state and the background colour.
    EXPECT_TRUE(form.startupDone);
    EXPECT_FALSE(form.formShown);
    EXPECT_FALSE(form.startupScaling);
    EXPECT_TRUE(form.firstShow);
    EXPECT_FALSE(form.refreshBusy);
    EXPECT_NE(form.scaleOption, 0);
    EXPECT_EQ(form.color, 10400707u);
    EXPECT_FALSE(form.menuPainterActive);
    EXPECT_TRUE(sim.dialogs.boxes.empty());
}

TEST_F(StartupTest, TheFirstRefreshListsTheOpenFoldersButWritesNothingOnTheStatusLine) {
    writeSettings();
    sim.openExplorerWindow("C:\\Data");
    folvaric::FormCreate(form);
    EXPECT_EQ(form.CheckListBox1.count(), 1);
    EXPECT_EQ(status(), "");
}

TEST_F(StartupTest, AMissingSettingsFileIsReportedBeforeTheWindowAppearsAndTheStartGoesOn) {
    folvaric::FormCreate(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, gbk("设置文件不存在,无法读取  ") + "C:\\Folvaric\\set");
    EXPECT_TRUE(form.startupDone);
}

// Without an Explorer window the status line asks for one; with one, the start is reported well.
TEST_F(StartupTest, TheShowingReportsTheStartOnTheStatusLine) {
    for (const bool withExplorer : {false, true}) {
        writeSettings(false, false);
        if (withExplorer) sim.openExplorerWindow("C:\\Data");
        start();
        EXPECT_EQ(status(), withExplorer ? kAllWell : kNoExplorer);
        EXPECT_TRUE(form.formShown);
    }
}

TEST_F(StartupTest, TheSavedFoldersAreReopenedRightAfterTheFirstShowing) {
    writeSettings();
    sim.files.addFolder("C:\\Data");
    sim.files.addFolder("C:\\Work");
    lastExitTicked({"C:\\Data", "C:\\Work"});
    folvaric::FormCreate(form);
    EXPECT_EQ(form.CheckListBox1.count(), 0);
    folvaric::FormResize(form);
    folvaric::FormShow(form);
    ASSERT_EQ(form.CheckListBox1.count(), 2);
    EXPECT_TRUE(form.CheckListBox1.checked(0));
    EXPECT_TRUE(form.CheckListBox1.checked(1));
    EXPECT_NE(sim.findByTitle("Data"), 0u);
    EXPECT_NE(sim.findByTitle("Work"), 0u);
}

TEST_F(StartupTest, WithTheLoadOptionUntickedNothingIsReopened) {
    writeSettings(false, false);
    sim.files.addFolder("C:\\Data");
    lastExitTicked({"C:\\Data"});
    start();
    EXPECT_EQ(form.CheckListBox1.count(), 0);
    EXPECT_EQ(sim.explorer.opensRequested(), 0);
}

TEST_F(StartupTest, ASecondShowingRepeatsTheReportButDoesNotLoadTheSetAgain) {
    writeSettings();
    sim.files.addFolder("C:\\Data");
    lastExitTicked({"C:\\Data"});
    start();
    const int opens = sim.explorer.opensRequested();
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(form.menuBarColourRequests, 1);

    sim.closeWindow(sim.findByTitle("Data"));
    form.StatusBar1.setSimpleText("");
    folvaric::FormShow(form);
    EXPECT_EQ(sim.explorer.opensRequested(), opens);
    EXPECT_EQ(sim.findByTitle("Data"), 0u);
    EXPECT_FALSE(status().empty());
    EXPECT_EQ(form.menuBarColourRequests, 2);
}

// A default set that lists no folder (as delivered) is nothing to restore at start-up; the
// menu command still says the file is empty, and so does the start when every listed folder
// is gone.
TEST_F(StartupTest, AnEmptyDefaultSetIsReportedOnlyWhenItIsNotTheStartUpLoad) {
    const std::string gone = gbk("照片") + "\r\nC:\\Gone\r\n";
    struct Case {
        const char* name;
        std::string set;
        bool fromMenu;
        bool reported;
    };
    const Case cases[] = {
        {"empty file at start", "", false, false},
        {"only blank lines at start", "\r\n\r\n", false, false},
        {"empty file from the menu", "", true, true},
        {"every folder gone at start", gone, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.dialogs.boxes.clear();
        form.firstShow = true;
        writeSettings();
        writeDefaultSet(c.set);
        start();
        if (c.fromMenu) folvaric::loadDefaultFolderSet(form);
        const bool shown =
            !sim.dialogs.boxes.empty() && sim.dialogs.boxes.back().text == gbk("文件夹集合文件为空的，无法载入");
        EXPECT_EQ(shown, c.reported);
        EXPECT_EQ(sim.dialogs.boxes.size(), c.reported ? 1u : 0u);
    }
}

TEST_F(StartupTest, ShowingSwitchesTheMenuPainterOnAndAsksForTheMenuBarColour) {
    writeSettings(false, false);
    int colourings = 0;
    form.onMenuBarColour = [&colourings] { ++colourings; };
    start();
    EXPECT_TRUE(form.menuPainterActive);
    EXPECT_EQ(colourings, 1);
}

TEST_F(StartupTest, TheHiddenOptionTicksFromTheScaleValueAtEachShowing) {
    writeSettings(false, false);
    start();
    EXPECT_TRUE(form.settingsMenu.scaleControls.checked());  // line 6 of the file is 1
    form.scaleOption = 0;
    folvaric::FormShow(form);
    EXPECT_FALSE(form.settingsMenu.scaleControls.checked());
}

TEST_F(StartupTest, AnUnreadableAddressIsReportedOnceInABoxAndOnTheStatusLine) {
    writeSettings(false, false);
    sim.explorer.options.xpAddressShowsFullPath = false;
    sim.explorer.options.shellListWorks = false;  // and the shell cannot tell the folder either
    sim.openExplorerWindow("C:\\Data");
    folvaric::FormCreate(form);
    ASSERT_FALSE(form.pathsResolvable);
    ASSERT_EQ(form.pathFailReason, folvaric::AddressFailure::XpAddressEdit);
    folvaric::FormShow(form);
    const std::string advice = gbk("文件夹自动重生保护失效，请在xp文件夹选项中设置地址栏显示完整路径，然后按刷新");
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, advice);
    EXPECT_EQ(sim.dialogs.boxes[0].caption, gbk("友情提示"));
    EXPECT_EQ(status(), advice);
}

struct RestoreTest : StartupTest {
    RestoreTest() {
        writeSettings(false, false);
        start();
        sim.openExplorerWindow("C:\\Data");
    }
    void minimiseAndRestore() {
        sim.app.minimise();
        sim.app.restore();
    }
};

TEST_F(RestoreTest, WithAutoRefreshUntickedARestoreDoesNotRefresh) {
    minimiseAndRestore();
    EXPECT_EQ(form.CheckListBox1.count(), 0);
}

TEST_F(RestoreTest, WithAutoRefreshTickedARestoreRefreshes) {
    form.settingsMenu.autoRefresh.userClick();
    EXPECT_TRUE(form.settingsMenu.autoRefresh.checked());
    minimiseAndRestore();
    EXPECT_EQ(form.CheckListBox1.count(), 1);
}

TEST_F(RestoreTest, TheTrayIconsRestoreCountsAsARestore) {
    form.settingsMenu.autoRefresh.setChecked(true);
    folvaric::trayIconClicked(form);
    folvaric::trayIconClicked(form);
    EXPECT_EQ(form.CheckListBox1.count(), 1);
}

TEST_F(RestoreTest, ARestoreDuringARefreshStartsNoSecondOne) {
    form.settingsMenu.autoRefresh.setChecked(true);
    form.refreshBusy = true;
    minimiseAndRestore();
    EXPECT_EQ(form.CheckListBox1.count(), 0);
}

TEST_F(RestoreTest, ARestoreBeforeTheFirstShowingDoesNotRefresh) {
    form.settingsMenu.autoRefresh.setChecked(true);
    form.formShown = false;
    minimiseAndRestore();
    EXPECT_EQ(form.CheckListBox1.count(), 0);
}

}  // namespace
}  // namespace testing_support
