#pragma once
// TTrayIcon: one icon in the notification area, its mouse notifications turned into events,
// an optional popup menu or restore on a chosen mouse action, an animation over a list of
// images, and the taskbar button taken away while the program is minimised.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/tray_icon_rules.h"
#include "win32/win_handles.h"

namespace win {

using controls::TrayIconMessage;
using controls::TrayMouseButton;
namespace tray_shift = controls::tray_shift;

// The top-level window that stands for the program on the taskbar, and what the component may
// ask of the application.
class TrayApplication {
public:
    virtual ~TrayApplication() = default;
    virtual HWND applicationWindow() = 0;
    virtual void minimiseApplication() = 0;
    virtual void restoreApplication() = 0;
    // The program's active form, for the popup menu to belong to; null when it has none on screen.
    virtual HWND activeForm() = 0;
    // The application's current icon (not owned).
    virtual HICON applicationIcon() = 0;
};

class TrayIcon final : public controls::TrayIconRules {
public:
    TrayIcon(HINSTANCE instance, TrayApplication& application);
    ~TrayIcon() override;

    // The images to take icons from (not owned); null = none.
    void setIcons(const std::vector<HICON>* icons);
    HWND handle() const { return window_.get(); }

    // Shows PopupMenu at a screen point, owned by the given window; unset = no PopupMenu.
    std::function<void(POINT, HWND owner)> popupMenu;
    // Where the owner-drawn items of a menu opened for the icon's own window are measured and
    // drawn (the main window's menu painter); without it the system draws them.
    HWND ownerDrawTarget = nullptr;

    void showMenuAtCursor() override;
    void takeAppIcon();
    // Puts this icon in place of the current one (takes ownership).
    void takeIcon(Icon icon);
    // Sees each message of the application window before its own processing; never handles it.
    void appWindowHook(UINT message, WPARAM wParam);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void mouseNotification(UINT mouseMessage);

    bool shellAdd() override;
    bool shellRemove() override;
    void shellModify() override;
    void storeTip(const std::string& gbk) override;
    int imageCount() const override;
    void takeImage(int index) override;
    void takeApplicationIcon() override;
    void timerChanged() override;
    bool applicationMinimised() override;
    void minimiseApplication() override;
    void restoreApplication() override;
    void hideApplicationWindow() override;
    void bringApplicationBack() override;

    TrayApplication& application_;
    OwnedWindow window_;
    Icon current_;
    NOTIFYICONDATAW record_{};
    const std::vector<HICON>* icons_ = nullptr;
    bool timerRunning_ = false;
    UINT taskbarCreated_ = 0;
};

}  // namespace win
