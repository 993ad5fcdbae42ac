#pragma once
// TTrayIcon: one icon in the notification area, its mouse notifications turned into events,
// an optional popup menu or restore on a chosen mouse action, an animation over a list of
// images, and the taskbar button taken away while the program is minimised.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win32/win_handles.h"

namespace win {

enum class TrayIconMessage {
    Click,
    DoubleClick,
    MouseDown,
    MouseUp,
    LeftClickUp,
    LeftDoubleClick,
    RightClickUp,
    RightDoubleClick,
    None
};

enum class TrayMouseButton { Left, Right, Middle };

// Shift-state bits of the mouse events.
namespace tray_shift {
constexpr unsigned Shift = 1, Alt = 2, Ctrl = 4, Left = 8, Right = 16, Middle = 32;
}

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

class TrayIcon {
public:
    TrayIcon(HINSTANCE instance, TrayApplication& application);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // --- properties ---
    bool visible() const { return visible_; }
    void setVisible(bool value);  // ApplyVisible
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& gbk);  // ignored from 64 bytes on
    bool hide() const { return hide_; }
    void setHide(bool value);
    // Takes the value without acting on it, for an owner that has already done what the
    // writer would do.
    void storeHide(bool value) { hide_ = value; }
    TrayIconMessage restoreOn = TrayIconMessage::DoubleClick;
    TrayIconMessage popupMenuOn = TrayIconMessage::None;
    // The images to take icons from (not owned); null = none.
    void setIcons(const std::vector<HICON>* icons);
    int iconIndex = 0;
    int animateInterval() const { return animateInterval_; }
    void setAnimateInterval(int milliseconds);
    bool animate() const { return animate_; }
    void setAnimate(bool value);
    HWND handle() const { return window_.get(); }
    bool hookRegistered() const { return hookRegistered_; }

    // --- events ---
    std::function<void()> onClick, onDblClick, onMinimize, onRestore, onAnimate;
    std::function<void(TrayMouseButton, unsigned shift, int x, int y)> onMouseDown, onMouseUp;
    std::function<void(unsigned shift, int x, int y)> onMuuseMove;
    // Shows PopupMenu at a screen point, owned by the given window; unset = no PopupMenu.
    std::function<void(POINT, HWND owner)> popupMenu;
    // Where the owner-drawn items of a menu opened for the icon's own window are measured and
    // drawn (the main window's menu painter); without it the system draws them.
    HWND ownerDrawTarget = nullptr;
    // Where a failure to add or remove the icon is reported (the general error handler).
    std::function<void(const std::string&)> onError;

    // --- operations ---
    void loaded();  // after the owner has set the properties, as after loading from the form
    void advanceIcon();
    void minimize();
    void restore();
    void pushIcon();
    void showMenuAtCursor();
    void selectImage(int index);
    void takeAppIcon();
    // Puts this icon in place of the current one (takes ownership).
    void takeIcon(Icon icon);
    // Sees each message of the application window before its own processing; never handles it.
    void appWindowHook(UINT message, WPARAM wParam);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void mouseNotification(UINT mouseMessage);
    void click();
    void dblClick();
    void mouseDown(TrayMouseButton button, unsigned shift, POINT at);
    void mouseUp(TrayMouseButton button, unsigned shift, POINT at);
    void mouseMove(unsigned shift, POINT at);
    void act(TrayIconMessage happened);
    void updateTimer();
    bool addToShell();

    TrayApplication& application_;
    OwnedWindow window_;
    Icon current_;
    NOTIFYICONDATAW record_{};
    bool visible_ = false;
    bool hide_ = true;
    bool hookRegistered_ = false;
    std::string hint_;
    const std::vector<HICON>* icons_ = nullptr;
    int animateInterval_ = 1000;
    bool animate_ = false;
    bool timerRunning_ = false;
    UINT taskbarCreated_ = 0;
};

}  // namespace win
