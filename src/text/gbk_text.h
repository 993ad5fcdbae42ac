#pragma once
// Byte-exact helpers over GBK text. A GBK double-byte character is a lead byte
// 0x81..0xFE followed by a trail byte 0x40..0xFE; the trail byte can be 0x5C
// ('\\') or an ASCII letter, so every helper here walks characters, not bytes.
#include <cstddef>
#include <string>

namespace text {

// The program's own texts are written as UTF-8 in the sources and converted once.
std::string gbk(const char* utf8);

bool isLeadByte(unsigned char b);

// Number of bytes of the character starting at `pos` (1 or 2; 1 for a lead
// byte at the very end, which is then treated as a single byte).
std::size_t charLengthAt(const std::string& s, std::size_t pos);

// Every byte below 0x80: the text reads the same in GBK, UTF-8 and, widened, UTF-16.
bool isAscii(const std::string& s);

// Maps 'A'..'Z' to 'a'..'z' in single-byte characters only.
std::string asciiLower(const std::string& s);

// The part after the last backslash or colon that is a character of its own
// (a trail byte 0x5C never counts). The whole text when there is none.
std::string lastPathComponent(const std::string& s);

// At most `maxBytes` bytes, ending on a character boundary.
std::string cutAtCharBoundary(const std::string& s, std::size_t maxBytes);

// The 255-byte cut of the snapshot, lost-folder and scratch lists.
std::string cut255(const std::string& s);

// True when `text` ends with `suffix`, compared without regard to ASCII case,
// and the suffix starts on a character boundary of `text`.
bool endsWithText(const std::string& suffix, const std::string& text);

// Signed decimal, as every number in the data files and messages is written.
std::string decimal(long long value);

}  // namespace text
