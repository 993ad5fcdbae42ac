// Protected folders come back as themselves whatever their paths look like: long, spelled
// another way, with commas, saved on another Windows or by another editor.
#include <gtest/gtest.h>

#include <algorithm>

#include "storage/folder_sets.h"
#include "tests/support/fixture.h"
#include "text/folder_path.h"
#include "text/gbk_codec.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace {

using Paths = std::vector<std::string>;
using testing_support::gbk;

std::string repeat(const char* utf8, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += gbk(utf8);
    return s;
}

// "D:\" and 126 characters make 255 bytes: the next byte is the backslash before the child.
const std::string kLongParent = "D:\\" + repeat("资", 126);
const std::string kLongChild = kLongParent + "\\" + repeat("料", 10);
const std::string kLongA = kLongParent + repeat("甲", 3);
const std::string kLongB = kLongParent + repeat("乙", 3);
const std::string kTooLong = "D:\\" + repeat("长", 257);  // 260 UTF-16 units with the drive

struct Case {
    const char* what;
    Paths folders;        // on the disk
    Paths open;           // Explorer windows at the start
    Paths tick;           // rows the user ticks after a first refresh
    Paths close;          // windows then closed outside the program
    std::string setFile;  // loaded (its refresh runs instead of a plain one) when not empty
    Paths windows;        // folder windows at the end, as their titles show them
    Paths ticked;         // ticked rows, by path
    int beeps;
    std::string saved;  // 默认.txt after the exit save
};

std::string pairs(const Paths& namesAndPaths) {
    std::string out;
    for (const std::string& line : namesAndPaths) out += line + "\r\n";
    return out;
}

struct Scene : testing_support::Fixture {
    Scene() {
        shown();
        sim.explorer.options.style = sim::ExplorerStyle::Win7;
        sim.explorer.options.titleMode = sim::TitleMode::FullPath;
        folvaric::detectWindowsGeneration(form);
        sim.files.addFile(form.defaultSetFile, "");
        sim.files.setCurrentFolder("C:\\t");
    }
    void refresh() {
        sim.windows.setActive(sim.app.mainWindow());
        folvaric::refreshFolderList(form);
    }
    Paths windows() {
        Paths titles;
        for (const auto h : sim.windows.zOrder()) {
            if (sim.windows.className(h, 254) == "CabinetWClass") titles.push_back(sim.windows.title(h, 500));
        }
        std::sort(titles.begin(), titles.end());
        return titles;
    }
    Paths ticked() const {
        Paths paths;
        for (int i = 0; i < form.table.size(); ++i) {
            if (form.CheckListBox1.checked(i)) paths.push_back(form.table[i].path);
        }
        std::sort(paths.begin(), paths.end());
        return paths;
    }
    void run(const Case& c) {
        for (const std::string& folder : c.folders) sim.files.addFolder(folder);
        for (const std::string& folder : c.open) sim.openExplorerWindow(folder);
        refresh();
        for (const std::string& path : c.tick) {
            for (int i = 0; i < form.table.size(); ++i) {
                if (form.table[i].path == path) form.CheckListBox1.setChecked(i, true);
            }
        }
        for (const std::string& path : c.close) sim.closeWindow(sim.findByTitle(path));
        if (c.setFile.empty()) {
            refresh();
        } else {
            sim.files.addFile(form.defaultSetFile, c.setFile);
            folvaric::loadDefaultFolderSet(form);
        }
        sim.clock.processMessages();
        folvaric::saveDefaultFolderSet(form);
    }
};

