// Loading and saving the settings file `set` on the simulated disk.
#include <gtest/gtest.h>

#include <random>

#include "storage/settings_file.h"
#include "tests/support/fixture.h"

namespace {

using testing_support::gbk;

struct SettingsFixture : testing_support::Fixture {
    std::string iconDir = form.appDir + "\\" + gbk("图标");

    SettingsFixture() {
        // The form as it is designed: tray option ticked with its icon shown, and
        // "load the last record at start" ticked.
        form.settingsMenu.showInTray.setChecked(true);
        form.trayOption = -1;
        form.settingsMenu.loadSetAtStart.setChecked(true);
        form.settingsMenu.autoRefresh.setChecked(false);
        form.settingsMenu.scaleControls.setChecked(true);
        sim.files.addFolder(iconDir);
    }

    static std::string lines(const std::vector<std::string>& values) {
        std::string bytes;
        for (const std::string& v : values) bytes += v + "\r\n";
        return bytes;
    }
    void writeSet(const std::string& bytes) { sim.files.addFile(form.settingsFilePath, bytes); }
    void writeSet(const std::vector<std::string>& values) { writeSet(lines(values)); }
    std::string setFile() const { return sim.files.contents(form.settingsFilePath).value_or("<none>"); }

    // A valid file whose lines 7 and 8 say the opposite of the form's start state.
    std::vector<std::string> validLines(const std::string& icon = gbk("蓝.ico")) {
        return {"20", gbk("黑体"), "255", "1", icon, "0", "1", "0"};
    }

