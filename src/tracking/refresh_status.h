#pragma once
// What the refresh writes to the status line, behind the status-line gate.
#include <string>

#include "state/form1.h"
#include "tracking/refresh_run.h"

namespace folvaric {

// Written only when the status line is open and the program was the active
// window when the refresh began: a refresh the user did not start from the
// program stays quiet.
void reportGated(Form1& f, const std::string& text);
// Written whenever the status line is open (form shown, start-up done).
void reportShown(Form1& f, const std::string& text);

// The closing words when no folder was re-opened.
void reportIfNothingProtected(const RefreshRun& run);
// The outcome of the whole refresh, the most telling one last.
void reportOutcome(const RefreshRun& run);

}  // namespace folvaric
