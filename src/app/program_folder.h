#pragma once
// The program folder and the paths built from it once at start.
#include <string>

#include "state/form1.h"

namespace folvaric {

// The folder part of a full file path, without the trailing backslash ("C:\A\b.exe" gives
// "C:\A", "C:\b.exe" gives "C:"). A backslash that is the trail byte of a GBK character
// does not count. Empty when the path has no folder.
std::string folderOf(const std::string& filePath);

// appDir from the executable's path, then the settings file, the folder-set folder, the
// default set and the sound folder beside it; folderSetFile is emptied.
void buildProgramPaths(Form1& f);

}  // namespace folvaric