    std::string badDataText() const { return gbk("设置文件数据有错误！  ") + form.settingsFilePath; }
    bool onlyBox(const std::string& text) const {
        return sim.dialogs.boxes.size() == 1 && sim.dialogs.boxes[0].text == text &&
               sim.dialogs.boxes[0].caption == gbk("出错") && sim.dialogs.boxes[0].flags == platform::mb::Ok;
    }
    void expectFontDefaultsInMemory() const {
        EXPECT_EQ(form.listFontSize, 16);
        EXPECT_EQ(form.listFontName, gbk("宋体"));
        EXPECT_EQ(form.listFontColor, 0xFF000008u);
    }
};

TEST(StorageSettings, TheDeliveredKindOfFileLoadsSilentlyAndPutsTheIconEverywhere) {
    SettingsFixture t;
    t.sim.files.addFile(t.iconDir + "\\" + gbk("蓝.ico"), "icon");
    t.writeSet({"16", gbk("宋体"), "-16777208", "1", gbk("蓝.ico"), "1", "0", "1"});
    t.form.settingsMenu.autoRefresh.setChecked(true);
    t.form.settingsMenu.loadSetAtStart.setChecked(false);

    folvaric::loadSettings(t.form);

    EXPECT_TRUE(t.sim.dialogs.boxes.empty());
    EXPECT_TRUE(t.form.settingsMenu.loadSetAtStart.checked());
    EXPECT_FALSE(t.form.settingsMenu.autoRefresh.checked());
    EXPECT_TRUE(t.form.settingsMenu.showInTray.checked());
    EXPECT_TRUE(t.form.TrayIcon1.visible);
    EXPECT_NE(t.form.trayOption, 0);
    const std::string iconPath = t.form.appDir + "\\" + gbk("图标") + "\\" + gbk("蓝.ico");
    EXPECT_EQ(t.form.iconFileName, gbk("蓝.ico"));
    EXPECT_EQ(t.form.appIconFile, iconPath);         // taskbar button and title bar
    EXPECT_EQ(t.form.TrayIcon1.iconFile, iconPath);  // and the tray
    EXPECT_EQ(t.form.listFontColor, 0xFF000008u);
    EXPECT_EQ(t.form.CheckListBox1.font.name, gbk("宋体"));
    EXPECT_EQ(t.form.CheckListBox1.font.size, 16);
    EXPECT_EQ(t.form.CheckListBox1.font.color, 0xFF000008u);
    EXPECT_NE(t.form.scaleOption, 0);
}

TEST(StorageSettings, AppliesFontAndScaleFromTheFile) {
    SettingsFixture t;
    t.form.CheckListBox1.font.bold = true;  // chosen in the font dialog earlier in this run
    t.writeSet(t.validLines());

    folvaric::loadSettings(t.form);

    EXPECT_TRUE(t.sim.dialogs.boxes.empty());
    EXPECT_EQ(t.form.listFontSize, 20);
    EXPECT_EQ(t.form.listFontName, gbk("黑体"));
    EXPECT_EQ(t.form.listFontColor, 255u);
    EXPECT_EQ(t.form.CheckListBox1.font.name, gbk("黑体"));
    EXPECT_EQ(t.form.CheckListBox1.font.size, 20);
    EXPECT_EQ(t.form.CheckListBox1.font.color, 255u);
    EXPECT_TRUE(t.form.CheckListBox1.font.bold);  // the style is not stored, so it stays
    EXPECT_EQ(t.form.scaleOption, 0);
    EXPECT_TRUE(t.form.settingsMenu.autoRefresh.checked());
    EXPECT_FALSE(t.form.settingsMenu.loadSetAtStart.checked());
}

// Line 4 decides the tray icon, whatever the option was before.
TEST(StorageSettings, TheTrayValueTakesTheIconOutOrPutsItBack) {
    for (const bool inTray : {false, true}) {
        SettingsFixture t;
        t.form.settingsMenu.showInTray.setChecked(!inTray);
        t.form.trayOption = inTray ? 0 : -1;
        t.form.TrayIcon1.visible = !inTray;
        auto values = t.validLines();
        values[3] = inTray ? "1" : "0";
        t.writeSet(values);

        folvaric::loadSettings(t.form);

        EXPECT_TRUE(t.sim.dialogs.boxes.empty()) << inTray;
        EXPECT_EQ(t.form.settingsMenu.showInTray.checked(), inTray);
        EXPECT_EQ(t.form.trayOption != 0, inTray);
        EXPECT_EQ(t.form.TrayIcon1.visible, inTray);
    }
}

struct RejectedValue {
    int line;  // 1-based
    const char* value;
    bool iconTaken;  // line 5 was read before the check failed
};

class StorageSettingsRejected : public ::testing::TestWithParam<RejectedValue> {};

TEST_P(StorageSettingsRejected, ShowsTheErrorAppliesNothingButLinesFiveSevenAndEight) {
    SettingsFixture t;
    t.form.iconFileName = "old.ico";
    t.form.listFontName = gbk("楷体");
    const platform::FontChoice listFontBefore = t.form.CheckListBox1.font;
    auto values = t.validLines();
    values[static_cast<std::size_t>(GetParam().line - 1)] = gbk(GetParam().value);
    t.writeSet(values);

    folvaric::loadSettings(t.form);

    EXPECT_TRUE(t.onlyBox(t.badDataText()));
    t.expectFontDefaultsInMemory();
    EXPECT_EQ(t.form.CheckListBox1.font, listFontBefore);
    EXPECT_TRUE(t.form.settingsMenu.showInTray.checked());
    EXPECT_EQ(t.form.trayOption, -1);
    EXPECT_EQ(t.form.scaleOption, -1);
    EXPECT_EQ(t.form.iconFileName, GetParam().line == 5 ? std::string() : gbk("蓝.ico"));
    EXPECT_TRUE(t.form.appIconFile.empty());
    EXPECT_TRUE(t.form.settingsMenu.autoRefresh.checked());      // line 7 says 1
    EXPECT_FALSE(t.form.settingsMenu.loadSetAtStart.checked());  // line 8 says 0
}

INSTANTIATE_TEST_SUITE_P(StorageSettings, StorageSettingsRejected,
                         ::testing::Values(RejectedValue{4, "2", true}, RejectedValue{4, "-1", true},
                                           RejectedValue{1, "0", true}, RejectedValue{1, "-12", true},
                                           RejectedValue{2, "", true}, RejectedValue{5, "", false}));

// Letters in a number line, or a number too large, stop the reading there: a value takes
// effect only when its line was read (the icon name is line 5, the two ticks lines 7 and 8).
TEST(StorageSettings, AValueTakesEffectOnlyWhenItsLineWasRead) {
    struct {
        int badLine;
        const char* bad;
        bool iconTaken, autoRefreshTaken, loadLastSetTaken;
    } const cases[] = {{1, "1x", false, false, false},         {3, "1x", false, false, false},
                       {4, "1x", false, false, false},         {6, "1x", true, false, false},
                       {7, "1x", true, false, false},          {8, "1x", true, true, false},
                       {1, "99999999999", false, false, false}};  // past the range of an integer
    for (const auto& c : cases) {
        SettingsFixture t;
        t.form.iconFileName = "old.ico";
        t.form.settingsMenu.autoRefresh.setChecked(true);  // an unread line would read as 0
        auto values = t.validLines();
        values[6] = "0";
        values[static_cast<std::size_t>(c.badLine - 1)] = c.bad;
        t.writeSet(values);

        folvaric::loadSettings(t.form);

        EXPECT_TRUE(t.onlyBox(t.badDataText())) << "bad line " << c.badLine << ": " << c.bad;
        EXPECT_EQ(t.form.iconFileName, c.iconTaken ? gbk("蓝.ico") : "old.ico") << "bad line " << c.badLine;
        EXPECT_EQ(t.form.settingsMenu.autoRefresh.checked(), !c.autoRefreshTaken) << "bad line " << c.badLine;
        EXPECT_EQ(t.form.settingsMenu.loadSetAtStart.checked(), !c.loadLastSetTaken) << "bad line " << c.badLine;
        t.expectFontDefaultsInMemory();
    }
}

// The extension is compared without case; a missing icon or another extension changes no icon
// and says nothing, and the rest of the file is applied.
TEST(StorageSettings, OnlyAnExistingIcoFileBecomesTheIcon) {
    for (const char* name : {"BLUE.ICO", "gone.ico", "blue.bmp"}) {
        SettingsFixture t;
        t.sim.files.addFile(t.iconDir + "\\blue.bmp", "bitmap");
        t.sim.files.addFile(t.iconDir + "\\BLUE.ICO", "icon");
        t.writeSet(t.validLines(name));

        folvaric::loadSettings(t.form);

        const std::string icon = name == std::string("BLUE.ICO") ? t.iconDir + "\\BLUE.ICO" : "";
        EXPECT_TRUE(t.sim.dialogs.boxes.empty()) << name;
        EXPECT_EQ(t.form.iconFileName, name);
        EXPECT_EQ(t.form.appIconFile, icon);
        EXPECT_EQ(t.form.TrayIcon1.iconFile, icon);
        EXPECT_EQ(t.form.listFontName, gbk("黑体")) << name;
    }
}

TEST(StorageSettings, AMissingFileIsReportedAndResetsOnlyTheFontValues) {
    SettingsFixture t;
    t.form.listFontName = gbk("楷体");
    t.form.listFontSize = 30;
    t.form.iconFileName = "keep.ico";
    const platform::FontChoice listFontBefore = t.form.CheckListBox1.font;

    folvaric::loadSettings(t.form);

    EXPECT_TRUE(t.onlyBox(gbk("设置文件不存在,无法读取  ") + t.form.settingsFilePath));
    t.expectFontDefaultsInMemory();
    EXPECT_EQ(t.form.CheckListBox1.font, listFontBefore);
    EXPECT_EQ(t.form.iconFileName, "keep.ico");
    EXPECT_TRUE(t.form.settingsMenu.loadSetAtStart.checked());
    EXPECT_TRUE(t.form.settingsMenu.showInTray.checked());
}

TEST(StorageSettings, AnUnreadableFileIsReportedAsBadData) {
    SettingsFixture t;
    t.writeSet(t.validLines());
    t.sim.files.setUnreadable(t.form.settingsFilePath);

    folvaric::loadSettings(t.form);

    EXPECT_TRUE(t.onlyBox(t.badDataText()));
    EXPECT_TRUE(t.form.settingsMenu.loadSetAtStart.checked());
}

TEST(StorageSettings, ValuesMissingAtTheEndReadAsZeroAndEmpty) {
    SettingsFixture t;
    t.form.settingsMenu.autoRefresh.setChecked(true);
    t.writeSet({"16", gbk("宋体"), "0"});

    folvaric::loadSettings(t.form);

    EXPECT_TRUE(t.onlyBox(t.badDataText()));  // line 5 is empty
    EXPECT_FALSE(t.form.settingsMenu.autoRefresh.checked());
    EXPECT_FALSE(t.form.settingsMenu.loadSetAtStart.checked());
}

TEST(StorageSettings, ReadingRulesForBlanksTrailingTextLineBreaksAndExtraLines) {
    SettingsFixture t;
    // Blanks and tabs around numbers, words after a number, a lone CR and a lone LF as
    // line breaks, lines after the eighth, and no line break at the very end.
    t.writeSet(" \t20 points\r\n" + gbk("黑体") + "\r\n\t-16777208\r1\n" + gbk("蓝.ico") +
               "\r\n0 \r\n1\r\n0\r\nextra line\r\n7");

    folvaric::loadSettings(t.form);

    EXPECT_TRUE(t.sim.dialogs.boxes.empty());
    EXPECT_EQ(t.form.listFontSize, 20);
    EXPECT_EQ(t.form.listFontName, gbk("黑体"));
    EXPECT_EQ(t.form.listFontColor, 0xFF000008u);
    EXPECT_EQ(t.form.iconFileName, gbk("蓝.ico"));
    EXPECT_TRUE(t.form.settingsMenu.autoRefresh.checked());
    EXPECT_FALSE(t.form.settingsMenu.loadSetAtStart.checked());
}

TEST(StorageSettings, AFileWithoutAFinalLineBreakLoads) {
    SettingsFixture t;
    std::string bytes = SettingsFixture::lines(t.validLines());
    bytes.resize(bytes.size() - 2);
    t.writeSet(bytes);

    folvaric::loadSettings(t.form);

    EXPECT_TRUE(t.sim.dialogs.boxes.empty());
    EXPECT_FALSE(t.form.settingsMenu.loadSetAtStart.checked());
}

TEST(StorageSettings, InvalidGbkInTheFontNameIsKeptAsBytes) {
    SettingsFixture t;
    auto values = t.validLines();
    values[1] = std::string("A\x81", 2);  // a lead byte with no trail byte before the line break
    t.writeSet(values);

    folvaric::loadSettings(t.form);

    EXPECT_TRUE(t.sim.dialogs.boxes.empty());
    EXPECT_EQ(t.form.listFontName, std::string("A\x81", 2));
    EXPECT_EQ(t.form.listFontSize, 20);
}

// A huge file, or a megabyte line, is no settings file of this program.
TEST(StorageSettings, TooLargeAFileOrLineIsRefusedWithAClearMessageAndNothingApplied) {
    for (const bool wholeFile : {true, false}) {
        SettingsFixture t;
        auto values = t.validLines();
        if (!wholeFile) values[1] = std::string(1024 * 1024, 'F');
        std::string bytes = SettingsFixture::lines(values);
        if (wholeFile) bytes += std::string(100u * 1024 * 1024, 'x');
        t.writeSet(bytes);
        bytes.clear();
        bytes.shrink_to_fit();

        folvaric::loadSettings(t.form);

        EXPECT_TRUE(t.onlyBox(gbk("设置文件太大，不是本程序的设置文件，无法读取  ") + t.form.settingsFilePath))
            << wholeFile;
        EXPECT_TRUE(t.form.settingsMenu.loadSetAtStart.checked());
        EXPECT_TRUE(t.form.iconFileName.empty());
        EXPECT_NE(t.form.listFontName, values[1]);
    }
}

TEST(StorageSettings, BinaryGarbageNeverCrashesAndAtMostOneBoxAppears) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 200; ++round) {
        SettingsFixture t;
        std::string bytes(static_cast<std::size_t>(random() % 4000), '\0');
        for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
        t.writeSet(bytes);

        folvaric::loadSettings(t.form);

        ASSERT_LE(t.sim.dialogs.boxes.size(), 1u) << round;
        if (t.sim.dialogs.boxes.empty()) {
            EXPECT_GT(t.form.listFontSize, 0);
            EXPECT_FALSE(t.form.listFontName.empty());
        }
    }
}

