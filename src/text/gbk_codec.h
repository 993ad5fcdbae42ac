#pragma once
// Conversion between the program's GBK (code page 936) byte strings and Unicode.
// One interface, two implementations: iconv on Linux, MultiByteToWideChar /
// WideCharToMultiByte with code page 936 named explicitly on Windows (so the
// program behaves the same on a non-Chinese Windows).
//
// Invalid input never fails: an undecodable GBK byte becomes U+FFFD, an
// unencodable Unicode character becomes '?'.
#include <string>

namespace text {

std::u16string gbkToUtf16(const std::string& gbk);
std::string utf16ToGbk(const std::u16string& utf16);

std::string utf8ToGbk(const std::string& utf8);
std::string gbkToUtf8(const std::string& gbk);

}  // namespace text
