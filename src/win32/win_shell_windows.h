#pragma once
// The shell's list of its open folder windows (the Shell Windows collection),
// read through the interfaces the SDK documents for it.
#include "platform/shell_windows.h"

namespace win {

class WinShellWindows : public platform::ShellWindows {
public:
    WinShellWindows();
    ~WinShellWindows() override;
    WinShellWindows(const WinShellWindows&) = delete;
    WinShellWindows& operator=(const WinShellWindows&) = delete;

    bool folderWindows(std::vector<platform::ShellFolderWindow>& windows) override;

private:
    bool comReady_ = false;  // this thread's apartment, entered by the constructor
};

}  // namespace win
