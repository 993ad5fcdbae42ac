#pragma once
// Rewrites a data file so that a failure never leaves it empty or half written.
#include <string>

#include "platform/files.h"

namespace folvaric {

// The name of the scratch file that a rewrite of `path` uses, in the same folder.
std::string scratchFileFor(const std::string& path);

// Writes `bytes` to a scratch file beside `path`, then puts it in the place of
// `path` in one step. On failure the scratch file is removed, `path` keeps its
// old content, and the platform::FileError goes on to the caller.
void rewriteFile(platform::Files& files, const std::string& path, const std::string& bytes);

}  // namespace folvaric
