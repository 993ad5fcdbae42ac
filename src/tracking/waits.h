#pragma once
#include "state/form1.h"

namespace folvaric {

// A short wait for Explorer with the message queue handled on both sides, so the
// program's window keeps answering while the refresh waits.
void pumpedPause(Form1& f, int milliseconds);
// The same wait, with the time the first handling of the queue takes counted into it: it
// repaints what the caller changed just before, which the wait need not come after.
void pumpedPauseFromStart(Form1& f, int milliseconds);
// A longer wait, cut into slices with the queue handled after each one.
void responsivePause(Form1& f, int milliseconds);

}  // namespace folvaric
