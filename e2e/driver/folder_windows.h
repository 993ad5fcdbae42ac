#pragma once
// Folder windows on the test desktop: those of the stand-in Explorer.exe beside the program
// (opened by a test, or by the program when it re-opens a folder) and those of Wine's own
// explorer.exe.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The last component of a folder path: what Explorer shows as the folder's name.
std::wstring displayNameOf(const std::wstring& path);

// Opens `path` in a new stand-in folder window ("/n,<path>") and waits for it; null on failure.
// The window is not tied to the caller: closeAllFolderWindows() ends it with the others.
HWND openFolderWindow(const std::wstring& path, int showCommand = SW_SHOWNORMAL);

// Opens every path in a window of ONE stand-in process, as real Explorer holds all its folder
// windows ("/folders,<list file>"), and waits for all of them; the windows in the order given,
// or an empty list when any of them did not come.
std::vector<HWND> openFolderWindowsInOneProcess(const std::vector<std::wstring>& paths);

// Wine's own Explorer showing `path` ("/root,<path>"); null when no window came.
HWND openWineExplorerWindow(const std::wstring& path);

// Top-level folder windows of the stand-in, topmost first.
std::vector<HWND> standInWindows();
// The stand-in window with this title; null when there is none.
HWND findStandInWindow(const std::wstring& title);
// The window's address as Explorer 7 shows it ("地址: " + path), read from its address toolbar.
std::wstring standInAddress(HWND window);

// Top-level windows of Wine's explorer.exe browsing folders (class ExplorerWClass).
std::vector<HWND> wineExplorerWindows();

// Asks every folder window of both kinds to close, waits, and ends the processes of those that
// stay. Returns true when none was left standing.
bool closeAllFolderWindows(DWORD timeoutMilliseconds = 5000);

// Launches of the stand-in recorded in Explorer.log since it was last cleared: one line each,
// "<show command>\t<arguments>\t<outcome>".
std::vector<std::wstring> standInLaunches();
void clearStandInLaunches();

}  // namespace e2e
