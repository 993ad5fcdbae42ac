#include "text/gbk_text.h"

#include <vector>

#include "text/gbk_codec.h"

namespace text {
namespace {

// Marks every byte of `s` that starts a character.
std::vector<bool> characterStarts(const std::string& s) {
    std::vector<bool> starts(s.size() + 1, false);
    std::size_t i = 0;
    while (i < s.size()) {
        starts[i] = true;
        i += charLengthAt(s, i);
    }
    starts[s.size()] = true;
    return starts;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string gbk(const char* utf8) { return utf8ToGbk(utf8); }

bool isLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

std::size_t charLengthAt(const std::string& s, std::size_t pos) {
    if (pos + 1 < s.size() && isLeadByte(static_cast<unsigned char>(s[pos]))) return 2;
    return 1;
}

bool isAscii(const std::string& s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

std::string asciiLower(const std::string& s) {
    std::string out = s;
    std::size_t i = 0;
    while (i < out.size()) {
        const std::size_t len = charLengthAt(out, i);
        if (len == 1) out[i] = lowerAscii(out[i]);
        i += len;
    }
    return out;
}

std::string lastPathComponent(const std::string& s) {
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t len = charLengthAt(s, i);
        if (len == 1 && (s[i] == '\\' || s[i] == ':')) start = i + 1;
        i += len;
    }
    return s.substr(start);
}

std::string cutAtCharBoundary(const std::string& s, std::size_t maxBytes) {
    if (s.size() <= maxBytes) return s;
    std::size_t end = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t next = i + charLengthAt(s, i);
        if (next > maxBytes) break;
        end = next;
        i = next;
    }
    return s.substr(0, end);
}

std::string cut255(const std::string& s) { return cutAtCharBoundary(s, 255); }

bool endsWithText(const std::string& suffix, const std::string& text) {
    if (text.size() < suffix.size()) return false;
    const std::size_t start = text.size() - suffix.size();
    if (!characterStarts(text)[start]) return false;
    return asciiLower(text.substr(start)) == asciiLower(suffix);
}

std::string decimal(long long value) { return std::to_string(value); }

}  // namespace text
