#pragma once
#include <string>

#include "state/form1.h"
#include "tracking/capacity_notice.h"

namespace folvaric {

constexpr int kTitleBuffer = 255;

// A top-level window that counts as an application's main window: every bit of
// the main-window style mask set.
bool hasMainWindowStyle(Form1& f, WindowHandle h);

// The row name of an Explorer window: its title, or the last component of the
// folder the title names (the whole title for a drive root).
std::string displayNameFromTitle(Form1& f, const std::string& title);

struct WalkResult {
    bool found = false;     // at least one Explorer window
    int resolvedPaths = 0;  // windows whose folder path was read (the computer view not counted)
};

// The walk behind enumerateExplorerWindows, telling a full table through the
// caller's notice so that one operation shows the capacity box only once.
WalkResult walkExplorerWindows(Form1& f, bool minimiseOthers, bool restoreOthers, CapacityNotice& notice);

}  // namespace folvaric
