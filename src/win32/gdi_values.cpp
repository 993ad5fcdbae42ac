#include "win32/gdi_values.h"

#include <cwchar>

#include "win32/wide_text.h"

namespace win {
namespace {

int screenPixelsPerInch() {
    WindowDC screen(nullptr);
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

void copyFace(LOGFONTW& font, const std::wstring& face) {
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    font.lfFaceName[LF_FACESIZE - 1] = L'\0';
}

}  // namespace

COLORREF colourOf(std::uint32_t formColour) {
    if ((formColour & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(formColour & 0xFFu));
    return static_cast<COLORREF>(formColour & 0x00FFFFFFu);
}

LOGFONTW logFontOf(const platform::FontChoice& font) {
    LOGFONTW log{};
    log.lfHeight = -MulDiv(font.size, screenPixelsPerInch(), 72);
    log.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    log.lfItalic = font.italic ? TRUE : FALSE;
    log.lfUnderline = font.underline ? TRUE : FALSE;
    log.lfStrikeOut = font.strikeOut ? TRUE : FALSE;
    log.lfCharSet = static_cast<BYTE>(font.charset);
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    copyFace(log, wide(font.name));
    return log;
}

platform::FontChoice fontChoiceOf(const LOGFONTW& log, COLORREF colour) {
    platform::FontChoice font;
    font.name = gbk(std::wstring(log.lfFaceName, wcsnlen(log.lfFaceName, LF_FACESIZE)));
    const int height = log.lfHeight < 0 ? -log.lfHeight : log.lfHeight;
    font.size = MulDiv(height, 72, screenPixelsPerInch());
    font.color = static_cast<std::uint32_t>(colour);
    font.bold = log.lfWeight >= FW_BOLD;
    font.italic = log.lfItalic != FALSE;
    font.underline = log.lfUnderline != FALSE;
    font.strikeOut = log.lfStrikeOut != FALSE;
    font.charset = log.lfCharSet;
    return font;
}

Font createFont(const platform::FontChoice& font) {
    const LOGFONTW log = logFontOf(font);
    return Font(CreateFontIndirectW(&log));
}

Font createPixelFont(const wchar_t* face, int pixels, bool bold, bool italic) {
    LOGFONTW log{};
    log.lfHeight = -pixels;
    log.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    log.lfItalic = italic ? TRUE : FALSE;
    log.lfCharSet = DEFAULT_CHARSET;
    copyFace(log, face);
    return Font(CreateFontIndirectW(&log));
}

}  // namespace win
