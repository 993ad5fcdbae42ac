// The folder-set file format and the reading of line-oriented data files, on bytes alone.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "storage/folder_set_format.h"
#include "storage/line_reader.h"
#include "text/gbk_text.h"

namespace {

using folvaric::FolderSetEntry;
using folvaric::LineReader;
using text::gbk;

// Folders that exist, for the acceptance rule.
struct Folders {
    std::set<std::string> existing;
    bool operator()(const std::string& path) const { return existing.count(path) != 0; }
};

bool sameEntries(const std::vector<FolderSetEntry>& a, const std::vector<FolderSetEntry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].path != b[i].path) return false;
    }
    return true;
}

TEST(StorageFolderSetFormat, WritesPairsOfLinesEachEndingInCrLf) {
    EXPECT_EQ(folvaric::formatFolderSet({{"Data", "C:\\Data"}, {gbk("我的电脑"), gbk("我的电脑")}}),
              "Data\r\nC:\\Data\r\n" + gbk("我的电脑") + "\r\n" + gbk("我的电脑") + "\r\n");
    EXPECT_EQ(folvaric::formatFolderSet({}), "");
}

TEST(StorageFolderSetFormat, RoundTripsNamesAndPathsByteForByte) {
    // "\xD5\x5C" is a character whose trail byte is a backslash.
    const std::vector<FolderSetEntry> entries = {
        {gbk("文件夹集合") + "\xD5\x5C", "D:\\" + gbk("资料") + "\xD5\x5C" + "\\x"},
        {"  blanks  ", "C:\\a b\\ c "},
        {gbk("计算机"), gbk("计算机")},
        {std::string(255, 'n'), "E:\\" + std::string(252, 'p')},
    };
    Folders folders{{entries[0].path, entries[1].path, entries[3].path}};

    const auto loaded = folvaric::readFolderSet(folvaric::formatFolderSet(entries), folders);

    EXPECT_TRUE(sameEntries(loaded.accepted, entries));
    EXPECT_EQ(loaded.refused, 0);
}

// Which entries of a file are taken and how many are refused.
TEST(StorageFolderSetFormat, TakesTheEntriesThatCanBeReopenedAndCountsTheRest) {
    const std::string computer = gbk("我的电脑") + "\r\n" + gbk("我的电脑") + "\r\n" + gbk("计算机") + "\r\n" +
                                 gbk("计算机") + "\r\n" + "PC\r\n" + gbk("计算机 ") + "\r\n";
    // A title with a line break cannot shift the pairs that follow.
    const std::string titleWithBreak = folvaric::formatFolderSet({{"two\r\nlines", "C:\\A"}, {"B", "C:\\B"}});
    const struct {
        const char* name;
        std::string bytes;
        std::set<std::string> existing;
        std::vector<FolderSetEntry> accepted;
        int refused;
    } cases[] = {
        {"an empty file", "", {}, {}, 0},
        {"one empty line is one entry", "\r\n", {}, {}, 1},
        {"odd lines",
         "A\r\nC:\\A\r\nB\r\nC:\\B\r\nlonely\r\n",
         {"C:\\A", "C:\\B"},
         {{"A", "C:\\A"}, {"B", "C:\\B"}},
         1},
        {"the computer's two names",
         computer,
         {},
         {{gbk("我的电脑"), gbk("我的电脑")}, {gbk("计算机"), gbk("计算机")}},
         1},
        {"a line break in a title", titleWithBreak, {"C:\\A", "C:\\B"}, {{"two  lines", "C:\\A"}, {"B", "C:\\B"}}, 0},
        {"what cannot be reopened",
         "A\r\nC:\\Gone\r\n"               // deleted folder
         "Share\r\n\\\\server\\share\r\n"  // network path, even though reachable
         "\r\nC:\\A\r\n"                   // empty name
         "Empty path\r\n\r\n"              // empty path
         "Drive\r\nC:\r\n"                 // too short for a backslash at byte 3
         "Q\r\nQ\r\n"                      // no drive at all
         "Slash\r\nC:/x\r\n"               // third byte not a backslash
         "Kept\r\nC:\\A\r\n",
         {"C:\\A", "\\\\server\\share", "C:", "Q", "C:/x"},
         {{"Kept", "C:\\A"}},
         7},
    };
    for (const auto& c : cases) {
        const auto loaded = folvaric::readFolderSet(c.bytes, Folders{c.existing});
        EXPECT_TRUE(sameEntries(loaded.accepted, c.accepted)) << c.name;
        EXPECT_EQ(loaded.refused, c.refused) << c.name;
    }
}

