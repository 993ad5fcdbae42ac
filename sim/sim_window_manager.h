#pragma once
// Simulated window manager: top-level windows in Z order, each with a tree of
// children, owned by simulated processes.
#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace sim {

using platform::ProcessId;
using platform::Rect;
using platform::WindowHandle;

enum class ShowState { Normal, Minimised, Maximised, Hidden };

struct SimWindow {
    WindowHandle handle = 0;
    WindowHandle parent = 0;
    std::vector<WindowHandle> children;
    std::string className;
    std::string title;  // GBK
    std::string text;   // what WM_GETTEXT answers for an edit box
    std::uint32_t style = 0;
    ProcessId process = 0;
    Rect rect{100, 100, 700, 500};
    ShowState state = ShowState::Normal;
    bool honoursClose = true;  // false: close requests are ignored (a hung window)
    bool refusesMove = false;  // MoveWindow fails
    int closeRequests = 0;
    int flashes = 0;
};

struct SimProcess {
    ProcessId id = 0;
    std::string executablePath;  // GBK
    bool accessDenied = false;
};

class SimWindowManager : public platform::Desktop {
public:
    // --- set-up and inspection, for the simulation and tests ---
    ProcessId addProcess(const std::string& executablePath, bool accessDenied = false);
    SimProcess& process(ProcessId id) { return processes_.at(id); }
    // A new top-level window on top of the Z order.
    WindowHandle createTopLevel(ProcessId, const std::string& className, const std::string& title,
                                std::uint32_t style);
    WindowHandle createChild(WindowHandle parent, const std::string& className, const std::string& title,
                             const std::string& text = std::string());
    void destroy(WindowHandle);  // with its children
    bool exists(WindowHandle h) const { return windows_.count(h) != 0; }
    SimWindow& window(WindowHandle h) { return windows_.at(h); }
    const std::vector<WindowHandle>& zOrder() const { return zOrder_; }
    WindowHandle findByTitle(const std::string& title) const;  // topmost first, 0 if none
    void setActive(WindowHandle h) { active_ = h; }
    void setScreen(Rect desktop, Rect workArea) { desktop_ = desktop, workArea_ = workArea; }
    void setVersion(const platform::VersionRecord& v) { version_ = v; }
    // Close requests wait here until the owning process next handles its queue.
    void deliverCloseRequests();
    int executablePathLookups() const { return pathLookups_; }
    // Called with the handle whenever a window is destroyed.
    std::function<void(WindowHandle)> onDestroyed;

    // --- Desktop ---
    std::vector<WindowHandle> topLevelWindowsInZOrder() override { return zOrder_; }
    bool isWindow(WindowHandle h) override { return exists(h); }
    std::uint32_t style(WindowHandle) override;
    std::string title(WindowHandle, int bufferChars) override;
    std::string className(WindowHandle, int bufferChars) override;
    void forEachDescendant(WindowHandle, const std::function<bool(WindowHandle)>& visit) override;
    std::string windowText(WindowHandle, int bufferChars) override;
    ProcessId processOf(WindowHandle) override;
    std::string processExecutablePath(ProcessId) override;
    bool postClose(WindowHandle) override;
    bool minimise(WindowHandle) override;
    bool show(WindowHandle, platform::ShowCommand) override;
    bool move(WindowHandle, Rect, bool repaint) override;
    bool bringToTop(WindowHandle) override;
    bool flash(WindowHandle, bool invert) override;
    bool isMinimised(WindowHandle) override;
    Rect windowRect(WindowHandle) override;
    WindowHandle activeWindow() override { return exists(active_) ? active_ : 0; }
    Rect desktopRect() override { return desktop_; }
    Rect workArea() override { return workArea_; }
    platform::VersionRecord version() override { return version_; }

private:
    void raise(WindowHandle);
    bool visitDescendants(WindowHandle, const std::function<bool(WindowHandle)>& visit);

    std::map<WindowHandle, SimWindow> windows_;
    std::vector<WindowHandle> zOrder_;
    std::map<ProcessId, SimProcess> processes_;
    std::vector<WindowHandle> pendingCloses_;
    WindowHandle nextHandle_ = 0x10010;
    ProcessId nextProcess_ = 1000;
    WindowHandle active_ = 0;
    Rect desktop_{0, 0, 1024, 768};
    Rect workArea_{0, 0, 1024, 738};
    platform::VersionRecord version_;
    int pathLookups_ = 0;
};

}  // namespace sim
