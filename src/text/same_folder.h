#pragma once
// The one place that decides whether two folder paths name the same folder, so that every
// caller agrees and the rule can be made more Windows-like in one spot.
#include <string>

namespace text {

// Windows file names ignore case: "C:\Data" and "c:\DATA" are one folder. Only single-byte
// letters are folded; the trail bytes of double-byte characters are compared as they are.
bool sameFolder(const std::string& a, const std::string& b);

}  // namespace text