TEST(StorageFolderSetFormat, KeepsTheFirstThreeThousandEntries) {
    std::vector<FolderSetEntry> entries;
    for (int i = 0; i < 3001; ++i) entries.push_back({"F" + std::to_string(i), "C:\\F" + std::to_string(i)});
    Folders folders;
    for (const auto& e : entries) folders.existing.insert(e.path);

    const auto loaded = folvaric::readFolderSet(folvaric::formatFolderSet(entries), folders);

    ASSERT_EQ(loaded.accepted.size(), 3000u);
    EXPECT_EQ(loaded.refused, 1);
    EXPECT_EQ(loaded.accepted.back().path, "C:\\F2999");
}

TEST(StorageFolderSetFormat, KeepsLongNamesAndPathsWholeUpToTheLengthWindowsAllows) {
    std::string chinese;
    for (int i = 0; i < 200; ++i) chinese += gbk("中");
    const std::string longest = "C:\\" + chinese + std::string(56, 'p');  // 259 UTF-16 units, 459 bytes
    const std::string tooLong = longest + "p";
    Folders folders{{longest, tooLong}};
    const auto loaded =
        folvaric::readFolderSet(folvaric::formatFolderSet({{chinese, longest}, {"x", tooLong}}), folders);
    EXPECT_TRUE(sameEntries(loaded.accepted, {{chinese, longest}}));
    EXPECT_EQ(loaded.refused, 1);
}

// The path of an entry is taken only as a whole drive path, spelled as the disk spells it.
TEST(StorageFolderSetFormat, PathsMustBeAbsoluteDrivePathsAndAreKeptInTheirCanonicalSpelling) {
    const std::map<std::string, std::string> disk = {
        {"C:\\A", "C:\\A"},     {"c:\\a", "C:\\A"}, {"C:\\A\\", "C:\\A"},       {"C:\\PROGRA~1", "C:\\Program Files"},
        {"ab\\x", "C:\\ab\\x"}, {"..\\x", "C:\\x"}, {"\\t\\x", "C:\\t\\x"},     {"C:\\t\\a\\..\\b", "C:\\t\\b"},
        {"C:\\.\\A", "C:\\A"},  {"1:\\x", "C:\\x"}, {"C:\\A\\\\B", "C:\\A\\B"}, {"C:\\A|", "C:\\A"}};
    const std::string withNul("C:\\A\0", 5);
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\A", "C:\\A"}, {"c:\\a", "C:\\A"}, {"C:\\A\\", "C:\\A"}, {"C:\\PROGRA~1", "C:\\Program Files"},
        {"ab\\x", ""},      {"..\\x", ""},      {"\\t\\x", ""},       {"C:\\t\\a\\..\\b", ""},
        {"C:\\.\\A", ""},   {"1:\\x", ""},      {"C:\\A\\\\B", ""},   {"C:\\A|", ""},
        {withNul, ""},      {"C:\\Gone", ""}};
    const auto canonical = [&disk](const std::string& path) {
        const auto it = disk.find(path);
        return it == disk.end() ? std::string() : it->second;
    };
    for (const auto& [path, expected] : cases) {
        const auto loaded = folvaric::readFolderSet("N\r\n" + path + "\r\n", canonical);
        EXPECT_EQ(loaded.accepted.empty() ? std::string() : loaded.accepted[0].path, expected) << path;
        EXPECT_EQ(loaded.refused, expected.empty() ? 1 : 0) << path;
    }
}

