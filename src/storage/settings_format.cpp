#include "storage/settings_format.h"

#include "storage/line_reader.h"
#include "storage/storage_texts.h"
#include "text/gbk_text.h"

namespace folvaric {

bool SettingsRead::valid() const {
    return !failed && fontSize > 0 && !fontName.empty() && (tray == 0 || tray == 1) && !iconFileName.empty();
}

SettingsRead readSettings(const std::string& bytes) {
    SettingsRead r;
    LineReader in(bytes);
    // Each step reads one line; a number that is no integer ends the reading there.
    auto number = [&](std::int32_t& value) {
        if (r.failed) return;
        if (!in.readNumber(value)) {
            r.failed = true;
            return;
        }
        ++r.linesRead;
    };
    auto line = [&](std::string& value) {
        if (r.failed) return;
        value = in.readLine();
        ++r.linesRead;
    };
    number(r.fontSize);
    line(r.fontName);
    number(r.fontColour);
    number(r.tray);
    line(r.iconFileName);
    number(r.scale);
    number(r.autoRefresh);
    number(r.loadLastSet);
    return r;
}

std::string asOneLine(const std::string& value) {
    std::string line = value;
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

std::string formatSettings(const SettingsValues& v) {
    static const std::string crlf = "\r\n";
    const std::int32_t size = v.fontSize > 0 ? v.fontSize : kDefaultListFontSize;
    const std::string name = v.fontName.empty() ? storage_text::defaultFontName() : v.fontName;
    const std::string icon = v.iconFileName.empty() ? storage_text::defaultIconName() : v.iconFileName;
    std::string out;
    out += text::decimal(size) + crlf;
    out += asOneLine(name) + crlf;
    out += text::decimal(static_cast<std::int32_t>(v.fontColour)) + crlf;
    out += (v.tray ? "1" : "0") + crlf;
    out += asOneLine(icon) + crlf;
    out += (v.scale ? "1" : "0") + crlf;
    out += (v.autoRefresh ? "1" : "0") + crlf;
    out += (v.loadLastSet ? "1" : "0") + crlf;
    return out;
}

}  // namespace folvaric