// --- saving ---

TEST(StorageSettings, SaveAfterLoadWritesTheSameEightLinesBack) {
    SettingsFixture t;
    const std::string original =
        SettingsFixture::lines({"16", gbk("宋体"), "-16777208", "1", gbk("蓝.ico"), "1", "0", "1"});
    t.writeSet(original);
    folvaric::loadSettings(t.form);
    t.form.settingsMenu.scaleControls.setChecked(t.form.scaleOption != 0);  // as the next showing does

    folvaric::saveSettings(t.form);

    EXPECT_EQ(t.setFile(), original);
}

TEST(StorageSettings, SaveWritesAnyNonZeroTrayValueAsOneAndTheTicksAsZeroOrOne) {
    SettingsFixture t;
    t.form.listFontSize = 12;
    t.form.listFontName = gbk("黑体");
    t.form.listFontColor = 0x00FF8040u;
    t.form.trayOption = -1;
    t.form.iconFileName = gbk("蓝.ico");
    t.form.settingsMenu.scaleControls.setChecked(false);
    t.form.settingsMenu.autoRefresh.setChecked(true);
    t.form.settingsMenu.loadSetAtStart.setChecked(false);

    folvaric::saveSettings(t.form);

    EXPECT_EQ(t.setFile(), SettingsFixture::lines({"12", gbk("黑体"), "16744512", "1", gbk("蓝.ico"), "0", "1", "0"}));
}

