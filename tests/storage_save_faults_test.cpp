// A save that fails part-way (full disk, read-only folder) must leave the previous
// file exactly as it was and report the system's text to the general error handler.
#include <gtest/gtest.h>

#include <functional>

#include "storage/folder_sets.h"
#include "storage/settings_file.h"
#include "tests/support/fixture.h"

namespace {

using testing_support::gbk;

struct FaultFixture : testing_support::Fixture {
    FaultFixture() {
        // Settings that differ from the file below in every line, so a half-written save shows.
        form.listFontSize = 12;
        form.listFontName = gbk("黑体");
        form.listFontColor = 0x00123456u;
        form.trayOption = 0;
        form.iconFileName = gbk("红.ico");
        form.settingsMenu.scaleControls.setChecked(false);
        form.settingsMenu.autoRefresh.setChecked(true);
        form.settingsMenu.loadSetAtStart.setChecked(false);
        sim.files.addFile(form.settingsFilePath,
                          "16\r\n" + gbk("宋体") + "\r\n-16777208\r\n1\r\n" + gbk("蓝.ico") + "\r\n1\r\n0\r\n1\r\n");

        const char* rows[][2] = {{"Data", "C:\\Data"}, {"Temp", "C:\\Temp"}, {"Docs", "D:\\Docs"}};
        for (const auto& r : rows) {
            form.table.append({r[0], r[1], 0});
            form.CheckListBox1.add(r[0], true);
        }
        sim.files.addFile(form.defaultSetFile, gbk("旧的") + "\r\nE:\\Old\r\n");
    }
};

struct SaveCase {
    const char* name;
    std::function<void(folvaric::Form1&)> save;
    std::function<std::string(const folvaric::Form1&)> target;
};

std::vector<SaveCase> saves() {
    return {
        {"set", folvaric::saveSettings, [](const folvaric::Form1& f) { return f.settingsFilePath; }},
        {"default set", folvaric::saveDefaultFolderSet, [](const folvaric::Form1& f) { return f.defaultSetFile; }},
    };
}

// What a save writes when nothing goes wrong.
std::string cleanResult(const SaveCase& c) {
    FaultFixture t;
    c.save(t.form);
    return t.sim.files.contents(c.target(t.form)).value();
}

TEST(StorageSaveFaults, ADiskThatFillsAtAnyByteLeavesThePreviousFileIntact) {
    for (const SaveCase& c : saves()) {
        const std::string complete = cleanResult(c);
        for (std::size_t n = 0; n <= complete.size(); ++n) {
            FaultFixture t;
            const std::string target = c.target(t.form);
            const std::string before = t.sim.files.contents(target).value();
            ASSERT_NE(before, complete) << c.name;
            const std::size_t filesBefore = t.sim.files.fileCount();
            t.sim.files.setFreeBytes(static_cast<long long>(n));

            bool failed = false;
            try {
                c.save(t.form);
            } catch (const platform::FileError& e) {
                failed = true;
                EXPECT_EQ(std::string(e.what()), sim::fs_text::diskFull()) << c.name << " at " << n;
            }

            EXPECT_EQ(failed, n < complete.size()) << c.name << " at " << n;
            EXPECT_EQ(t.sim.files.contents(target).value(), failed ? before : complete) << c.name << " at " << n;
            EXPECT_EQ(t.sim.files.fileCount(), filesBefore) << c.name << " at " << n;  // no scratch file left
        }
    }
}

TEST(StorageSaveFaults, AReadOnlyFolderLeavesThePreviousFileIntact) {
    for (const SaveCase& c : saves()) {
        FaultFixture t;
        const std::string target = c.target(t.form);
        const std::string before = t.sim.files.contents(target).value();
        const std::size_t filesBefore = t.sim.files.fileCount();
        t.sim.files.setReadOnlyFolder(t.form.appDir);
        t.sim.files.setReadOnlyFolder(t.form.folderSetDir);

        EXPECT_THROW(c.save(t.form), platform::FileError) << c.name;

        EXPECT_EQ(t.sim.files.contents(target).value(), before) << c.name;
        EXPECT_EQ(t.sim.files.fileCount(), filesBefore) << c.name;
    }
}

TEST(StorageSaveFaults, ASaveAsIntoAMissingFolderFailsWithoutCreatingAnything) {
    FaultFixture t;
    t.sim.dialogs.saveAnswers.push_back("Z:\\nowhere\\x.txt");
    const std::size_t filesBefore = t.sim.files.fileCount();

    try {
        folvaric::saveFolderSetAs(t.form);
        ADD_FAILURE() << "the save reported success";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(std::string(e.what()), sim::fs_text::pathNotFound());
    }
    EXPECT_EQ(t.sim.files.fileCount(), filesBefore);
}

}  // namespace
