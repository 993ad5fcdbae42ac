#pragma once
// Every platform interface, implemented over Win32, in one place for the program entry.
#include "platform/platform.h"
#include "win32/win_application.h"
#include "win32/win_desktop.h"
#include "win32/win_dialogs.h"
#include "win32/win_files.h"
#include "win32/win_services.h"
#include "win32/win_shell.h"
#include "win32/win_shell_windows.h"

namespace win {

struct WinPlatform {
    MessagePump pump;
    WinApplication app;
    WinDesktop desktop;
    WinFiles files;
    WinShell shell;
    WinDialogs dialogs{[this] { return app.mainWindow(); }};
    WinClipboard clipboard{[this] { return app.mainHwnd(); }};
    WinSound sound;
    WinClock clock{pump};
    WinShellWindows shellWindows;

    platform::Platform platform() {
        return {desktop, files, shell, dialogs, clipboard, sound, clock, app, shellWindows};
    }
};

}  // namespace win
