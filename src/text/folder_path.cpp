#include "text/folder_path.h"

#include "text/gbk_codec.h"
#include "text/gbk_text.h"
#include "text/unicode.h"

namespace text {
namespace {

// The upper case the file system compares names in, for the letters GBK can hold.
char16_t upper(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
    if (c < 0x80) return c;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<char16_t>(c - 0x20);
    if (c == 0xFF) return 0x178;
    // Latin Extended-A pairs (upper even, lower odd), with the two runs that swap parity.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return static_cast<char16_t>(c & ~1u);
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1u) ? c : static_cast<char16_t>(c - 1);
    // Pinyin letters with caron and diaeresis: upper odd, lower even.
    if (c >= 0x1CD && c <= 0x1DC) return (c & 1u) ? c : static_cast<char16_t>(c - 1);
    if (c >= 0x3B1 && c <= 0x3C9) return c == 0x3C2 ? char16_t{0x3A3} : static_cast<char16_t>(c - 0x20);
    if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 0x20);
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
    if (c >= 0x2170 && c <= 0x217F) return static_cast<char16_t>(c - 0x10);
    if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<char16_t>(c - 0x20);
    return c;
}

bool isForbiddenInName(unsigned char c) {
    if (c < 0x20) return true;
    switch (c) {
        case '<':
        case '>':
        case ':':
        case '"':
        case '|':
        case '?':
        case '*':
            return true;
        default:
            return false;
    }
}

}  // namespace

bool isComputerFolderName(const std::string& path) {
    static const std::string xp = gbk("我的电脑");
    static const std::string win7 = gbk("计算机");
    return path == xp || path == win7;
}

std::string folderPathKey(const std::string& path) {
    // Both names of the computer view, and no path, fall on keys no folder path has.
    if (isComputerFolderName(path)) return "::computer";
    if (isAscii(path)) {
        // The same key as below, without the round trip through UTF-16 that most paths need not take.
        std::string key(path);
        for (char& c : key) c = c == '/' ? '\\' : (c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c);
        while (key.size() > 3 && key.back() == '\\') key.pop_back();
        if (key.size() == 2 && key[1] == ':') key += '\\';
        return key;
    }
    std::u16string wide = gbkToUtf16(path);
    // Bytes that are no GBK would all decode to U+FFFD and look alike; such a text (no
    // window gives one) keeps its own bytes, compared without ASCII case.
    if (wide.find(u'\uFFFD') != std::u16string::npos) return "\x01" + asciiLower(path);
    for (char16_t& c : wide) c = c == u'/' ? u'\\' : upper(c);
    while (wide.size() > 3 && wide.back() == u'\\') wide.pop_back();
    if (wide.size() == 2 && wide[1] == u':') wide += u'\\';
    return utf16ToUtf8(wide);
}

bool sameFolderPath(const std::string& a, const std::string& b) {
    return a == b || folderPathKey(a) == folderPathKey(b);
}

std::size_t utf16Length(const std::string& gbkText) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < gbkText.size(); i += charLengthAt(gbkText, i)) ++units;
    return units;
}

bool isAbsoluteDrivePath(const std::string& path) {
    if (path.size() < 3 || path[1] != ':' || path[2] != '\\') return false;
    const char drive = path[0];
    if (!((drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z'))) return false;
    if (utf16Length(path) > kMaxFolderPathUnits) return false;
    // Walk the components after "X:\" by characters: a trail byte 0x5C is no separator.
    std::string component;
    auto componentIsSound = [&component] { return component != "." && component != ".."; };
    for (std::size_t i = 3; i < path.size();) {
        const std::size_t len = charLengthAt(path, i);
        const auto c = static_cast<unsigned char>(path[i]);
        if (len == 1 && (c == '\\' || c == '/')) {
            if (component.empty() || !componentIsSound()) return false;
            component.clear();
        } else {
            if (len == 1 && isForbiddenInName(c)) return false;
            component.append(path, i, len);
        }
        i += len;
    }
    // One trailing backslash is how a drive root and some saved paths end.
    return componentIsSound();
}

}  // namespace text
