// Closing the program, the end of the Windows session, and the general error handler.
#include "app/error_handler.h"
#include "app_fixture.h"

namespace testing_support {
namespace {

struct ShutdownTest : AppFixture {
    ShutdownTest() {
        writeSettings(true, true);
        writeDefaultSet("");
        sim.files.addFolder("C:\\Data");
        sim.files.addFolder("C:\\Work");
        start();
        sim.openExplorerWindow("C:\\Data");
        sim.openExplorerWindow("C:\\Work");
        form.editMenu.refresh.userClick();
        tick("Work");
        sim.dialogs.boxes.clear();  // the empty default set reported at the first showing
        // The view: the close box, Alt+F4 and WM_CLOSE from anywhere run the close.
        form.closeMainWindow = [this] { folvaric::FormClose(form); };
    }
    void tick(const std::string& name) {
        for (int i = 0; i < form.CheckListBox1.count(); ++i) {
            if (form.CheckListBox1.item(i) == name) form.CheckListBox1.userToggle(i);
        }
    }
    std::string savedSet() const { return "Work\r\nC:\\Work\r\n"; }
    std::string savedSettings() const {
        return "16\r\n" + gbk("宋体") + "\r\n-16777208\r\n1\r\nmain.ico\r\n1\r\n1\r\n1\r\n";
    }
};

TEST_F(ShutdownTest, ClosingSavesTheSettingsAndTheTickedRowsThenEnds) {
    sim.files.addFile(settingsPath(), "stale");
    folvaric::FormClose(form);
    EXPECT_EQ(fileText(settingsPath()), savedSettings());
    EXPECT_EQ(fileText(defaultSetPath()), savedSet());
    EXPECT_EQ(ends, 1);
}

TEST_F(ShutdownTest, ExitInTheTrayMenuSavesLikeTheCloseBox) {
    form.trayMenu.exit.userClick();
    EXPECT_EQ(fileText(defaultSetPath()), savedSet());
    EXPECT_EQ(fileText(settingsPath()), savedSettings());
    EXPECT_EQ(ends, 1);
}

TEST_F(ShutdownTest, WithoutTheDefaultSetTheExitSaysSoAndStillEnds) {
    sim.files.removeFile(defaultSetPath());
    folvaric::FormClose(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, gbk("设置文件不存在,无法保存  ") + defaultSetPath());
    EXPECT_FALSE(sim.files.fileExists(defaultSetPath()));
    EXPECT_EQ(fileText(settingsPath()), savedSettings());
    EXPECT_EQ(ends, 1);
}

// Each file is saved on its own: one that cannot be written is named in its own box with the
// system's text, the other is saved all the same, and the program still ends. A log-off takes
// the same way out without boxes.
TEST(ShutdownFaults, EachFileIsSavedOnItsOwnAndEachFailureNamesItsFile) {
    struct Scene : ShutdownTest {
        void TestBody() override {}
    };
    const std::string setFolder = "C:\\Folvaric\\" + gbk("文件夹集合保存目录");
    const struct {
        std::vector<std::string> readOnly;
        bool settingsSaved, setSaved;
    } cases[] = {
        {{"C:\\Folvaric"}, false, true},
        {{setFolder}, true, false},
        {{"C:\\Folvaric", setFolder}, false, false},
    };
    for (const auto& c : cases) {
        for (const bool logOff : {false, true}) {
            Scene t;
            t.sim.files.addFile(t.settingsPath(), "old settings");
            t.writeDefaultSet("Old\r\nC:\\Old\r\n");
            for (const std::string& folder : c.readOnly) t.sim.files.setReadOnlyFolder(folder);
            if (logOff) {
                folvaric::sessionEnding(t.form);
            } else {
                folvaric::FormClose(t.form);
            }
            const std::string context = c.readOnly.back() + (logOff ? " at log-off" : " at exit");
            EXPECT_EQ(t.fileText(t.settingsPath()), c.settingsSaved ? t.savedSettings() : "old settings") << context;
            EXPECT_EQ(t.fileText(t.defaultSetPath()), c.setSaved ? t.savedSet() : "Old\r\nC:\\Old\r\n") << context;
            std::vector<std::string> expectedBoxes;
            if (!logOff && !c.settingsSaved) expectedBoxes.push_back(t.settingsPath());
            if (!logOff && !c.setSaved) expectedBoxes.push_back(t.defaultSetPath());
            ASSERT_EQ(t.sim.dialogs.boxes.size(), expectedBoxes.size()) << context;
            for (std::size_t i = 0; i < expectedBoxes.size(); ++i) {
                const sim::MessageBoxRecord& box = t.sim.dialogs.boxes[i];
                EXPECT_EQ(box.text, gbk("保存失败：") + expectedBoxes[i] + "\r\n" + sim::fs_text::accessDenied());
                EXPECT_EQ(box.flags, platform::mb::Ok | platform::mb::IconError);
            }
            EXPECT_EQ(t.ends, logOff ? 0 : 1) << context;
        }
    }
}

struct SessionEndTest : ShutdownTest {};

TEST_F(SessionEndTest, TheTicksSurviveALogOff) {
    folvaric::sessionEnding(form);
    EXPECT_EQ(fileText(defaultSetPath()), savedSet());
    EXPECT_EQ(fileText(settingsPath()), savedSettings());
    EXPECT_TRUE(sim.dialogs.boxes.empty());
    EXPECT_EQ(ends, 0);  // Windows ends the process itself
}

TEST_F(SessionEndTest, AFailedWriteNeitherEscapesNorHoldsUpTheLogOff) {
    sim.files.setReadOnlyFolder("C:\\Folvaric");
    EXPECT_NO_THROW(folvaric::sessionEnding(form));
    EXPECT_TRUE(sim.dialogs.boxes.empty());
    EXPECT_EQ(fileText(defaultSetPath()), savedSet());  // the set folder is still writable
}

TEST_F(SessionEndTest, AFullDiskWhileWritingTheSetDoesNotEscape) {
    sim.files.setFreeBytes(3);
    EXPECT_NO_THROW(folvaric::sessionEnding(form));
    EXPECT_TRUE(sim.dialogs.boxes.empty());
}

TEST_F(SessionEndTest, AMissingDefaultSetIsNotCreatedAndNotReported) {
    sim.files.removeFile(defaultSetPath());
    folvaric::sessionEnding(form);
    EXPECT_FALSE(sim.files.fileExists(defaultSetPath()));
    EXPECT_TRUE(sim.dialogs.boxes.empty());
}

TEST_F(SessionEndTest, ALogOffWhileLostFoldersAreBeingReopenedStillSavesThem) {
    const platform::WindowHandle work = sim.findByTitle("Work");
    sim.closeWindow(work);
    // Windows ends the session while the refresh waits for the re-opened window.
    bool ended = false;
    sim.clock.everyPass([&] {
        if (ended || !form.refreshBusy) return;
        ended = true;
        folvaric::sessionEnding(form);
    });
    form.editMenu.refresh.userClick();
    ASSERT_TRUE(ended);
    EXPECT_EQ(fileText(defaultSetPath()), savedSet());
}

TEST_F(SessionEndTest, BeforeTheWindowWasShownNothingIsOverwritten) {
    form.formShown = false;
    writeDefaultSet("Data\r\nC:\\Data\r\n");
    sim.files.addFile(settingsPath(), "kept");
    folvaric::sessionEnding(form);
    EXPECT_EQ(fileText(defaultSetPath()), "Data\r\nC:\\Data\r\n");
    EXPECT_EQ(fileText(settingsPath()), "kept");
}

struct ErrorHandlerTest : AppFixture {};

TEST_F(ErrorHandlerTest, AFileErrorIsShownWithTheSystemsTextAndReported) {
    const bool ran = folvaric::runHandler(form, [] { throw platform::FileError("Access is denied."); });
    EXPECT_FALSE(ran);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, "Access is denied.");
    EXPECT_EQ(sim.dialogs.boxes[0].caption, "Folvaric2.1");
    EXPECT_EQ(sim.dialogs.boxes[0].flags, platform::mb::Ok | platform::mb::IconError);
}

TEST_F(ErrorHandlerTest, AFailedSaveFromTheMenuLeavesTheProgramUsable) {
    writeSettings(false, false);
    start();
    sim.files.setReadOnlyFolder("C:\\Folvaric");
    form.settingsMenu.saveSettings.userClick();
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text, sim::fs_text::accessDenied());

    sim.files.setReadOnlyFolder("C:\\Folvaric", false);
    form.settingsMenu.saveSettings.userClick();
    EXPECT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(sim.files.fileExists(settingsPath()));
}

}  // namespace
}  // namespace testing_support
