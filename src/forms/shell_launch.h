#pragma once
// Documents and addresses handed to the shell. When the shell cannot open one (no program for
// the file type, no browser, a file gone in the meantime) the user is told which one and why,
// instead of seeing nothing happen.
#include <string>

#include "platform/platform.h"

namespace folvaric {

// The reason behind a ShellExecute result of 32 or less, as a sentence (GBK).
std::string shellFailureReason(int result);

// Opens `target` with the shell's "open" verb; false, after a box naming `target` and the reason,
// when that failed.
bool openThroughShellOrReport(platform::Platform& p, platform::WindowHandle owner, const std::string& target,
                              platform::ShowCommand show);

}  // namespace folvaric
