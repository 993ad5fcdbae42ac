#pragma once
// Simulated window manager: top-level windows in Z order, each with a tree of
// children, owned by simulated processes.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace sim {

using platform::ProcessId;
using platform::Rect;
using platform::WindowHandle;

enum class ShowState { Normal, Minimised, Maximised, Hidden };

// A walk over thousands of windows reads the handle, style, class name and
// children of each: they come first, so that one cache line holds them.
struct alignas(64) SimWindow {
    WindowHandle handle = 0;
    ShowState state = ShowState::Normal;
    std::uint32_t style = 0;
    ProcessId process = 0;
    std::string className;
    std::vector<WindowHandle> children;
    WindowHandle parent = 0;
    std::string title;  // GBK
    std::string text;   // what WM_GETTEXT answers for an edit box
    Rect rect{100, 100, 700, 500};
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
    WindowHandle createTopLevel(ProcessId, const std::string& className, const std::string& title, std::uint32_t style);
    WindowHandle createChild(WindowHandle parent, const std::string& className, const std::string& title,
                             const std::string& text = std::string());
    void destroy(WindowHandle);  // with its children
    bool exists(WindowHandle h) const { return find(h) != nullptr; }
    SimWindow& window(WindowHandle h);  // throws std::out_of_range for a window that does not exist
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
    SimWindow* find(WindowHandle h);
    const SimWindow* find(WindowHandle h) const;
    WindowHandle newWindow(SimWindow w);

    // Every window ever created, in creation order: handle kFirstHandle + 2i lives in
    // slot i. Handles are never reused, so a destroyed window leaves an empty slot
    // (handle 0). A desktop of thousands of Explorer windows is looked up on every
    // call; slots make that arithmetic, keep a window next to its children, and
    // never move, so references to windows stay valid.
    static constexpr WindowHandle kFirstHandle = 0x10010;
    static constexpr std::size_t kSlotsPerChunk = 256;
    std::vector<std::unique_ptr<SimWindow[]>> chunks_;
    std::size_t slotCount_ = 0;
    std::vector<WindowHandle> zOrder_;
    std::map<ProcessId, SimProcess> processes_;
    std::vector<WindowHandle> pendingCloses_;
    ProcessId nextProcess_ = 1000;
    WindowHandle active_ = 0;
    Rect desktop_{0, 0, 1024, 768};
    Rect workArea_{0, 0, 1024, 738};
    platform::VersionRecord version_;
    int pathLookups_ = 0;
};

}  // namespace sim
