// GBK <-> UTF-16 through the system's own tables. Code page 936 is named explicitly so that the
// program reads and writes the same bytes on a Windows whose ANSI code page is not Chinese.
#include "text/gbk_codec.h"

#include <windows.h>

#include <climits>

namespace text {

namespace {

constexpr UINT kGbkCodePage = 936;

// The Win32 calls take int lengths; nothing the program handles comes near that, but a cut is
// better than an overflow.
int clampedLength(std::size_t size) {
    return size > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

}  // namespace

std::u16string gbkToUtf16(const std::string& gbk) {
    if (gbk.empty()) return {};
    const int inputLength = clampedLength(gbk.size());
    // Without MB_ERR_INVALID_CHARS an undecodable byte becomes the default character, never a
    // failure; the check below still turns it into U+FFFD, which is what callers expect.
    const int needed = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), inputLength, nullptr, 0);
    if (needed <= 0) return std::u16string(gbk.size(), u'\uFFFD');
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), inputLength, &wide[0], needed);

    // Windows maps a lone lead byte or an unassigned pair to U+30FB or to the code page's default
    // character depending on the version; find those spots by decoding strictly piece by piece.
    if (MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), inputLength, nullptr, 0) > 0) {
        return std::u16string(wide.begin(), wide.end());
    }
    std::u16string out;
    out.reserve(gbk.size());
    std::size_t i = 0;
    while (i < gbk.size()) {
        const auto byte = static_cast<unsigned char>(gbk[i]);
        if (byte < 0x80) {
            out.push_back(static_cast<char16_t>(byte));
            ++i;
            continue;
        }
        wchar_t unit = 0;
        if (i + 1 < gbk.size() && IsDBCSLeadByteEx(kGbkCodePage, byte) &&
            MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data() + i, 2, &unit, 1) == 1) {
            out.push_back(static_cast<char16_t>(unit));
            i += 2;
            continue;
        }
        // 0x80 is the euro sign in code page 936.
        if (MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data() + i, 1, &unit, 1) == 1) {
            out.push_back(static_cast<char16_t>(unit));
        } else {
            out.push_back(u'\uFFFD');
        }
        ++i;
    }
    return out;
}

std::string utf16ToGbk(const std::u16string& utf16) {
    if (utf16.empty()) return {};
    const std::wstring wide(utf16.begin(), utf16.end());
    const int inputLength = clampedLength(wide.size());
    // An unencodable character (or a lone surrogate) becomes '?', never a best-fit lookalike.
    // The default character is read as a string (a DBCS code page could take two bytes), so it
    // must be terminated.
    static const char defaultChar[] = "?";
    const int needed = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), inputLength,
                                           nullptr, 0, defaultChar, nullptr);
    if (needed <= 0) return std::string(utf16.size(), '?');
    std::string out(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), inputLength, &out[0], needed,
                        defaultChar, nullptr);
    return out;
}

}  // namespace text
