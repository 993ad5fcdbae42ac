// What the program keeps of the user's files: folders missing at load, a set it could not
// read, a log-off during start-up, a second copy, and save-as over an existing set.
#include "app/single_copy.h"
#include "app_fixture.h"
#include "storage/folder_sets.h"

namespace testing_support {
namespace {

const std::string kData = "Data\r\nC:\\Data\r\n";
const std::string kStick = gbk("照片") + "\r\nF:\\" + gbk("照片") + "\r\n";

// The program as a user starts it, with `set` in 默认.txt and the start-up load on.
struct Program : AppFixture {
    explicit Program(const std::string& set = kData + kStick) {
        writeSettings(false, true);
        writeDefaultSet(set);
        sim.files.addFolder("C:\\Data");
        sim.files.addFolder("C:\\Work");
        sim.openExplorerWindow("C:\\Work");
    }
    void TestBody() override {}
    void tick(const std::string& name, bool on = true) {
        for (int i = 0; i < form.CheckListBox1.count(); ++i) {
            if (form.CheckListBox1.item(i) == name) form.CheckListBox1.setChecked(i, on);
        }
    }
};

struct WayOut {
    const char* name;
    std::function<void(Program&)> take;
};

const WayOut kWaysOut[] = {
    {"exit", [](Program& p) { folvaric::FormClose(p.form); }},
    {"log-off", [](Program& p) { folvaric::sessionEnding(p.form); }},
    {"save from the menu", [](Program& p) { p.form.fileMenu.saveDefaultSet.userClick(); }},
};

TEST(FileGuarantees, AnEntryWhoseFolderIsMissingAtLoadIsWrittenBackUntilItLoadsAgain) {
    for (const WayOut& way : kWaysOut) {
        // An entry without a name is malformed, not missing: it is not kept.
        Program p(kData + kStick + "\r\nC:\\Nameless\r\n");
        p.start();
        ASSERT_EQ(p.sim.sound.beeps.size(), 2u);
        p.tick("Work");
        way.take(p);
        EXPECT_EQ(p.fileText(p.defaultSetPath()), "Work\r\nC:\\Work\r\n" + kData + kStick) << way.name;
    }
    // The stick is plugged in: the entry loads, and from then on its tick decides.
    Program p;
    p.start();
    p.sim.files.addFolder("F:\\" + gbk("照片"));
    p.form.fileMenu.loadDefaultSet.userClick();
    p.tick(gbk("照片"), false);
    folvaric::FormClose(p.form);
    EXPECT_EQ(p.fileText(p.defaultSetPath()), kData);
}

TEST(FileGuarantees, ASetThatCouldNotBeReadAtStartIsKeptUntilItIsRead) {
    for (const WayOut& way : kWaysOut) {
        Program p;
        p.sim.files.setUnreadable(p.defaultSetPath());
        p.start();
        p.tick("Work");
        p.sim.dialogs.boxes.clear();
        way.take(p);
        const bool deliberate = std::string(way.name) == "save from the menu";
        EXPECT_EQ(p.fileText(p.defaultSetPath()), deliberate ? "Work\r\nC:\\Work\r\n" : kData + kStick) << way.name;
        const bool told = std::string(way.name) == "exit";
        const auto& boxes = p.sim.dialogs.boxes;
        ASSERT_EQ(boxes.size(), told ? 1u : 0u) << way.name;
        if (told) {
            EXPECT_NE(boxes[0].text.find(p.defaultSetPath()), std::string::npos);
        }
    }
    // Read later from the menu, the set is the user's again and the exit saves it.
    Program p;
    p.sim.files.setUnreadable(p.defaultSetPath());
    p.start();
    p.sim.files.setUnreadable(p.defaultSetPath(), false);
    p.form.fileMenu.loadDefaultSet.userClick();
    p.tick("Work");
    folvaric::FormClose(p.form);
    EXPECT_EQ(p.fileText(p.defaultSetPath()), "Work\r\nC:\\Work\r\n" + kData + kStick);
}

TEST(FileGuarantees, ALogOffBeforeTheStartUpLoadLeavesTheSetAlone) {
    Program p(kData);
    // The start-up notice comes before the load: an XP address bar without the full path.
    p.sim.explorer.options.xpAddressShowsFullPath = false;
    p.sim.explorer.options.shellListWorks = false;  // and the shell cannot tell the folder either
    p.sim.closeWindow(p.sim.findByTitle("Work"));
    p.sim.openExplorerWindow("C:\\Data");
    p.sim.dialogs.answer = [&p](const sim::MessageBoxRecord& box) {
        if (box.caption == gbk("友情提示")) folvaric::sessionEnding(p.form);
        return platform::mb::IdOk;
    };
    p.start();
    ASSERT_EQ(p.sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(p.fileText(p.defaultSetPath()), kData);
}

TEST(FileGuarantees, ASecondCopyCallsTheFirstToTheFrontAndTouchesNoFile) {
    for (const bool inTray : {false, true}) {
        Program first;
        sim::SimSessionObject session;
        sim::SimSingleInstance firstCopy(session);
        ASSERT_TRUE(folvaric::startAsOnlyCopy(firstCopy));
        first.start();
        session.onCalled = [&first] { folvaric::comeToFrontForSecondCopy(first.form); };
        if (inTray) first.sim.app.minimise();
        first.sim.openAppWindow("Notes", "C:\\WINDOWS\\notepad.exe");
        const int writes = first.sim.files.writes();

        sim::SimSingleInstance secondCopy(session);
        EXPECT_FALSE(folvaric::startAsOnlyCopy(secondCopy));
        EXPECT_EQ(session.calls, 1);
        EXPECT_EQ(first.sim.files.writes(), writes);
        EXPECT_FALSE(first.sim.app.isMinimised());
        EXPECT_EQ(first.sim.windows.activeWindow(), first.sim.app.mainWindow()) << inTray;
    }
}

TEST(FileGuarantees, SaveAsAsksBeforeReplacingAnotherSet) {
    const struct {
        const char* name;
        int answer;
        std::string other;
    } cases[] = {
        {"other.txt", platform::mb::IdNo, kData},
        {"other.txt", platform::mb::IdYes, ""},
        {"new.txt", platform::mb::IdNo, kData},
    };
    for (const auto& c : cases) {
        Program p(kData);
        p.start();
        p.tick("Data", false);
        const std::string chosen = p.form.folderSetDir + "\\" + c.name;
        p.sim.files.addFile(p.form.folderSetDir + "\\other.txt", kData);
        p.sim.dialogs.boxes.clear();
        p.sim.dialogs.answer = [&c](const sim::MessageBoxRecord&) { return c.answer; };
        p.sim.dialogs.saveAnswers.push_back(chosen);
        p.form.fileMenu.saveSetAs.userClick();
        EXPECT_EQ(p.fileText(p.form.folderSetDir + "\\other.txt"), c.other) << c.name << c.answer;
        EXPECT_EQ(p.sim.dialogs.boxes.size(), std::string(c.name) == "other.txt" ? 1u : 0u);
    }
}

}  // namespace
}  // namespace testing_support
