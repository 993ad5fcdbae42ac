#pragma once
// The Explorer stand-in: a process "explorer.exe" whose folder windows look,
// from outside, like those of Windows XP (address edit box), Windows 7
// (address toolbar) or Windows 11 (a header of its own, no address control,
// folders as tabs), which opens new windows when the shell asks it to and
// keeps the shell's list of its folder windows.
#include <map>
#include <string>
#include <vector>

#include "platform/shell_windows.h"
#include "sim/sim_clock.h"
#include "sim/sim_file_system.h"
#include "sim/sim_window_manager.h"

namespace sim {

enum class ExplorerStyle { Xp, Win7, Win11 };
enum class TitleMode { Name, FullPath };

struct ExplorerOptions {
    ExplorerStyle style = ExplorerStyle::Xp;
    TitleMode titleMode = TitleMode::Name;
    // XP's "display the full path in the address bar": off, the edit box shows the name.
    bool xpAddressShowsFullPath = true;
    // Passes of the message queue between a shell open and the new window.
    int openDelayPasses = 2;
    // Appended to every title (Windows 11 names the program after the folder).
    std::string titleSuffix;
    // false: the shell's window list answers "not implemented", as under Wine.
    bool shellListWorks = true;
};

class SimExplorer : public platform::ShellWindows {
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

    // A new tab in a Windows 11-style window, showing `path` and made the active one.
    void openTab(WindowHandle window, const std::string& path);
    void selectTab(WindowHandle window, std::size_t index);
    // The shell's window list; each call is counted.
    bool folderWindows(std::vector<platform::ShellFolderWindow>& windows) override;
    int shellListQueries() const { return shellListQueries_; }

    // Display name of a folder window: the last component, or the whole path for a root.
    static std::string displayName(const std::string& path);
    std::string computerName() const;

private:
    struct Tabs {
        std::vector<std::string> folders;  // as the shell list reports them
        std::vector<WindowHandle> views;   // the tab windows (Windows 11 style only)
        std::size_t active = 0;
    };
    void buildAddressChain(WindowHandle top, const std::string& addressText);
    void addTabView(WindowHandle top, Tabs& tabs);
    std::string titleFor(const std::string& path) const;
    std::string shellFolderOf(const std::string& path) const;

    SimWindowManager& windows_;
    SimFileSystem& files_;
    SimClock& clock_;
    ProcessId process_;
    int opensRequested_ = 0;
    std::string lastOpened_;
    int shellListQueries_ = 0;
    std::map<WindowHandle, Tabs> tabs_;
};

}  // namespace sim
