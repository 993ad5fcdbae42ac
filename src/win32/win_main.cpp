// Program entry: the application, the main form, one message loop.
#include <windows.h>
#include <commctrl.h>

#include "app/error_handler.h"
#include "app/main_form.h"
#include "app/single_copy.h"
#include "win32/aux_window_views.h"
#include "win32/main_tray.h"
#include "win32/main_window.h"
#include "win32/win_platform.h"
#include "win32/win_single_instance.h"

namespace {

void initialiseCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
}

int runMessageLoop(win::MessagePump& pump) {
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return 1;
        pump.dispatch(message);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The program reads no command line.
    // A second copy calls the first to the front and ends before it reads or writes anything.
    win::WinSingleInstance oneCopy;
    if (!folvaric::startAsOnlyCopy(oneCopy)) return 0;
    initialiseCommonControls();

    // The application, whose title "Folvaric2.1" is the main window's caption and taskbar text
    // (the main window stands for the application on the taskbar).
    win::WinPlatform services;
    folvaric::Form1 form(services.platform());

    // The main form: built from its design, its window created hidden, then FormCreate, which
    // runs before any window of the program is shown.
    folvaric::buildForm1(form);
    win::MainWindow mainWindow(instance, form, services.app);
    if (!mainWindow.create()) return 1;
    services.app.setMainWindow(mainWindow.hwnd());
    services.pump.filter = [&mainWindow](MSG& message) { return mainWindow.navigate(message); };
    win::MainTray tray(instance, form, services.app, mainWindow);

    folvaric::runHandler(form, [&form] { folvaric::FormCreate(form); });
    mainWindow.startLayout();

    // The About box (TAboutBox), then the Explorer dual window (TForm3): after the main form,
    // before it is shown; they publish themselves through form.showAboutBox and form.showDualWindow.
    win::AuxWindows auxWindows(instance, form);
    auxWindows.create();
    services.pump.filter = [&mainWindow, &auxWindows](MSG& message) {
        return mainWindow.navigate(message) || auxWindows.navigate(message);
    };

    // Only the main form is shown at start; FormShow follows once it is on screen.
    mainWindow.showFirstTime();
    return runMessageLoop(services.pump);
}
