#pragma once
// The window manager, processes and system information, as the program asks for them.
// All texts are GBK; buffer sizes are in characters, terminator included, as the
// Windows calls take them (a text longer than the buffer comes back cut).
#include <functional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Top-level windows, topmost first.
    virtual std::vector<WindowHandle> topLevelWindowsInZOrder() = 0;
    virtual bool isWindow(WindowHandle) = 0;
    virtual std::uint32_t style(WindowHandle) = 0;
    virtual std::string title(WindowHandle, int bufferChars) = 0;
    virtual std::string className(WindowHandle, int bufferChars) = 0;
    // Every descendant, depth first, until the visitor returns false.
    virtual void forEachDescendant(WindowHandle, const std::function<bool(WindowHandle)>& visit) = 0;
    // The window-text message (WM_GETTEXT), answered by the window's own process.
    virtual std::string windowText(WindowHandle, int bufferChars) = 0;

    virtual ProcessId processOf(WindowHandle) = 0;
    // Full path of the process's executable (its first module); empty when the
    // process cannot be inspected (access denied, already gone).
    virtual std::string processExecutablePath(ProcessId) = 0;

    virtual bool postClose(WindowHandle) = 0;                 // PostMessage WM_CLOSE
    virtual bool minimise(WindowHandle) = 0;                  // CloseWindow
    virtual bool show(WindowHandle, ShowCommand) = 0;         // ShowWindow
    virtual bool move(WindowHandle, Rect, bool repaint) = 0;  // MoveWindow
    virtual bool bringToTop(WindowHandle) = 0;
    virtual bool flash(WindowHandle, bool invert) = 0;
    virtual bool isMinimised(WindowHandle) = 0;
    virtual Rect windowRect(WindowHandle) = 0;

    virtual WindowHandle activeWindow() = 0;
    virtual Rect desktopRect() = 0;  // the desktop window's rectangle
    virtual Rect workArea() = 0;     // the screen less the task bar
    virtual VersionRecord version() = 0;
};

}  // namespace platform
