#pragma once
// The window manager, processes and version information, through user32 and kernel32.
#include "platform/desktop.h"

namespace win {

class WinDesktop : public platform::Desktop {
public:
    std::vector<platform::WindowHandle> topLevelWindowsInZOrder() override;
    bool isWindow(platform::WindowHandle) override;
    std::uint32_t style(platform::WindowHandle) override;
    std::string title(platform::WindowHandle, int bufferChars) override;
    std::string className(platform::WindowHandle, int bufferChars) override;
    void forEachDescendant(platform::WindowHandle,
                           const std::function<bool(platform::WindowHandle)>& visit) override;
    std::string windowText(platform::WindowHandle, int bufferChars) override;

    platform::ProcessId processOf(platform::WindowHandle) override;
    std::string processExecutablePath(platform::ProcessId) override;

    bool postClose(platform::WindowHandle) override;
    bool minimise(platform::WindowHandle) override;
    bool show(platform::WindowHandle, platform::ShowCommand) override;
    bool move(platform::WindowHandle, platform::Rect, bool repaint) override;
    bool bringToTop(platform::WindowHandle) override;
    bool flash(platform::WindowHandle, bool invert) override;
    bool isMinimised(platform::WindowHandle) override;
    platform::Rect windowRect(platform::WindowHandle) override;

    platform::WindowHandle activeWindow() override;
    platform::Rect desktopRect() override;
    platform::Rect workArea() override;
    platform::VersionRecord version() override;
};

}  // namespace win