TEST(StorageSettings, SavingTwiceGivesIdenticalBytes) {
    SettingsFixture t;
    t.writeSet(t.validLines());
    folvaric::loadSettings(t.form);

    folvaric::saveSettings(t.form);
    const std::string first = t.setFile();
    folvaric::saveSettings(t.form);

    EXPECT_EQ(t.setFile(), first);
    EXPECT_EQ(t.sim.files.fileCount(), 1u);  // no scratch file left behind
}

TEST(StorageSettings, TheExitSaveAfterAStartWithoutASettingsFileWritesAFileTheNextStartAccepts) {
    SettingsFixture t;
    t.sim.files.addFile(t.iconDir + "\\" + gbk("默认.ico"), "icon");
    folvaric::loadSettings(t.form);  // start-up: the file is missing
    ASSERT_EQ(t.sim.dialogs.boxes.size(), 1u);

    folvaric::saveSettings(t.form);  // exit
    EXPECT_EQ(t.setFile(),
              SettingsFixture::lines({"16", gbk("宋体"), "-16777208", "1", gbk("默认.ico"), "1", "0", "1"}));

    SettingsFixture next;  // the next start
    next.sim.files.addFile(next.iconDir + "\\" + gbk("默认.ico"), "icon");
    next.writeSet(t.setFile());
    folvaric::loadSettings(next.form);
    EXPECT_TRUE(next.sim.dialogs.boxes.empty());
    EXPECT_EQ(next.form.appIconFile, next.iconDir + "\\" + gbk("默认.ico"));
}

