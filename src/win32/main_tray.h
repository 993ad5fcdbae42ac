#pragma once
// TrayIcon1 of the main form: the tray icon component set up as the form stores it, kept in
// step with the form's TrayIconModel, its left click bound to trayIconClicked and its right
// button to the tray menu PopupMenu2.
#include <windows.h>

#include <vector>

#include "state/form1.h"
#include "win32/main_window.h"
#include "win32/tray_icon.h"
#include "win32/win_application.h"

namespace win {

class MainTray : public TrayApplication {
public:
    MainTray(HINSTANCE instance, folvaric::Form1& form, WinApplication& app, MainWindow& window);
    ~MainTray() override;
    MainTray(const MainTray&) = delete;
    MainTray& operator=(const MainTray&) = delete;

    TrayIcon& icon() { return icon_; }

    // TrayApplication
    HWND applicationWindow() override { return app_.mainHwnd(); }
    void minimiseApplication() override { app_.minimise(); }
    void restoreApplication() override { app_.restore(); }
    HWND activeForm() override;
    HICON applicationIcon() override { return window_.smallIcon(); }

private:
    void sync();
    void reportError(const std::string& text);

    folvaric::Form1& form_;
    WinApplication& app_;
    MainWindow& window_;
    std::vector<HICON> images_;  // ImageList1: the built-in icon
    Icon builtIn_;
    std::string shownIconFile_;
    TrayIcon icon_;
};

}  // namespace win
