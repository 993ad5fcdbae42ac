#pragma once
// The drawing surface the painted controls paint on. Two implementations: the GDI canvas of a
// window's device context on Windows, and an in-memory raster that tests read pixel by pixel.
//
// Coordinates follow GDI: rectangles exclude their right and bottom edges, lines exclude their
// end point. Texts are GBK. Text is always drawn with a clear background.
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "controls/bitmap.h"
#include "controls/color.h"
#include "platform/dialogs.h"

namespace controls {

// Same order and meaning as the framework's pen styles.
enum class PenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The font as the forms keep it: face name, size in points, colour and style flags. A canvas
// turns the size into pixels at its own resolution.
using Font = platform::FontChoice;

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

struct Size {
    int width = 0;
    int height = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // A system colour replaced by its current value; plain colours unchanged.
    virtual Color toRgb(Color c) const = 0;
    // The closest colour the device can show.
    virtual Color nearestColor(Color rgbColor) = 0;

    // Pen of the outline and line operations; brush of the inside of rectangle and roundRect.
    void setPen(Color c, int width = 1, PenStyle style = PenStyle::psSolid) { choosePen(c, width, style); }
    virtual void setBrush(Color c) = 0;
    virtual void setBrushClear() = 0;

    // Fills and frames in a colour of their own; the current pen and brush stay as they are.
    virtual void fillRect(const Rect& r, Color c) = 0;
    virtual void frameRect(const Rect& r, Color c) = 0;

    virtual void rectangle(const Rect& r) = 0;
    virtual void roundRect(const Rect& r, int ellipseWidth, int ellipseHeight) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;

    virtual void setFont(const Font& f) = 0;
    virtual const Font& font() const = 0;
    // Size of the text as written: an "&" is measured like any other character.
    virtual Size textExtent(const std::string& text) = 0;
    // The text as written, top-left at (x, y), in the font's colour.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    // One line placed in `r`; "&x" underlines x and "&&" stands for "&".
    virtual void drawText(const Rect& r, const std::string& text, HAlign h, VAlign v) = 0;

    virtual Color pixel(int x, int y) const = 0;
    virtual void setPixel(int x, int y, Color c) = 0;
    // The `source` part of `picture` with its top-left at (x, y); pixels of the transparent colour
    // are left out.
    virtual void drawBitmap(int x, int y, const Bitmap& picture, const Rect& source,
                            std::optional<Color> transparent) = 0;
    // The dotted focus frame, drawn by inverting pixels (drawing it twice removes it).
    virtual void drawFocusRect(const Rect& r) = 0;

protected:
    virtual void choosePen(Color c, int width, PenStyle style) = 0;

public:
    void polyline(std::initializer_list<std::pair<int, int>> points) {
        bool first = true;
        for (const auto& [x, y] : points) {
            if (first) {
                moveTo(x, y);
                first = false;
            } else {
                lineTo(x, y);
            }
        }
    }
};

}  // namespace controls
