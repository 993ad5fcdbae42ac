#pragma once
// The controls' canvas on a GDI device context (a window's paint DC or a memory DC). Every GDI
// object it creates is owned by a handle wrapper; whatever the DC had selected before is put back
// when the canvas goes, before its own objects are deleted.
#include <windows.h>

#include "controls/canvas.h"
#include "win32/win_handles.h"

namespace win {

class GdiCanvas final : public controls::Canvas {
public:
    explicit GdiCanvas(HDC dc);  // the DC stays the caller's
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    HDC dc() const { return dc_; }

    controls::Color toRgb(controls::Color c) const override;
    controls::Color nearestColor(controls::Color rgbColor) override;
    void setBrush(controls::Color c) override;
    void setBrushClear() override;
    void fillRect(const controls::Rect& r, controls::Color c) override;
    void frameRect(const controls::Rect& r, controls::Color c) override;
    void rectangle(const controls::Rect& r) override;
    void roundRect(const controls::Rect& r, int ellipseWidth, int ellipseHeight) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setFont(const controls::Font& f) override;
    const controls::Font& font() const override { return fontModel_; }
    controls::Size textExtent(const std::string& text) override;
    void textOut(int x, int y, const std::string& text) override;
    void drawText(const controls::Rect& r, const std::string& text, controls::HAlign h,
                  controls::VAlign v) override;
    controls::Color pixel(int x, int y) const override;
    void setPixel(int x, int y, controls::Color c) override;
    void drawBitmap(int x, int y, const controls::Bitmap& picture, const controls::Rect& source,
                    std::optional<controls::Color> transparent) override;
    void drawFocusRect(const controls::Rect& r) override;

protected:
    void choosePen(controls::Color c, int width, controls::PenStyle style) override;

private:
    HDC dc_;
    int savedState_;
    // Declared before the guards: the guards put the DC's own objects back first, then these go.
    Pen pen_;
    Brush brush_;
    Font font_;
    SelectGuard penGuard_;
    SelectGuard brushGuard_;
    SelectGuard fontGuard_;
    controls::Font fontModel_;
    bool fontMade_ = false;
};

// A memory device context, deleted at the end of the scope.
class MemoryDC {
public:
    explicit MemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDC() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

using OwnedBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;

}  // namespace win
