#pragma once
#include "tracking/refresh_run.h"

namespace folvaric {

// Finds the re-opened windows of the lost folders by their titles, lists them
// as ticked rows, and brings them to the front at the size of the work area.
void rebirthLostFolders(RefreshRun& run);

}  // namespace folvaric