// Notepad saves UTF-8 since Windows 10; GBK files and plain ASCII stay as they are.
TEST(StorageFolderSetFormat, UnicodeFilesAreReadAsGbk) {
    const std::string utf8 = "\xE8\xB5\x84\xE6\x96\x99";  // 资料
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\xEF\xBB\xBF" + utf8 + "\r\n", gbk("资料") + "\r\n"},
        {utf8 + "\r\nC:\\" + utf8, gbk("资料") + "\r\nC:\\" + gbk("资料")},
        {"\xEF\xBB\xBFplain", "plain"},
        {"plain\r\n", "plain\r\n"},
        {gbk("资料\r\nD:\\资料"), gbk("资料\r\nD:\\资料")},
        {"\xEF\xBB\xBF\xED\x95\x9C", "?"},                 // Korean: no GBK character
        {"\xC0\xAF" + gbk("资"), "\xC0\xAF" + gbk("资")},  // an overlong form is no UTF-8
    };
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(folvaric::folderSetTextAsGbk(bytes), expected) << bytes;
}

TEST(StorageFolderSetFormat, HostileLinesLoadWithoutReadingPastTheirEnd) {
    Folders folders{{"C:\\A"}};
    const std::string megabyteName(1024 * 1024, 'M');
    // A 1 MB name, a lone CR as a line break, a lead byte with no trail byte, no final line break.
    const std::string bytes = megabyteName + "\r\nC:\\A\r" + std::string("B\x81", 2) + "\nC:\\A";
    const auto loaded = folvaric::readFolderSet(bytes, folders);
    ASSERT_EQ(loaded.accepted.size(), 2u);
    EXPECT_EQ(loaded.accepted[0].name, megabyteName);
    EXPECT_EQ(loaded.accepted[1].name, std::string("B\x81", 2));
    EXPECT_EQ(loaded.accepted[1].path, "C:\\A");
    EXPECT_EQ(loaded.refused, 0);
}

// --- reading rules shared with the settings file ---

TEST(StorageLineReader, NumbersAreASignAndDecimalDigitsWithinThirtyTwoBits) {
    std::int32_t v = 0;
    const std::pair<const char*, std::int32_t> good[] = {
        {"-16777208", -16777208}, {"+7", 7}, {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX}};
    for (const auto& [text, value] : good) {
        EXPECT_TRUE(folvaric::parseInt32(text, v) && v == value) << text;
    }
    for (const char* bad :
         {"", "-", "+", "2147483648", "-2147483649", "1e3", "0x10", "$10", "12a", "--1", "99999999999999999999999"}) {
        EXPECT_FALSE(folvaric::parseInt32(bad, v)) << bad;
    }
}

TEST(StorageLineReader, ANumberSkipsSpaceBeforeItAndTheRestOfItsLineAfterIt) {
    const std::string bytes = "\r\n \t 42 and more\r\nnext\r\n";
    LineReader in(bytes);
    std::int32_t v = 0;
    EXPECT_TRUE(in.readNumber(v));
    EXPECT_EQ(v, 42);
    EXPECT_EQ(in.readLine(), "next");
    EXPECT_TRUE(in.atEnd());
    EXPECT_TRUE(in.readNumber(v));  // nothing left: 0
    EXPECT_EQ(v, 0);
    EXPECT_EQ(in.readLine(), "");
}

TEST(StorageLineReader, LinesEndAtCrLfOrALoneCrOrLf) {
    const std::string bytes = "a\r\nb\rc\nd\r\n\r\ne";
    LineReader in(bytes);
    std::vector<std::string> lines;
    while (!in.atEnd()) lines.push_back(in.readLine());
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
}

TEST(StorageLineReader, AnInvalidNumberStillMovesToTheNextLine) {
    const std::string bytes = "12x\r\nnext";
    LineReader in(bytes);
    std::int32_t v = 0;
    EXPECT_FALSE(in.readNumber(v));
    EXPECT_EQ(in.readLine(), "next");
}

}  // namespace
