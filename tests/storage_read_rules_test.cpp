// Line by line: a settings value takes effect only once its line was read, and a folder set
// refuses each bad entry with a beep of its own.
#include <gtest/gtest.h>

#include "storage/folder_sets.h"
#include "storage/settings_file.h"
#include "tests/support/fixture.h"

namespace {

using testing_support::gbk;

struct LineCase {
    int badLine;  // a number line holding letters: the reading stops there
    bool iconTaken, autoRefreshTaken, loadLastSetTaken;
};

TEST(SettingsReadRules, AValueTakesEffectOnlyWhenItsLineWasRead) {
    const LineCase cases[] = {
        {1, false, false, false}, {3, false, false, false}, {4, false, false, false},
        {6, true, false, false},  {7, true, false, false},  {8, true, true, false},
    };
    for (const LineCase& c : cases) {
        testing_support::Fixture t;
        t.form.iconFileName = "old.ico";
        t.form.zidongsuaxin.setChecked(false);
        t.form.qidongdiaoru.setChecked(true);
        std::string lines[] = {"20", gbk("黑体"), "255", "1", "new.ico", "0", "1", "0"};
        lines[c.badLine - 1] = "x";
        std::string bytes;
        for (const std::string& l : lines) bytes += l + "\r\n";
        t.sim.files.addFile(t.form.settingsFilePath, bytes);

        folvaric::congdiaoruseziClick(t.form);

        EXPECT_EQ(t.form.iconFileName, c.iconTaken ? "new.ico" : "old.ico") << "bad line " << c.badLine;
        EXPECT_EQ(t.form.zidongsuaxin.checked(), c.autoRefreshTaken) << "bad line " << c.badLine;
        EXPECT_EQ(t.form.qidongdiaoru.checked(), !c.loadLastSetTaken) << "bad line " << c.badLine;
        EXPECT_EQ(t.sim.dialogs.boxes.size(), 1u) << "bad line " << c.badLine;
    }
}

TEST(FolderSetReadRules, EachRefusedEntryBeepsOnce) {
    const std::pair<std::vector<std::string>, std::size_t> cases[] = {
        {{"Kept", "C:\\Kept"}, 0},
        {{"Gone", "C:\\Gone", "Kept", "C:\\Kept"}, 1},
        {{"Gone", "C:\\Gone", "Net", "\\\\srv\\share", "", "C:\\Kept", "Kept", "C:\\Kept"}, 3},
        {{"Gone", "C:\\Gone", "Kept", "C:\\Kept", "Odd"}, 2},
    };
    for (const auto& c : cases) {
        testing_support::Fixture t;
        t.shown();
        t.sim.files.addFolder("C:\\Kept");
        t.sim.files.addFolder("\\\\srv\\share");
        std::string bytes;
        for (const std::string& l : c.first) bytes += l + "\r\n";
        t.sim.files.addFile(t.form.defaultSetFile, bytes);

        folvaric::diaorumorenjiheClick(t.form);

        EXPECT_EQ(t.sim.sound.beeps, std::vector<std::uint32_t>(c.second, 0u)) << c.second << " refused";
        EXPECT_NE(t.sim.findByTitle("Kept"), 0u) << c.second << " refused";
    }
}

}  // namespace
