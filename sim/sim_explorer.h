#pragma once
// The Explorer stand-in: a process "explorer.exe" whose folder windows look,
// from outside, like those of Windows XP (address edit box) or Windows 7
// (address toolbar), and which opens new windows when the shell asks it to.
#include <string>
#include <vector>

#include "sim/sim_clock.h"
#include "sim/sim_file_system.h"
#include "sim/sim_window_manager.h"

namespace sim {

enum class ExplorerStyle { Xp, Win7 };
enum class TitleMode { Name, FullPath };

struct ExplorerOptions {
    ExplorerStyle style = ExplorerStyle::Xp;
    TitleMode titleMode = TitleMode::Name;
    // XP's "display the full path in the address bar": off, the edit box shows the name.
    bool xpAddressShowsFullPath = true;
    // Passes of the message queue between a shell open and the new window.
    int openDelayPasses = 2;
};

class SimExplorer {
public:
    SimExplorer(SimWindowManager& windows, SimFileSystem& files, SimClock& clock);

    ExplorerOptions options;
    ProcessId process() const { return process_; }

    // A folder window shown at once, on top of the Z order. `path` is a folder
    // path, or "我的电脑"/"计算机" for the computer view.
    WindowHandle openFolder(const std::string& path, platform::ShowCommand show = platform::ShowCommand::ShowNormal);
    // A special view (Recycle Bin, Control Panel ...): its address shows only its name.
    WindowHandle openSpecialView(const std::string& name);
    // The shell's "open" of explorer.exe; returns false when the command line is not Explorer's.
    bool shellOpen(const std::string& parameters, platform::ShowCommand show);
    int opensRequested() const { return opensRequested_; }
    // The folder the last successful shell open showed, as its window shows it.
    const std::string& lastOpened() const { return lastOpened_; }
    // Explorer's reading of its command line: arguments split at commas outside quotes.
    static std::vector<std::string> commandLineArguments(const std::string& parameters);

    // Display name of a folder window: the last component, or the whole path for a root.
    static std::string displayName(const std::string& path);
    std::string computerName() const;

private:
    void buildAddressChain(WindowHandle top, const std::string& addressText);

    SimWindowManager& windows_;
    SimFileSystem& files_;
    SimClock& clock_;
    ProcessId process_;
    int opensRequested_ = 0;
    std::string lastOpened_;
};

}  // namespace sim
