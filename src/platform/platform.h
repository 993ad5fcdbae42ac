#pragma once
// Everything the logic may ask of Windows, handed to it in one bundle.
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/shell_windows.h"

namespace platform {

struct Platform {
    Desktop& desktop;
    Files& files;
    Shell& shell;
    Dialogs& dialogs;
    Clipboard& clipboard;
    Sound& sound;
    Clock& clock;
    Application& app;
    ShellWindows& shellWindows;
};

}  // namespace platform
