#pragma once
// Input as a user gives it: the X server's pointer and keyboard, moved by xdotool in the e2e
// runner, so that Wine sees the same events a person would cause. Without the runner (the
// driver started by hand inside a Wine session) SendInput stands in.
#include <windows.h>

#include <string>

namespace e2e {

enum class MouseButton { Left = 1, Middle = 2, Right = 3 };

POINT centreOf(const RECT& rect);

// Moves the pointer to a screen point and clicks there. Two clicks at the same point are kept
// further apart than the double-click time, so that they stay two single clicks.
bool clickAt(POINT screen, MouseButton button = MouseButton::Left);
bool clickCentre(HWND window, MouseButton button = MouseButton::Left);

// Clicks `target` at a screen point, after making sure that nothing covers it there: a tool tip
// that popped up under the pointer would take the click for itself. When something does, the
// pointer is moved off to the screen's corner (which sends tool tips away) and the click waits.
bool clickOn(HWND target, POINT at, MouseButton button = MouseButton::Left);

// A click with the button held down for a moment between press and release.
bool slowClickAt(POINT screen, MouseButton button = MouseButton::Left);

// Two quick clicks of the left button at one point.
bool doubleClickAt(POINT screen);

// Presses the left button at `from`, moves with it held in a few steps and lets go at `to`.
bool dragFromTo(POINT from, POINT to);

// Moves the pointer without clicking (hover).
bool movePointer(POINT screen);

// Presses keys by their X names, as `xdotool key` takes them ("Return", "space", "shift+Tab").
bool pressKeys(const std::string& keys);

}  // namespace e2e
