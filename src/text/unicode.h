#pragma once
// UTF-8 <-> UTF-16 without any platform library; malformed input becomes U+FFFD.
#include <string>

namespace text {

std::u16string utf8ToUtf16(const std::string& utf8);
std::string utf16ToUtf8(const std::u16string& utf16);

}  // namespace text
