#pragma once
// Requests to the e2e runner (e2e/run.sh), which lives outside Wine and can do what the driver
// cannot from inside: read the X screen and give real X input. A request is a one-line file
// "<kind>-<sequence>.request" beside the driver; the runner carries it out and deletes it,
// which tells the driver it is done.
#include <windows.h>

#include <string>

namespace e2e {

// True when the driver was started by the runner (it sets FOLVARIC_E2E_RUNNER=1).
bool runnerPresent();

// Hands `line` to the runner as a request of this kind and waits until it has been carried out.
// False without a runner, when the request cannot be written, or on timeout.
bool askRunner(const std::wstring& kind, const std::string& line, DWORD timeoutMilliseconds = 10000);

}  // namespace e2e
