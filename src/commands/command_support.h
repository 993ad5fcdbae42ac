#pragma once
// What the list commands share: the selected entry, the refusal when there is
// none, and the status line behind its gate.
#include <string>

#include "state/form1.h"

namespace folvaric {

// True when the list has entries and one of them is selected.
bool hasSelectedEntry(const Form1& f);

// The modal refusal of a command that needs a selected entry.
void refuseWithoutSelection(Form1& f);

// Writes the status line once the form has been shown and start-up is over;
// before that the line keeps its text.
void reportStatus(Form1& f, const std::string& text);

// The rectangle the maximise commands give a window: the top-left corner of the
// screen, as wide as the desktop and as high as the work area, taken afresh.
platform::Rect screenWideWorkArea(Form1& f);

}  // namespace folvaric
