#pragma once
// A whole simulated Windows desktop behind the platform interfaces: windows,
// processes, an Explorer, a disk, a clock, and the recorded dialogs and sounds.
// Tests set it up as a user's desktop, run the program's handlers on it, and
// read the outcome from its state.
#include <string>

#include "platform/platform.h"
#include "sim/sim_clock.h"
#include "sim/sim_explorer.h"
#include "sim/sim_file_system.h"
#include "sim/sim_services.h"
#include "sim/sim_window_manager.h"

namespace sim {

class SimDesktop {
public:
    explicit SimDesktop(const std::string& programPath = "C:\\Folvaric\\Folvaric.exe");
    SimDesktop(const SimDesktop&) = delete;
    SimDesktop& operator=(const SimDesktop&) = delete;

    SimWindowManager windows;
    SimFileSystem files;
    SimClock clock;
    SimExplorer explorer;
    SimShell shell;
    SimDialogs dialogs;
    SimClipboard clipboard;
    SimSound sound;
    SimApplication app;

    platform::Platform platform();

    // A folder window of the stand-in Explorer, opened by the user; the folder
    // is created on the disk when missing.
    WindowHandle openExplorerWindow(const std::string& path);
    // A main window of some other program.
    WindowHandle openAppWindow(const std::string& title, const std::string& executablePath,
                               std::uint32_t style = kAppStyle);
    // Gone from outside the program (closed by the user, Explorer crashed ...).
    void closeWindow(WindowHandle h) { windows.destroy(h); }
    SimWindow& window(WindowHandle h) { return windows.window(h); }
    WindowHandle findByTitle(const std::string& title) const { return windows.findByTitle(title); }
    void setScreen(int width, int height, int taskBarHeight = 30);

    static constexpr std::uint32_t kAppStyle = platform::style::OverlappedWindow | platform::style::Visible |
                                               platform::style::ClipSiblings;
};

}  // namespace sim
