#pragma once
// The starting point of every test that runs the program: a desktop without windows of earlier
// tests, a known settings file and default folder set, the stand-in Explorer in Windows 7 style.
// Whatever the test leaves open (the program, folder windows it or the program opened) is closed
// when the session ends, also after a failed REQUIRE.
#include <windows.h>

#include <vector>

#include "program_folder.h"

namespace e2e {

// Settings for tests that are not about start-up: nothing is loaded at start, so the empty
// default folder set brings up no message box.
Settings quietSettings();

class Session {
public:
    explicit Session(const Settings& settings = quietSettings(), const std::vector<FolderSetEntry>& defaultSet = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
};

// Closes every window of the program that is still open and ends its processes.
void endAllProgramInstances();

SIZE screenSize();
// Skips the current test unless the screen has this size.
void requireScreen(int width, int height);

}  // namespace e2e
