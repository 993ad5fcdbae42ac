#pragma once
// Identifiers of the main window's controls and of its own posted messages.
#include <windows.h>

namespace win {
namespace main_window_ids {

constexpr int kList = 100;
constexpr int kStatus = 101;
constexpr int kLabel = 102;
constexpr int kToolBar = 103;
constexpr int kPanel = 104;
constexpr int kFirstButton = 110;

constexpr UINT kRebuildMenus = WM_APP + 1;  // the menu bar follows the model
constexpr UINT kLeftMinimised = WM_APP + 2;  // the restore event, when Windows restored the window
constexpr UINT kRunFormShow = WM_APP + 3;    // FormShow, once the window is on screen

constexpr UINT_PTR kCloseRetryTimer = 1;  // a close request waiting for start-up or a refresh
constexpr UINT kCloseRetryMs = 100;

}  // namespace main_window_ids
}  // namespace win
