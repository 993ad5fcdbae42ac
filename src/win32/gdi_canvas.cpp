#include "win32/gdi_canvas.h"

#include <cstdint>
#include <vector>

#include "win32/gdi_values.h"
#include "win32/wide_text.h"

namespace win {

namespace {

using controls::Color;

RECT rectOf(const controls::Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

int penStyleOf(controls::PenStyle s) {
    switch (s) {
        case controls::PenStyle::psDash:
            return PS_DASH;
        case controls::PenStyle::psDot:
            return PS_DOT;
        case controls::PenStyle::psDashDot:
            return PS_DASHDOT;
        case controls::PenStyle::psDashDotDot:
            return PS_DASHDOTDOT;
        case controls::PenStyle::psClear:
            return PS_NULL;
        case controls::PenStyle::psInsideFrame:
            return PS_INSIDEFRAME;
        default:
            return PS_SOLID;
    }
}

// A 32-bit top-down DIB section of the given size; `bits` receives its pixels.
OwnedBitmap dibSection(HDC like, int width, int height, std::uint32_t*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    OwnedBitmap bitmap(CreateDIBSection(like, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
    bits = static_cast<std::uint32_t*>(memory);
    return bitmap;
}

// 0x00BBGGRR as a DIB pixel, 0x00RRGGBB.
std::uint32_t dibPixel(Color c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

}  // namespace

GdiCanvas::GdiCanvas(HDC dc)
    : dc_(dc),
      savedState_(SaveDC(dc)),
      penGuard_(dc, GetStockObject(BLACK_PEN)),
      brushGuard_(dc, GetStockObject(WHITE_BRUSH)),
      fontGuard_(dc, GetStockObject(DEFAULT_GUI_FONT)) {
    SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
    if (savedState_ != 0) RestoreDC(dc_, savedState_);
}

Color GdiCanvas::toRgb(Color c) const {
    if (controls::isSystemColor(c)) return GetSysColor(controls::systemColorIndex(c)) & 0xFFFFFF;
    return c & 0xFFFFFF;
}

Color GdiCanvas::nearestColor(Color rgbColor) {
    const COLORREF nearest = GetNearestColor(dc_, rgbColor & 0xFFFFFF);
    return nearest == CLR_INVALID ? (rgbColor & 0xFFFFFF) : nearest;
}

void GdiCanvas::choosePen(Color c, int width, controls::PenStyle style) {
    Pen next(CreatePen(penStyleOf(style), width, toRgb(c)));
    if (!next) return;
    SelectObject(dc_, next.get());
    pen_ = std::move(next);  // the previous pen is no longer selected: delete it
}

void GdiCanvas::setBrush(Color c) {
    Brush next(CreateSolidBrush(toRgb(c)));
    if (!next) return;
    SelectObject(dc_, next.get());
    brush_ = std::move(next);
}

void GdiCanvas::setBrushClear() {
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
    brush_.reset();
}

void GdiCanvas::fillRect(const controls::Rect& r, Color c) {
    Brush brush(CreateSolidBrush(toRgb(c)));
    const RECT area = rectOf(r);
    if (brush) FillRect(dc_, &area, brush.get());
}

void GdiCanvas::frameRect(const controls::Rect& r, Color c) {
    Brush brush(CreateSolidBrush(toRgb(c)));
    const RECT area = rectOf(r);
    if (brush) FrameRect(dc_, &area, brush.get());
}

void GdiCanvas::rectangle(const controls::Rect& r) {
    Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void GdiCanvas::roundRect(const controls::Rect& r, int ellipseWidth, int ellipseHeight) {
    RoundRect(dc_, r.left, r.top, r.right, r.bottom, ellipseWidth, ellipseHeight);
}

void GdiCanvas::moveTo(int x, int y) {
    MoveToEx(dc_, x, y, nullptr);
}

void GdiCanvas::lineTo(int x, int y) {
    LineTo(dc_, x, y);
}

void GdiCanvas::setFont(const controls::Font& f) {
    controls::Font sameColour = fontModel_;
    sameColour.color = f.color;
    if (!fontMade_ || !(sameColour == f)) {
        Font next = createFont(f);
        if (next) {
            SelectObject(dc_, next.get());
            font_ = std::move(next);
            fontMade_ = true;
        }
    }
    fontModel_ = f;
    SetTextColor(dc_, toRgb(f.color));
}

controls::Size GdiCanvas::textExtent(const std::string& text) {
    const std::wstring w = wide(text);
    if (w.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        return {0, metrics.tmHeight};
    }
    SIZE size{};
    GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
    return {size.cx, size.cy};
}

void GdiCanvas::textOut(int x, int y, const std::string& text) {
    const std::wstring w = wide(text);
    TextOutW(dc_, x, y, w.c_str(), static_cast<int>(w.size()));
}

void GdiCanvas::drawText(const controls::Rect& r, const std::string& text, controls::HAlign h,
                         controls::VAlign v) {
    std::wstring w = wide(text);
    RECT area = rectOf(r);
    UINT format = DT_SINGLELINE | DT_NOCLIP;
    format |= h == controls::HAlign::Centre ? DT_CENTER : (h == controls::HAlign::Right ? DT_RIGHT : DT_LEFT);
    format |=
        v == controls::VAlign::Centre ? DT_VCENTER : (v == controls::VAlign::Bottom ? DT_BOTTOM : DT_TOP);
    DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &area, format);
}

Color GdiCanvas::pixel(int x, int y) const {
    const COLORREF c = GetPixel(dc_, x, y);
    return c == CLR_INVALID ? 0 : (c & 0xFFFFFF);
}

void GdiCanvas::setPixel(int x, int y, Color c) {
    SetPixelV(dc_, x, y, toRgb(c));
}

void GdiCanvas::drawBitmap(int x, int y, const controls::Bitmap& picture, const controls::Rect& source,
                           std::optional<Color> transparent) {
    const controls::Bitmap part = picture.crop(source);
    if (part.empty()) return;
    const int w = part.width();
    const int h = part.height();
    x += source.left < 0 ? -source.left : 0;
    y += source.top < 0 ? -source.top : 0;

    MemoryDC memory(dc_);
    std::uint32_t* colourBits = nullptr;
    OwnedBitmap colour = dibSection(dc_, w, h, colourBits);
    if (memory.get() == nullptr || !colour || colourBits == nullptr) return;
    if (!transparent) {
        for (int py = 0; py < h; ++py) {
            for (int px = 0; px < w; ++px) colourBits[py * w + px] = dibPixel(part.at(px, py));
        }
        SelectGuard select(memory.get(), colour.get());
        BitBlt(dc_, x, y, w, h, memory.get(), 0, 0, SRCCOPY);
        return;
    }

    const Color key = *transparent & 0xFFFFFF;
    // Transparent pixels: white in the mask (AND keeps the target) and black in the colour
    // picture (OR adds nothing); the others the other way round.
    std::uint32_t* maskBits = nullptr;
    OwnedBitmap mask = dibSection(dc_, w, h, maskBits);
    if (!mask || maskBits == nullptr) return;
    for (int py = 0; py < h; ++py) {
        for (int px = 0; px < w; ++px) {
            const Color c = part.at(px, py);
            const bool see = c != key;
            maskBits[py * w + px] = see ? 0x000000 : 0xFFFFFF;
            colourBits[py * w + px] = see ? dibPixel(c) : 0x000000;
        }
    }
    GdiFlush();
    {
        SelectGuard select(memory.get(), mask.get());
        BitBlt(dc_, x, y, w, h, memory.get(), 0, 0, SRCAND);
    }
    SelectGuard select(memory.get(), colour.get());
    BitBlt(dc_, x, y, w, h, memory.get(), 0, 0, SRCPAINT);
}

void GdiCanvas::drawFocusRect(const controls::Rect& r) {
    // The dots invert what is there only with black text on a white background.
    const COLORREF text = SetTextColor(dc_, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc_, RGB(255, 255, 255));
    const RECT area = rectOf(r);
    DrawFocusRect(dc_, &area);
    SetTextColor(dc_, text);
    SetBkColor(dc_, back);
}

}  // namespace win
