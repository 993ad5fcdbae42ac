#pragma once
// The tray icon component's behaviour without the system: which mouse action restores the
// program or opens the menu, the shift state of its events, the hint limit, the animation
// step, what showing and removing the icon do to the taskbar-button option, and the
// re-add after the shell's tray started again. The Win32 tray icon derives from it and
// supplies the system side (the shell's notification area, the application window, the
// image list and the timer).
#include <functional>
#include <string>

namespace controls {

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

// The shell's mouse notifications for the icon.
enum class TrayMouse {
    Move,
    LeftDown,
    LeftUp,
    LeftDoubleClick,
    RightDown,
    RightUp,
    RightDoubleClick,
    MiddleDown,
    MiddleUp,
    MiddleDoubleClick,
    Other
};

// The two system commands of the application window the component acts on; compared exactly.
constexpr unsigned kSysCommandMinimize = 0xF020;
constexpr unsigned kSysCommandRestore = 0xF120;
// The hint is stored in a 64-character buffer with its terminator.
constexpr std::size_t kTrayHintLimit = 64;

extern const char kTrayCannotCreate[];
extern const char kTrayCannotRemove[];

class TrayIconRules {
public:
    TrayIconRules() = default;
    virtual ~TrayIconRules() = default;
    TrayIconRules(const TrayIconRules&) = delete;
    TrayIconRules& operator=(const TrayIconRules&) = delete;

    // --- properties ---
    bool visible() const { return visible_; }
    void setVisible(bool value);
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& gbk);  // ignored from 64 bytes on, and when unchanged
    bool hide() const { return hide_; }
    void setHide(bool value);
    // Takes the value without acting on it, for an owner that has already done what the
    // writer would do.
    void storeHide(bool value) { hide_ = value; }
    TrayIconMessage restoreOn = TrayIconMessage::DoubleClick;
    TrayIconMessage popupMenuOn = TrayIconMessage::None;
    int iconIndex = 0;
    int animateInterval() const { return animateInterval_; }
    void setAnimateInterval(int milliseconds);
    bool animate() const { return animate_; }
    void setAnimate(bool value);  // stored only while there are images to animate
    // The animation timer ticks: animating, with images, at an interval above zero.
    bool timerRuns() const { return animate_ && hasImages() && animateInterval_ > 0; }
    bool hookRegistered() const { return hookRegistered_; }

    // --- events ---
    std::function<void()> onClick, onDblClick, onMinimize, onRestore, onAnimate;
    std::function<void(TrayMouseButton, unsigned shift, int x, int y)> onMouseDown, onMouseUp;
    std::function<void(unsigned shift, int x, int y)> onMuuseMove;
    // Where a failure to add or remove the icon is reported.
    std::function<void(const std::string&)> onError;

    // --- what the system tells the component ---
    // A mouse notification for the icon; `keys` holds Shift, Ctrl and Alt as held now.
    void mouseNotification(TrayMouse mouse, unsigned keys, int x, int y);
    // A system command reached the application window (seen before its own processing).
    void applicationCommand(unsigned command);
    // The shell's tray was created again (Explorer restarted): it knows nothing of the icon.
    void taskbarCreated();
    void sessionEnded();

    // --- operations ---
    void loaded();  // after the owner has set the properties, as after loading from the form
    void advanceIcon();
    void minimize();
    void restore();
    void pushIcon();
    void selectImage(int index);
    virtual void showMenuAtCursor() = 0;

protected:
    // --- the system side ---
    virtual bool shellAdd() = 0;
    virtual bool shellRemove() = 0;
    virtual void shellModify() = 0;
    virtual void storeTip(const std::string& gbk) = 0;  // into the notification record
    virtual int imageCount() const = 0;                 // -1: no image list
    virtual void takeImage(int index) = 0;              // the current icon becomes image `index`
    virtual void takeApplicationIcon() = 0;
    virtual void timerChanged() = 0;  // start or stop the timer as timerRuns() says
    virtual bool applicationMinimised() = 0;
    virtual void minimiseApplication() = 0;
    virtual void restoreApplication() = 0;
    virtual void hideApplicationWindow() = 0;
    virtual void bringApplicationBack() = 0;  // restored on the taskbar and in front

private:
    bool hasImages() const { return imageCount() >= 0; }
    void act(TrayIconMessage happened);
    void click();
    void dblClick();
    void mouseDown(TrayMouseButton button, unsigned shift, int x, int y);
    void mouseUp(TrayMouseButton button, unsigned shift, int x, int y);
    void report(const char* text);

    bool visible_ = false;
    bool hide_ = true;
    bool hookRegistered_ = false;
    std::string hint_;
    int animateInterval_ = 1000;
    bool animate_ = false;
};

}  // namespace controls
