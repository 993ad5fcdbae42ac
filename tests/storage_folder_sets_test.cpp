// Saving the ticked rows to folder-set files and loading them back, on the simulated desktop.
#include <gtest/gtest.h>

#include <random>

#include "storage/folder_sets.h"
#include "tests/support/fixture.h"
#include "tracking/refresh.h"

namespace {

using testing_support::gbk;

struct SetFixture : testing_support::Fixture {
    SetFixture() {
        shown();
        sim.files.addFile(form.defaultSetFile, "");  // delivered with the program
    }

    // A row as a refresh would list it.
    void addRow(const std::string& name, const std::string& path, bool ticked) {
        form.table.append({name, path, 0});
        form.CheckListBox1.add(name, ticked);
    }
    static std::string pairs(const std::vector<std::pair<std::string, std::string>>& entries) {
        std::string bytes;
        for (const auto& e : entries) bytes += e.first + "\r\n" + e.second + "\r\n";
        return bytes;
    }
    std::string file(const std::string& path) const { return sim.files.contents(path).value_or("<none>"); }
    std::size_t beeps() const { return sim.sound.beeps.size(); }
    bool hasWindowFor(const std::string& name) const { return sim.findByTitle(name) != 0; }
    bool boxShown(const std::string& text) const {
        for (const auto& b : sim.dialogs.boxes) {
            if (b.text == text && b.caption == gbk("出错")) return true;
        }
        return false;
    }
    int shellOpensOf(const std::string& path) const {
        int n = 0;
        for (const auto& c : sim.shell.calls) n += c.parameters == "/n," + path ? 1 : 0;
        return n;
    }
};

// --- saving ---

TEST(StorageFolderSets, SaveWritesTheTickedRowsInListOrder) {
    SetFixture t;
    t.addRow("Data", "C:\\Data", true);
    t.addRow("Temp", "C:\\Temp", false);
    t.addRow(gbk("资料"), "D:\\" + gbk("资料"), true);

    folvaric::saveDefaultFolderSet(t.form);

    EXPECT_EQ(t.file(t.form.defaultSetFile),
              SetFixture::pairs({{"Data", "C:\\Data"}, {gbk("资料"), "D:\\" + gbk("资料")}}));
    EXPECT_EQ(t.form.folderSetFile, t.form.defaultSetFile);
    EXPECT_TRUE(t.sim.dialogs.boxes.empty());
}

TEST(StorageFolderSets, SavingNothingTickedOrAnEmptyListEmptiesTheFileWhichThenCannotBeLoaded) {
    for (const bool withRows : {true, false}) {
        SetFixture t;
        t.sim.files.addFile(t.form.defaultSetFile, SetFixture::pairs({{"Old", "C:\\Old"}}));
        if (withRows) t.addRow("Data", "C:\\Data", false);

        folvaric::saveDefaultFolderSet(t.form);
        EXPECT_EQ(t.file(t.form.defaultSetFile), "");

        folvaric::loadDefaultFolderSet(t.form);
        EXPECT_TRUE(t.boxShown(gbk("文件夹集合文件为空的，无法载入")));
        EXPECT_EQ(t.beeps(), 0u);
        EXPECT_TRUE(t.sim.shell.calls.empty());
    }
}

TEST(StorageFolderSets, TheDefaultSetIsRewrittenButNeverCreated) {
    SetFixture t;
    t.sim.files.removeFile(t.form.defaultSetFile);
    t.addRow("Data", "C:\\Data", true);

    folvaric::saveDefaultFolderSet(t.form);

    ASSERT_EQ(t.sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(t.sim.dialogs.boxes[0].text, gbk("设置文件不存在,无法保存  ") + t.form.defaultSetFile);
    EXPECT_EQ(t.sim.dialogs.boxes[0].caption, gbk("出错"));
    EXPECT_FALSE(t.sim.files.contents(t.form.defaultSetFile).has_value());
    EXPECT_EQ(t.sim.files.fileCount(), 0u);
}

TEST(StorageFolderSets, SaveAsThenExitStillWritesTheDefaultSet) {
    SetFixture t;
    t.addRow("Data", "C:\\Data", true);
    const std::string other = t.form.folderSetDir + "\\work.txt";
    t.sim.dialogs.saveAnswers.push_back(other);

    folvaric::saveFolderSetAs(t.form);
    ASSERT_EQ(t.sim.dialogs.saveRequests.size(), 1u);
    const auto& asked = t.sim.dialogs.saveRequests[0];
    EXPECT_EQ(asked.initialDir, t.form.folderSetDir);
    EXPECT_EQ(asked.defaultExt, "txt");
    EXPECT_EQ(asked.filter, "txt");
    EXPECT_EQ(asked.fileName, "");
    EXPECT_EQ(t.file(other), SetFixture::pairs({{"Data", "C:\\Data"}}));

    t.addRow("More", "C:\\More", true);
    folvaric::saveDefaultFolderSet(t.form);  // the exit save

    EXPECT_EQ(t.file(t.form.defaultSetFile), SetFixture::pairs({{"Data", "C:\\Data"}, {"More", "C:\\More"}}));
    EXPECT_EQ(t.file(other), SetFixture::pairs({{"Data", "C:\\Data"}}));
}

TEST(StorageFolderSets, SaveAsRemembersTheLastNameAndCancelWritesNothing) {
    SetFixture t;
    t.addRow("Data", "C:\\Data", true);
    const std::string other = t.form.folderSetDir + "\\work.txt";
    t.sim.dialogs.saveAnswers.push_back(other);
    folvaric::saveFolderSetAs(t.form);
    t.form.folderSetFile = t.form.defaultSetFile;
    const int writes = t.sim.files.writes();

    folvaric::saveFolderSetAs(t.form);  // cancelled

    ASSERT_EQ(t.sim.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(t.sim.dialogs.saveRequests[1].fileName, other);
    EXPECT_EQ(t.sim.files.writes(), writes);
    EXPECT_EQ(t.form.folderSetFile, t.form.defaultSetFile);
}

TEST(StorageFolderSets, SavedNamesAndPathsComeBackByteForByte) {
    SetFixture t;
    const std::string trail5C = "\xD5\x5C";
    const std::string path = "D:\\" + gbk("资料") + trail5C + "\\x";
    t.addRow(gbk("资料") + trail5C, path, true);
    t.addRow(" spaced ", "C:\\a b ", true);
    t.addRow(gbk("我的电脑"), gbk("我的电脑"), true);

    folvaric::saveDefaultFolderSet(t.form);
    const std::string saved = t.file(t.form.defaultSetFile);

    EXPECT_EQ(saved,
              SetFixture::pairs(
                  {{gbk("资料") + trail5C, path}, {" spaced ", "C:\\a b "}, {gbk("我的电脑"), gbk("我的电脑")}}));
    folvaric::saveDefaultFolderSet(t.form);
    EXPECT_EQ(t.file(t.form.defaultSetFile), saved);  // saving twice: identical bytes
}

TEST(StorageFolderSets, ASaveDuringARefreshKeepsTheFoldersTheRefreshHasNotListedYet) {
    SetFixture t;
    t.form.refreshBusy = true;  // the list is being rebuilt
    const std::vector<folvaric::FolderRow> running{{"A", "C:\\A", 0}, {"Lost", "C:\\Lost", 0}};
    t.form.runningRefreshFolders = &running;
    t.addRow("A", "C:\\A", true);
    t.addRow("New", "C:\\New", true);  // ticked by the user meanwhile

    folvaric::saveDefaultFolderSet(t.form);

    EXPECT_EQ(t.file(t.form.defaultSetFile),
              SetFixture::pairs({{"A", "C:\\A"}, {"New", "C:\\New"}, {"Lost", "C:\\Lost"}}));
}

TEST(StorageFolderSets, AnExitWhileLostFoldersAreBeingReopenedStillSavesThem) {
    SetFixture t;
    t.sim.openExplorerWindow("C:\\Kept");
    const auto lost = t.sim.openExplorerWindow("C:\\Lost");
    folvaric::refreshFolderList(t.form);
    t.form.CheckListBox1.setChecked(t.rowOf("C:\\Kept"), true);
    t.form.CheckListBox1.setChecked(t.rowOf("C:\\Lost"), true);
    t.sim.closeWindow(lost);
    // The user closes the program while the refresh waits for the re-opened window.
    bool saved = false;
    t.sim.clock.everyPass([&] {
        if (saved || !t.form.refreshBusy || t.rowOf("C:\\Kept") < 0 || t.rowOf("C:\\Lost") >= 0) return;
        saved = true;
        folvaric::saveDefaultFolderSet(t.form);
    });

    folvaric::refreshFolderList(t.form);

    ASSERT_TRUE(saved);
    EXPECT_EQ(t.file(t.form.defaultSetFile), SetFixture::pairs({{"Kept", "C:\\Kept"}, {"Lost", "C:\\Lost"}}));
}

// --- loading ---

// A file that is missing, unreadable or far too large is reported, and no refresh runs.
TEST(StorageFolderSets, AFileThatCannotBeReadIsReportedAndRefreshesNothing) {
    enum class Fault { Missing, Unreadable, Huge };
    const std::pair<Fault, const char*> cases[] = {
        {Fault::Missing, "设置文件不存在,无法读取  "},
        {Fault::Unreadable, "设置文件数据有错误！  "},
        {Fault::Huge, "文件夹集合文件太大，不是本程序的记录文件，无法载入  "}};
    for (const auto& [fault, text] : cases) {
        SCOPED_TRACE(text);
        SetFixture t;
        t.sim.openExplorerWindow("C:\\Data");
        t.sim.files.addFile(t.form.defaultSetFile, SetFixture::pairs({{"Data", "C:\\Data"}}));
        if (fault == Fault::Missing) t.sim.files.removeFile(t.form.defaultSetFile);
        if (fault == Fault::Unreadable) t.sim.files.setUnreadable(t.form.defaultSetFile);
        if (fault == Fault::Huge) t.sim.files.addFile(t.form.defaultSetFile, std::string(100u * 1024 * 1024 + 1, 'x'));

        folvaric::loadDefaultFolderSet(t.form);

        ASSERT_EQ(t.sim.dialogs.boxes.size(), 1u);
        EXPECT_TRUE(t.boxShown(gbk(text) + t.form.defaultSetFile));
        EXPECT_EQ(t.form.table.size(), 0);  // no refresh ran
        EXPECT_EQ(t.form.runningRefreshFolders, nullptr);
        EXPECT_EQ(t.beeps(), 0u);
        EXPECT_TRUE(t.sim.shell.calls.empty());
    }
}

TEST(StorageFolderSets, LoadingReopensTheSavedFoldersWhoseWindowsAreGone) {
    SetFixture t;
    t.sim.openExplorerWindow("C:\\Open");
    t.sim.files.addFolder("C:\\Gone");
    t.sim.files.addFile(t.form.defaultSetFile, SetFixture::pairs({{"Open", "C:\\Open"}, {"Gone", "C:\\Gone"}}));

    folvaric::loadDefaultFolderSet(t.form);

    EXPECT_EQ(t.beeps(), 0u);
    EXPECT_TRUE(t.hasWindowFor("Gone"));
    EXPECT_EQ(t.shellOpensOf("C:\\Open"), 0);
    EXPECT_TRUE(t.ticked("C:\\Open"));
    EXPECT_TRUE(t.ticked("C:\\Gone"));
    EXPECT_EQ(t.form.runningRefreshFolders, nullptr);
    EXPECT_TRUE(t.listMatchesTable());
}

TEST(StorageFolderSets, LoadingKeepsTheRowsThatAreAlreadyTicked) {
    SetFixture t;
    t.sim.openExplorerWindow("C:\\Mine");
    t.sim.openExplorerWindow("C:\\Other");
    t.sim.openExplorerWindow("C:\\Saved");
    folvaric::refreshFolderList(t.form);
    ASSERT_GE(t.rowOf("C:\\Mine"), 0);
    t.form.CheckListBox1.setChecked(t.rowOf("C:\\Mine"), true);
    t.sim.files.addFile(t.form.defaultSetFile, SetFixture::pairs({{"Saved", "C:\\Saved"}}));

    folvaric::loadDefaultFolderSet(t.form);

    EXPECT_TRUE(t.ticked("C:\\Mine"));
    EXPECT_TRUE(t.ticked("C:\\Saved"));
    EXPECT_FALSE(t.ticked("C:\\Other"));
    EXPECT_GE(t.rowOf("C:\\Other"), 0);
}

// Each refused entry (a deleted folder, a network path even when the share is reachable, an
// empty name, a lone last line) beeps once, MB_OK's sound, and is not opened; the others are
// reopened. The computer folder is accepted by either name. Nothing accepted: the file counts
// as empty.
TEST(StorageFolderSets, EachRefusedEntryBeepsOnceAndTheOthersLoad) {
    using Entries = std::vector<std::pair<std::string, std::string>>;
    const struct {
        Entries entries;
        std::size_t refused;
        std::vector<std::string> reopened;
        Entries notOpened;
    } cases[] = {
        {{{"Kept", "C:\\Kept"}}, 0, {"Kept"}, {}},
        {{{"Gone", "C:\\Gone"}, {"Kept", "C:\\Kept"}}, 1, {"Kept"}, {{"Gone", "C:\\Gone"}}},
        {{{"Gone", "C:\\Gone"}, {"Net", "\\\\srv\\share"}, {"", "C:\\Kept"}, {"Kept", "C:\\Kept"}}, 3, {"Kept"}, {}},
        {{{"Kept", "C:\\Kept"}, {"Gone", "C:\\Gone"}, {"odd line", ""}}, 2, {"Kept"}, {}},
        {{{"share", "\\\\server\\share"}}, 1, {}, {{"share", "\\\\server\\share"}}},
        {{{gbk("我的电脑"), gbk("我的电脑")}, {gbk("计算机"), gbk("计算机")}}, 0, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries[0].first + ", " + std::to_string(c.refused) + " refused");
        SetFixture t;
        t.sim.files.addFolder("C:\\Kept");
        t.sim.files.addFolder("\\\\srv\\share");
        t.sim.files.addFolder("\\\\server\\share");
        std::string bytes = SetFixture::pairs(c.entries);
        if (c.entries.back().second.empty()) bytes.resize(bytes.size() - 2);  // a lone last line
        t.sim.files.addFile(t.form.defaultSetFile, bytes);

        folvaric::loadDefaultFolderSet(t.form);

        EXPECT_EQ(t.sim.sound.beeps, std::vector<std::uint32_t>(c.refused, 0u));
        for (const auto& name : c.reopened) EXPECT_TRUE(t.hasWindowFor(name)) << name;
        for (const auto& [name, path] : c.notOpened) {
            EXPECT_FALSE(t.hasWindowFor(name));
            EXPECT_EQ(t.shellOpensOf(path), 0);
        }
        const bool nothingTaken = c.refused == c.entries.size();
        EXPECT_EQ(t.boxShown(gbk("文件夹集合文件为空的，无法载入")), nothingTaken);
        EXPECT_EQ(t.sim.shell.calls.empty(), nothingTaken);  // the computer folder is re-opened too
    }
}

TEST(StorageFolderSets, ThreeThousandAndOneEntriesLoadTheFirstThreeThousandAndBeepOnce) {
    SetFixture t;
    t.sim.openExplorerWindow("C:\\A");
    t.sim.files.addFolder("C:\\Last");
    std::string bytes;
    for (int i = 0; i < 3000; ++i) bytes += "A\r\nC:\\A\r\n";
    bytes += "Last\r\nC:\\Last\r\n";  // would be re-opened if it were loaded
    t.sim.files.addFile(t.form.defaultSetFile, bytes);

    folvaric::loadDefaultFolderSet(t.form);

    EXPECT_EQ(t.beeps(), 1u);
    EXPECT_TRUE(t.ticked("C:\\A"));
    EXPECT_EQ(t.shellOpensOf("C:\\Last"), 0);
    EXPECT_FALSE(t.hasWindowFor("Last"));
}

TEST(StorageFolderSets, LoadingAnotherSetUsesTheOpenDialogAndCancelDoesNothing) {
    SetFixture t;
    t.sim.files.addFolder("C:\\W");
    const std::string other = t.form.folderSetDir + "\\work.txt";
    t.sim.files.addFile(other, SetFixture::pairs({{"W", "C:\\W"}}));

    folvaric::loadOtherFolderSet(t.form);  // cancelled
    EXPECT_TRUE(t.form.folderSetFile.empty());
    EXPECT_TRUE(t.sim.dialogs.boxes.empty());
    EXPECT_TRUE(t.sim.shell.calls.empty());

    t.sim.dialogs.openAnswers.push_back(other);
    folvaric::loadOtherFolderSet(t.form);

    ASSERT_EQ(t.sim.dialogs.openRequests.size(), 2u);
    EXPECT_EQ(t.sim.dialogs.openRequests[1].filter, "text(*.txt)|*.txt");
    EXPECT_EQ(t.sim.dialogs.openRequests[1].initialDir, t.form.folderSetDir);
    EXPECT_EQ(t.sim.dialogs.openRequests[1].fileName, "");
    EXPECT_EQ(t.form.folderSetFile, other);
    EXPECT_TRUE(t.hasWindowFor("W"));
    EXPECT_TRUE(t.ticked("C:\\W"));
}

TEST(StorageFolderSets, ALoadDuringARefreshIsRefusedAndLeavesThatRefreshsFoldersAlone) {
    SetFixture t;
    t.sim.files.addFolder("C:\\A");
    t.sim.files.addFile(t.form.defaultSetFile, SetFixture::pairs({{"A", "C:\\A"}}));
    t.form.refreshBusy = true;  // a refresh is waiting for Explorer and pumps the queue
    const std::vector<folvaric::FolderRow> running{{"Running", "C:\\Running", 0}};
    t.form.runningRefreshFolders = &running;

    folvaric::loadDefaultFolderSet(t.form);

    EXPECT_TRUE(t.boxShown(gbk("正在刷新，文件夹集合没有载入，请在刷新结束后再调入")));
    EXPECT_EQ(running, (std::vector<folvaric::FolderRow>{{"Running", "C:\\Running", 0}}));
    EXPECT_EQ(t.form.runningRefreshFolders, &running);
    EXPECT_FALSE(t.hasWindowFor("A"));
}

TEST(StorageFolderSets, AMegabyteNameIsLoadedAndItsFolderReopened) {
    SetFixture t;
    t.sim.files.addFolder("C:\\A");
    t.sim.files.addFile(t.form.defaultSetFile, std::string(1024 * 1024, 'N') + "\r\nC:\\A");

    folvaric::loadDefaultFolderSet(t.form);

    EXPECT_EQ(t.beeps(), 0u);
    EXPECT_TRUE(t.hasWindowFor("A"));
}

TEST(StorageFolderSets, BinaryGarbageNeverCrashes) {
    std::mt19937 random(4242);
    for (int round = 0; round < 100; ++round) {
        SetFixture t;
        std::string bytes(static_cast<std::size_t>(random() % 3000), '\0');
        for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
        t.sim.files.addFile(t.form.defaultSetFile, bytes);

        folvaric::loadDefaultFolderSet(t.form);

        EXPECT_TRUE(t.boxShown(gbk("文件夹集合文件为空的，无法载入"))) << round;
        EXPECT_EQ(t.form.runningRefreshFolders, nullptr);
    }
}

}  // namespace
