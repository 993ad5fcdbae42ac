#pragma once
// The eight lines of the settings file `set`: list font size, name and colour,
// tray presence, main icon file name, scale option, automatic refresh, and
// loading the last folder set at start.
#include <cstddef>
#include <cstdint>
#include <string>

namespace folvaric {

constexpr int kSettingsLines = 8;
// A real settings file holds a few dozen bytes; anything this large is not one.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;
// The system window-text colour, the list font's colour until a file says otherwise.
constexpr std::uint32_t kWindowTextColour = 0xFF000008u;
constexpr std::int32_t kDefaultListFontSize = 16;

// What a load read, line by line.
struct SettingsRead {
    int linesRead = 0;    // lines read before the end or the first failed read (0..8)
    bool failed = false;  // a number line held no valid integer
    std::int32_t fontSize = 0;
    std::string fontName;
    std::int32_t fontColour = 0;
    std::int32_t tray = 0;
    std::string iconFileName;
    std::int32_t scale = 0;
    std::int32_t autoRefresh = 0;
    std::int32_t loadLastSet = 0;

    bool reached(int line) const { return linesRead >= line; }
    // Every line read and every value one that the program can use.
    bool valid() const;
};

SettingsRead readSettings(const std::string& bytes);

// The values a save writes.
struct SettingsValues {
    std::int32_t fontSize = kDefaultListFontSize;
    std::string fontName;
    std::uint32_t fontColour = kWindowTextColour;
    bool tray = false;
    std::string iconFileName;
    bool scale = false;
    bool autoRefresh = false;
    bool loadLastSet = false;
};

// The file's bytes: eight lines, each ending in CR LF. A value that a load
// would refuse is written as its default, so the file always loads again.
std::string formatSettings(const SettingsValues& v);

// A value as one line of a data file: line breaks inside it become blanks.
std::string asOneLine(const std::string& value);

}  // namespace folvaric
