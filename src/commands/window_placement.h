#pragma once
// The parts the maximise commands share: the refusal for a row without a window
// handle, and the move to the screen-wide work area with its failure report.
#include <string>

#include "state/form1.h"

namespace folvaric {

// The modal box for a row whose handle is 0; the caller skips the row.
void refuseZeroHandle(Form1& f);

// Moves the window to `area`, repainting; when the system refuses, says so on
// the status line with the row's name.
void moveToArea(Form1& f, WindowHandle h, const platform::Rect& area, const std::string& name);

}  // namespace folvaric
