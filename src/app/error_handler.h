#pragma once
// The application's general error handler. File writes throw platform::FileError with the
// system's own text and nobody on the way catches it; it ends here, in a message box, and
// the program goes on as before.
#include <functional>

#include "state/form1.h"

namespace folvaric {

// Runs `handler`; an error it raises is shown (caption "Folvaric2.1", error icon).
// Returns false when that happened.
bool runHandler(Form1& f, const std::function<void()>& handler);

// `handler` wrapped in runHandler, ready to bind to a control's event.
std::function<void()> guarded(Form1& f, std::function<void()> handler);

}  // namespace folvaric
