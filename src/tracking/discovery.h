#pragma once
// Finding the Explorer folder windows and the folders they show.
#include <string>

#include "state/form1.h"

namespace folvaric {

// Rebuilds the window table from the top-level windows (not the list); true
// when at least one Explorer window was found. Windows of other programs are
// minimised or restored on the way when asked.
bool enumerateExplorerWindows(Form1& f, bool minimiseOthers, bool restoreOthers);
// Executable path of the process owning the window, or empty.
std::string getWindowExePath(Form1& f, WindowHandle h);
// The hidden menu item's handler: the address scan of the selected entry's window,
// recording an unreadable address as the walk does.
void rescanSelectedAddress(Form1& f);
// First qualifying top-level window, from the top, with exactly this title; 0 if none.
WindowHandle findWindowByTitle(Form1& f, const std::string& title);
unsigned char detectOsVersion(Form1& f);
// The generation of Windows the version record names; see WindowsGeneration.
WindowsGeneration windowsGenerationOf(const platform::VersionRecord& v);
void detectWindowsGeneration(Form1& f);

}  // namespace folvaric
