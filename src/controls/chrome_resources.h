#pragma once
// The chrome button's bitmap resources, drawn in code: for each standard kind a strip of two
// 18 x 18 images (normal, disabled; "CHROMEBTNALL" is 18 x 19 each) on an olive background, and the
// 5 x 3 popup-menu arrow "CHROMEBTNARROW". Only the sixteen standard colours are used.
#include <string>

#include "controls/bitmap.h"

namespace controls {

// An empty bitmap for a name that is not one of ours.
Bitmap chromeResource(const std::string& name);

}  // namespace controls
