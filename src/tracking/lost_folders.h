#pragma once
#include "tracking/refresh_run.h"

namespace folvaric {

// Re-opens every protected folder that has no window any more, minimised and
// without taking the focus, and lists it as lost so the rebirth can find its window.
void reopenLostFolders(RefreshRun& run);

}  // namespace folvaric
