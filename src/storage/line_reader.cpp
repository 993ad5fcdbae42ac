#include "storage/line_reader.h"

namespace folvaric {
namespace {

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}
bool isSpace(char c) {
    return c == ' ' || c == '\t' || isLineBreak(c);
}

}  // namespace

bool parseInt32(const std::string& token, std::int32_t& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    if (i == token.size()) return false;
    // Accumulated as a magnitude; one past INT32_MAX is still fine for a minus sign.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; i < token.size(); ++i) {
        const char c = token[i];
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return false;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

void LineReader::skipLineBreak() {
    if (atEnd()) return;
    if (bytes_[pos_] == '\r') {
        ++pos_;
        if (!atEnd() && bytes_[pos_] == '\n') ++pos_;
    } else if (bytes_[pos_] == '\n') {
        ++pos_;
    }
}

void LineReader::skipRestOfLine() {
    while (!atEnd() && !isLineBreak(bytes_[pos_])) ++pos_;
    skipLineBreak();
}

std::string LineReader::readLine() {
    const std::size_t start = pos_;
    while (!atEnd() && !isLineBreak(bytes_[pos_])) ++pos_;
    std::string line = bytes_.substr(start, pos_ - start);
    skipLineBreak();
    return line;
}

bool LineReader::readNumber(std::int32_t& value) {
    while (!atEnd() && isSpace(bytes_[pos_])) ++pos_;
    if (atEnd()) {
        value = 0;
        return true;
    }
    const std::size_t start = pos_;
    while (!atEnd() && !isSpace(bytes_[pos_])) ++pos_;
    const bool ok = parseInt32(bytes_.substr(start, pos_ - start), value);
    skipRestOfLine();
    return ok;
}

}  // namespace folvaric
