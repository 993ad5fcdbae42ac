#include "screen_pixels.h"

#include <map>
#include <memory>
#include <type_traits>

namespace e2e {
namespace {

struct ScreenDcRelease {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct DcDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDelete {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcRelease>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDelete>;
using GdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, ObjectDelete>;

}  // namespace

ScreenPixels capturePixels(const RECT& area) {
    ScreenPixels result;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return result;
    ScreenDc screen(GetDC(nullptr));
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!screen || !memory) return result;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return result;
    const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
    const bool copied = BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(memory.get(), previous);
    if (!copied) return result;
    const auto* source = static_cast<const DWORD*>(bits);
    result.width = width;
    result.height = height;
    result.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int i = 0; i < width * height; ++i) {
        const DWORD bgrx = source[i];
        result.pixels.push_back(RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF));
    }
    return result;
}

int pixelsOffBackground(const ScreenPixels& area) {
    std::map<COLORREF, int> counts;
    for (COLORREF pixel : area.pixels) ++counts[pixel];
    int most = 0;
    for (const auto& entry : counts) most = entry.second > most ? entry.second : most;
    return static_cast<int>(area.pixels.size()) - most;
}

}  // namespace e2e
