#pragma once
// The forms' colour and font values turned into GDI ones and back.
#include <windows.h>

#include <cstdint>

#include "platform/dialogs.h"
#include "win32/win_handles.h"

namespace win {

// 0x00BBGGRR as it is; 0xFF0000nn is system colour nn.
COLORREF colourOf(std::uint32_t formColour);

// Sizes in points become pixel heights at the screen's resolution.
LOGFONTW logFontOf(const platform::FontChoice& font);
platform::FontChoice fontChoiceOf(const LOGFONTW& font, COLORREF colour);
Font createFont(const platform::FontChoice& font);
// A face given by its pixel height, for the controls whose design gives pixels.
Font createPixelFont(const wchar_t* face, int pixels, bool bold = false, bool italic = false);

}  // namespace win
