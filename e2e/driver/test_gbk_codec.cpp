// The code page 936 codec as built into the Windows program: the same bytes as on Linux for
// valid text, and replacement characters, never a failure, for anything else.
#include "check.h"
#include "text/gbk_codec.h"

namespace {

// "默认.txt" and "文件夹集合保存目录" in GBK.
const std::string kDefaultFileGbk = "\xC4\xAC\xC8\xCF.txt";
const std::string kFolderSetDirGbk = "\xCE\xC4\xBC\xFE\xBC\xD0\xBC\xAF\xBA\xCF\xB1\xA3\xB4\xE6\xC4\xBF\xC2\xBC";

}  // namespace

E2E_TEST(gbk_codec_round_trips_chinese_names) {
    CHECK_EQ(text::gbkToUtf16(kDefaultFileGbk), u"默认.txt");
    CHECK_EQ(text::utf16ToGbk(u"默认.txt"), kDefaultFileGbk);
    CHECK_EQ(text::gbkToUtf16(kFolderSetDirGbk), u"文件夹集合保存目录");
    CHECK_EQ(text::utf16ToGbk(u"文件夹集合保存目录"), kFolderSetDirGbk);
    CHECK_EQ(text::gbkToUtf16(""), u"");
    CHECK_EQ(text::utf16ToGbk(u""), "");
    // Embedded NULs are data, not terminators.
    CHECK_EQ(text::gbkToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

E2E_TEST(gbk_codec_replaces_what_it_cannot_convert) {
    // A lone lead byte at the end, and bytes that start nothing in GBK.
    CHECK_EQ(text::gbkToUtf16("ab\xC4"), u"ab\uFFFD");
    CHECK_EQ(text::gbkToUtf16("\xFF" "x"), u"\uFFFDx");
    // A lead byte followed by a byte that cannot trail: the lead is replaced, the ASCII kept.
    CHECK_EQ(text::gbkToUtf16("\xC4" "\x0A" "z"), u"\uFFFD\nz");
    // Thai has no GBK code; a lone surrogate is no character at all.
    CHECK_EQ(text::utf16ToGbk(u"a\u0E01b"), "a?b");
    CHECK_EQ(text::utf16ToGbk(std::u16string(u"x") + char16_t(0xD800) + u"y"), "x?y");
}
