#pragma once
// The shell's own list of its open folder windows. Explorer keeps it for every
// folder window and, where a window holds several folders as tabs, for every tab;
// it tells a window's folder without looking into the window's children.
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform {

// The parsing name the shell gives the computer view, reported in place of a path.
constexpr const char* kComputerViewParsingName = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

struct ShellFolderWindow {
    WindowHandle window = 0;  // the top-level folder window
    // The folder of the active view: a file-system path (GBK), the computer view's
    // parsing name, or the display name of a view that has no path ("回收站").
    std::string activeFolder;
    // The folders of the window's other tabs, left to right, in the same forms.
    std::vector<std::string> otherFolders;
};

class ShellWindows {
public:
    virtual ~ShellWindows() = default;
    // Every folder window the shell lists, one entry per window; false (and no
    // entry) when the shell cannot tell, as when it does not implement the list.
    virtual bool folderWindows(std::vector<ShellFolderWindow>& windows) = 0;
};

}  // namespace platform