TEST(StorageSettings, ASaveWithoutAnyLoadStillWritesLoadableValues) {
    SettingsFixture t;  // nothing loaded: no font name, no icon name in memory
    t.form.listFontName.clear();
    t.form.listFontSize = 0;

    folvaric::saveSettings(t.form);

    SettingsFixture next;
    next.writeSet(t.setFile());
    folvaric::loadSettings(next.form);
    EXPECT_TRUE(next.sim.dialogs.boxes.empty());
    EXPECT_EQ(next.form.listFontName, gbk("宋体"));
    EXPECT_EQ(next.form.listFontSize, 16);
}

TEST(StorageSettings, AFailedSaveReachesTheCallerWithTheSystemTextAndKeepsTheOldFile) {
    SettingsFixture t;
    const std::string old = SettingsFixture::lines(t.validLines());
    t.writeSet(old);
    t.form.listFontSize = 40;
    t.sim.files.setReadOnlyFolder(t.form.appDir);

    try {
        folvaric::saveSettings(t.form);
        ADD_FAILURE() << "the save reported success";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(std::string(e.what()), sim::fs_text::accessDenied());
    }
    EXPECT_EQ(t.setFile(), old);
    EXPECT_EQ(t.sim.files.fileCount(), 1u);
}

}  // namespace
