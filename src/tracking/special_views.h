#pragma once
#include <string>

namespace folvaric {

// Shell views that show no folder path, by their display name (Recycle Bin,
// Control Panel, ...). A window of one of them without a path is no failure.
bool isSpecialView(const std::string& displayName);

}  // namespace folvaric
