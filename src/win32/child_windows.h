#pragma once
// Creating the main window's child controls and keeping them where their models say.
#include <windows.h>

#include <string>

#include "controls/control.h"

namespace win {

HWND createChild(HINSTANCE instance, HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                 DWORD exStyle, int id, const controls::Bounds& bounds);

// Bounds, enabled state and visibility of the model, on the real window.
void mirrorPlacement(HWND window, const controls::Control& model);

// A plain child window class that paints itself in one colour and passes the notifications of
// its own children (buttons) on to its parent, so the main window hears every control.
// `colour` is read at every paint through the window's GWLP_USERDATA (a COLORREF value).
void registerPlainPanelClass(HINSTANCE instance);
extern const wchar_t kPlainPanelClass[];
void setPanelColour(HWND panel, COLORREF colour, bool raisedEdge);

}  // namespace win
