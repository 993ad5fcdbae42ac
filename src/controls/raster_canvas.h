#pragma once
// An in-memory RGB canvas for tests and snapshots. It paints what GDI paints for the operations
// the controls use, with two simplifications that keep pixel tests readable:
//
// Text metric: every character is a cell as high as the font's pixel height at 96 dots per inch
// (size in points x 96 / 72, rounded; 13 when the size is not positive); a single-byte character is half that
// wide (at least 1 pixel), a GBK double-byte character twice as wide as a single-byte one. Bold and italic do
// not change the size. Text marks: a blank character paints nothing; any other character paints a box inside
// its cell, one pixel in from each side, in the font colour: an outline for a regular font, filled for a bold
// one. An underline (font or access key) is the bottom row of the cell. Every text drawn is also recorded as
// a TextRun with its position, text and font.
//
// System colours resolve through the classic Windows scheme (button face 212,208,200; shadow
// grey 128; highlight white; window text black).
#include <string>
#include <vector>

#include "controls/canvas.h"

namespace controls {

class RasterCanvas final : public Canvas {
public:
    RasterCanvas(int width, int height, Color background = colors::clWhite);

    static int cellHeight(const Font& f);
    static int singleByteWidth(const Font& f);
    static Color systemColor(int index);

    struct TextRun {
        int x = 0;
        int y = 0;
        std::string text;  // as displayed: access-key marks already removed
        Font font;
    };

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const Bitmap& image() const { return image_; }
    const std::vector<TextRun>& textRuns() const { return runs_; }
    // The picture as a binary PPM (P6) file.
    std::string toPpm() const;

    Color toRgb(Color c) const override;
    Color nearestColor(Color rgbColor) override { return rgbColor & 0xFFFFFF; }
    void setBrush(Color c) override;
    void setBrushClear() override { brushClear_ = true; }
    void fillRect(const Rect& r, Color c) override;
    void frameRect(const Rect& r, Color c) override;
    void rectangle(const Rect& r) override;
    void roundRect(const Rect& r, int ellipseWidth, int ellipseHeight) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setFont(const Font& f) override { font_ = f; }
    const Font& font() const override { return font_; }
    Size textExtent(const std::string& text) override;
    void textOut(int x, int y, const std::string& text) override;
    void drawText(const Rect& r, const std::string& text, HAlign h, VAlign v) override;
    Color pixel(int x, int y) const override { return image_.at(x, y); }
    void setPixel(int x, int y, Color c) override { image_.set(x, y, toRgb(c)); }
    void drawBitmap(int x, int y, const Bitmap& picture, const Rect& source,
                    std::optional<Color> transparent) override;
    void drawFocusRect(const Rect& r) override;

protected:
    void choosePen(Color c, int width, PenStyle style) override;

private:
    void plotPen(int x, int y, int step);
    void drawCells(int x, int y, const std::string& text, int underlinedChar);

    Bitmap image_;
    Color penColor_ = colors::clBlack;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::psSolid;
    Color brushColor_ = colors::clWhite;
    bool brushClear_ = false;
    int penX_ = 0;
    int penY_ = 0;
    Font font_;
    std::vector<TextRun> runs_;
};

}  // namespace controls
