#pragma once
// Folder paths as Windows treats them: one comparison for every place that asks
// whether two paths name the same folder, and the shape a stored path must have.
#include <cstddef>
#include <string>

namespace text {

// The longest folder path Windows lets Explorer open: MAX_PATH less the terminator,
// counted in UTF-16 units as Windows counts it (a Chinese character is one unit).
constexpr std::size_t kMaxFolderPathUnits = 259;

// "我的电脑" (XP) and "计算机" (Vista and later): the computer view's two names.
bool isComputerFolderName(const std::string& path);

// A key equal for exactly the paths Windows takes for one folder: letters compared
// without case as the file system compares them (Latin, Greek, Cyrillic, full-width),
// '/' taken for '\', a trailing backslash ignored except at a drive root, and both
// names of the computer view one key. Meant for hash sets and maps.
std::string folderPathKey(const std::string& path);

// The single answer to "are these one folder?".
bool sameFolderPath(const std::string& a, const std::string& b);

// A drive letter, a colon and a backslash, then components that are neither empty
// nor "." nor "..", with no NUL, control character or character Windows forbids in
// a file name, and no longer than kMaxFolderPathUnits. Anything else the shell would
// resolve against some current folder, or could not open at all.
bool isAbsoluteDrivePath(const std::string& path);

// Length of a GBK text in UTF-16 units.
std::size_t utf16Length(const std::string& gbkText);

}  // namespace text
