#include <gtest/gtest.h>

#include <tuple>

#include "text/folder_path.h"
#include "text/gbk_codec.h"
#include "text/gbk_text.h"
#include "text/unicode.h"

using text::gbk;

namespace {

// "表" is B1 ED and "\xB1\x5C" is "盶"... the classic case is a character whose trail byte is 0x5C,
// such as "表" in Shift-JIS; in GBK "\x81\x5C" (丂's neighbour) and "\xD5\x5C" (誠) trail on 0x5C.
const std::string kTrail5C = "\xD5\x5C";

TEST(GbkCodec, RoundTripsChineseText) {
    const std::string g = gbk("文件夹集合保存目录\\默认.txt");
    EXPECT_EQ(g.size(), 9u * 2 + 1 + 4u * 1 + 2 + 2);  // 9 CJK + '\' + 默认 + ".txt"
    EXPECT_EQ(text::gbkToUtf8(g), "文件夹集合保存目录\\默认.txt");
    EXPECT_EQ(text::utf16ToGbk(text::gbkToUtf16(g)), g);
}

TEST(GbkCodec, KnownByteValues) {
    EXPECT_EQ(gbk("刷新"), "\xCB\xA2\xD0\xC2");
    EXPECT_EQ(gbk("地址: "), "\xB5\xD8\xD6\xB7: ");
    EXPECT_EQ(text::gbkToUtf16(kTrail5C).size(), 1u);
}

TEST(GbkCodec, InvalidInputNeverFailsAndIsReplaced) {
    const std::string bad("A\x80\xFF\x81", 4);  // 0x80 is the euro sign in code page 936
    const std::u16string u = text::gbkToUtf16(bad);
    ASSERT_FALSE(u.empty());
    EXPECT_EQ(u[0], u'A');
    EXPECT_EQ(u.back(), u'\xFFFD');  // a lone lead byte at the end
    const std::u16string unpaired{u'a', static_cast<char16_t>(0xD800), u'b'};
    EXPECT_EQ(text::utf16ToGbk(unpaired).front(), 'a');
    EXPECT_EQ(text::utf16ToGbk(unpaired).back(), 'b');
    EXPECT_EQ(text::utf16ToGbk(u"\U0001F600"), "?");  // no GBK form: one question mark
}

TEST(Utf, MalformedUtf8BecomesReplacement) {
    EXPECT_EQ(text::utf8ToUtf16("a\xC3"), (std::u16string{u'a', u'\xFFFD'}));
    EXPECT_EQ(text::utf8ToUtf16("\xE4\xB8\xAD"), u"中");
    EXPECT_EQ(text::utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(GbkText, LastPathComponentIgnoresTrailByteBackslash) {
    EXPECT_EQ(text::lastPathComponent("D:\\Data"), "Data");
    EXPECT_EQ(text::lastPathComponent("D:\\"), "");
    EXPECT_EQ(text::lastPathComponent("D:"), "");
    EXPECT_EQ(text::lastPathComponent("plain"), "plain");
    // The 0x5C inside the double-byte character is not a separator.
    EXPECT_EQ(text::lastPathComponent("C:\\x\\" + kTrail5C + "y"), kTrail5C + "y");
    EXPECT_EQ(text::lastPathComponent(gbk("C:\\资料\\文档")), gbk("文档"));
}

TEST(GbkText, AsciiLowerLeavesDoubleByteCharactersAlone) {
    EXPECT_EQ(text::asciiLower("C:\\WINDOWS\\Explorer.EXE"), "c:\\windows\\explorer.exe");
    const std::string trailLetter = "\x81\x41";  // trail byte 'A'
    EXPECT_EQ(text::asciiLower(trailLetter + "B"), trailLetter + "b");
}

TEST(GbkText, CutNeverSplitsACharacter) {
    const std::string ascii(300, 'a');
    EXPECT_EQ(text::cut255(ascii).size(), 255u);
    // 254 ASCII bytes then a double-byte character: byte 255 would be its lead byte.
    const std::string split = std::string(254, 'a') + gbk("文") + "b";
    EXPECT_EQ(text::cut255(split), std::string(254, 'a'));
    const std::string exact = std::string(253, 'a') + gbk("文") + "b";
    EXPECT_EQ(text::cut255(exact), std::string(253, 'a') + gbk("文"));
    EXPECT_EQ(text::cut255("short"), "short");
}

TEST(GbkText, EndsWithText) {
    EXPECT_TRUE(text::endsWithText(".exe", "C:\\WINDOWS\\EXPLORER.EXE"));
    EXPECT_FALSE(text::endsWithText(".exe", "exe"));
    EXPECT_TRUE(text::endsWithText(".exe", ".exe"));
    EXPECT_FALSE(text::endsWithText(".exe", "C:\\a.ex"));
    // The suffix may not begin in the middle of a double-byte character.
    EXPECT_FALSE(
        text::endsWithText("\x5C"
                           "a",
                           kTrail5C + "a"));
}

}  // namespace

namespace {

// Paths are one folder exactly when Windows takes them for one: case of every letter GBK
// holds, '/' for '\', a trailing backslash, and the computer view's two names.
TEST(FolderPath, ComparesAsWindowsComparesFileNames) {
    const std::vector<std::tuple<std::string, std::string, bool>> cases = {
        {"C:\\Data", "c:\\DATA", true},
        {"C:\\Data\\", "C:\\Data", true},
        {"C:\\", "c:", true},
        {"C:\\a/b", "C:\\A\\B", true},
        {gbk("D:\\Ωμέγα\\Мир\\ＡＢ"), gbk("d:\\ωμέγα\\мир\\ａｂ"), true},
        {gbk("我的电脑"), gbk("计算机"), true},
        {"C:\\Data", "C:\\Data2", false},
        {"C:\\Data", "D:\\Data", false},
        {"C:\\" + kTrail5C, "C:\\" + std::string("\xD5\x7C"), false},  // a trail byte is no letter
        {"C:\\Data\\", "C:\\Data\\\\x", false},
        {gbk("我的电脑"), "C:\\", false},
        {"C:\\a\x81", "C:\\a\x82", false},  // no GBK: not one folder for decoding alike
        {"C:\\A\x81", "c:\\a\x81", true},
    };
    for (const auto& [a, b, same] : cases) {
        EXPECT_EQ(text::sameFolderPath(a, b), same) << a << " / " << b;
        EXPECT_EQ(text::folderPathKey(a) == text::folderPathKey(b), same) << a << " / " << b;
    }
}

TEST(FolderPath, OnlyAbsoluteDrivePathsWithinTheLengthWindowsAllows) {
    std::string units259 = "C:\\";
    for (int i = 0; i < 256; ++i) units259 += gbk("中");
    const std::string trail = "C:\\" + kTrail5C + "\\x", tooLong = units259 + "x", withNul("C:\\a\0b", 6);
    const std::pair<std::string, bool> cases[] = {
        {"C:\\", true},          {"c:\\a b\\c", true}, {"C:\\a\\", true},
        {trail, true},           {units259, true},     {tooLong, false},
        {"C:", false},           {"C:x", false},       {"\\\\server\\share", false},
        {"ab\\x", false},        {"..\\x", false},     {"\\t\\x", false},
        {"C:\\t\\..\\b", false}, {"C:\\.", false},     {"C:\\a\\\\b", false},
        {"1:\\x", false},        {withNul, false},     {"C:\\a?", false},
        {"C:\\a*", false},       {"C:\\a:b", false}};
    for (const auto& [path, sound] : cases) EXPECT_EQ(text::isAbsoluteDrivePath(path), sound) << path;
}

}  // namespace
