#pragma once
// The program's application object. The main window also stands for the program on the
// taskbar, so minimising and restoring the application act on it.
#include <windows.h>

#include "platform/services.h"

namespace win {

class WinApplication : public platform::Application {
public:
    std::string executablePath() override;
    platform::WindowHandle mainWindow() override;
    void minimise() override;
    void restore() override;
    bool isMinimised() override;

    void setMainWindow(HWND window) { main_ = window; }
    HWND mainHwnd() const { return main_; }
    // True while restore() itself brings the window back, so that the view does not report
    // the same restore a second time.
    bool restoring() const { return restoring_; }
    // The window left the minimised state some other way (the taskbar, another program).
    void leftMinimisedState();

private:
    HWND main_ = nullptr;
    bool restoring_ = false;
};

}  // namespace win