TEST(FolderPaths, ProtectedFoldersComeBackAsThemselves) {
    const std::string comma = "D:\\Photos, 2020";
    const std::string utf8Path = "D:\\" + std::string("\xE8\xB5\x84\xE6\x96\x99");  // 资料 in UTF-8
    const std::string data = "D:\\" + gbk("资料");
    const std::string computer = gbk("计算机"), xpComputer = gbk("我的电脑");
    // Each case: what, then folders, open, tick, close, setFile; then windows, ticked, beeps, saved.
    // clang-format off
    const Case cases[] = {
        {"a path cut at byte 255 would name its parent",
         {kLongChild}, {kLongChild, "D:\\Other"}, {kLongChild}, {kLongChild}, "",
         {"D:\\Other", kLongChild}, {kLongChild}, 0, pairs({repeat("料", 10), kLongChild})},
        {"a path cut mid-name would name no folder",
         {kLongA}, {}, {}, {}, pairs({"A", kLongA}),
         {kLongA}, {kLongA}, 0, pairs({"A", kLongA})},
        {"two folders sharing 255 bytes keep their own ticks",
         {}, {kLongA, kLongB}, {kLongA}, {}, "",
         {kLongA, kLongB}, {kLongA}, 0, pairs({repeat("资", 126) + repeat("甲", 3), kLongA})},
        {"past the length Windows allows: refused",
         {kTooLong, "D:\\Ok"}, {}, {}, {}, pairs({"L", kTooLong, "Ok", "D:\\Ok"}),
         {"D:\\Ok"}, {"D:\\Ok"}, 1, pairs({"Ok", "D:\\Ok"})},
        {"relative, rooted and dotted paths are refused",
         {"C:\\t\\ab\\x", "C:\\x", "C:\\t\\x", "C:\\t\\b", "C:\\t\\Ok"}, {}, {}, {},
         pairs({"x", "ab\\x", "x", "..\\x", "x", "\\t\\x", "b", "C:\\t\\a\\..\\b", "b", "C:\\t\\.\\b", "x", "1:\\x",
                "Ok", "C:\\t\\Ok"}) + "Nul\r\n" + std::string("C:\\t\\Ok\0x", 9) + "\r\n",
         {"C:\\t\\Ok"}, {"C:\\t\\Ok"}, 7, pairs({"Ok", "C:\\t\\Ok"})},
        {"a short name or another case opens the folder as the disk spells it",
         {"D:\\Long Folder", "D:\\Data"}, {}, {}, {}, pairs({"Long Folder", "D:\\LONGFO~1", "Data", "d:\\DATA"}),
         {"D:\\Data", "D:\\Long Folder"}, {"D:\\Data", "D:\\Long Folder"}, 0,
         pairs({"Long Folder", "D:\\Long Folder", "Data", "D:\\Data"})},
        {"a folder open in another case is still open",
         {}, {"C:\\t\\b"}, {}, {}, pairs({"b", "c:\\T\\B", "b", "C:\\T\\b"}),
         {"C:\\t\\b"}, {"C:\\t\\b"}, 0, pairs({"b", "C:\\t\\b"})},
        {"two spellings of a closed folder open one window",
         {"C:\\t\\b"}, {}, {}, {}, pairs({"b", "c:\\T\\B", "b", "C:\\t\\b"}),
         {"C:\\t\\b"}, {"C:\\t\\b"}, 0, pairs({"b", "C:\\t\\b"})},
        {"the computer view saved on XP is the open one on 7",
         {}, {computer}, {}, {}, pairs({xpComputer, xpComputer}),
         {computer}, {computer}, 0, pairs({computer, computer})},
        {"the computer view saved on XP comes back on 7",
         {}, {}, {}, {}, pairs({xpComputer, xpComputer}),
         {computer}, {computer}, 0, pairs({computer, computer})},
        {"a comma in a folder name",
         {comma, "D:\\Photos"}, {}, {}, {}, pairs({"Photos, 2020", comma}),
         {comma}, {comma}, 0, pairs({"Photos, 2020", comma})},
        {"a UTF-8 file with a byte-order mark",
         {data}, {}, {}, {}, "\xEF\xBB\xBF" + pairs({"x", utf8Path}),
         {data}, {data}, 0, pairs({"x", data})},
        {"a UTF-8 file without one",
         {data}, {}, {}, {}, pairs({"\xE5\x90\x8D", utf8Path}),
         {data}, {data}, 0, pairs({gbk("名"), data})},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Scene s;
        s.run(c);
        EXPECT_EQ(s.windows(), c.windows);
        EXPECT_EQ(s.ticked(), c.ticked);
        EXPECT_EQ(static_cast<int>(s.sim.sound.beeps.size()), c.beeps);
        EXPECT_EQ(s.sim.files.contents(s.form.defaultSetFile), c.saved);
        EXPECT_TRUE(s.sim.dialogs.boxes.empty()) << s.sim.dialogs.boxes.front().text;
    }
}

// A name or path GBK cannot hold reaches the program as '?': such a record would be refused
// at the next load, so it is left out, and the user is told which folder and why.
TEST(FolderPaths, AFolderGbkCannotNameIsNotSavedAndTheUserIsTold) {
    Scene s;
    s.sim.openExplorerWindow("D:\\Data");
    s.sim.explorer.openFolder("D:\\??");  // a Korean name, as the program reads it
    s.refresh();
    for (int i = 0; i < s.form.table.size(); ++i) s.form.CheckListBox1.setChecked(i, true);
    folvaric::saveDefaultFolderSet(s.form);
    EXPECT_EQ(s.sim.files.contents(s.form.defaultSetFile), pairs({"Data", "D:\\Data"}));
    ASSERT_EQ(s.sim.dialogs.boxes.size(), 1u);
    EXPECT_NE(s.sim.dialogs.boxes[0].text.find("\r\nD:\\??"), std::string::npos);
}

}  // namespace

// A refresh keeps each row's comparison key with the row; a path changed afterwards (the
// computer view renamed after a rebirth, a copy given another folder) must not keep the old key.
TEST(FolderPaths, ARowsKeyFollowsItsPath) {
    folvaric::FolderRow row{"x", "c:\\x\\", 0};
    EXPECT_EQ(folvaric::pathKeyOf(row), "C:\\X");
    folvaric::FolderRow copy = row;
    row.path = "d:\\y";
    copy.path = gbk("计算机");
    EXPECT_EQ(folvaric::pathKeyOf(row), "D:\\Y");
    EXPECT_EQ(folvaric::pathKeyOf(copy), text::folderPathKey(gbk("我的电脑")));
    EXPECT_EQ(copy, (folvaric::FolderRow{"x", gbk("计算机"), 0}));  // the key is no part of the row's value
}
