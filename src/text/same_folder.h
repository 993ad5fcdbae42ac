#pragma once
// The one place that decides whether two folder paths name the same folder, so that every
// caller agrees and the rule can be made more Windows-like in one spot.
#include <string>

namespace text {

// Windows file names ignore case: "C:\Data" and "c:\DATA" are one folder. The same as
// sameFolderPath (text/folder_path.h): case as the file system folds it, '/' for '\', a
// trailing backslash, and the computer view's two names.
bool sameFolder(const std::string& a, const std::string& b);

}  // namespace text
