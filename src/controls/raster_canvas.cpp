#include "controls/raster_canvas.h"

#include <algorithm>
#include <cstdlib>

#include "text/gbk_text.h"

namespace controls {

namespace {

// On/off run lengths of the dashed pens, as a cosmetic GDI pen draws them.
std::vector<int> dashPattern(PenStyle style) {
    switch (style) {
        case PenStyle::psDash:
            return {18, 6};
        case PenStyle::psDot:
            return {3, 3};
        case PenStyle::psDashDot:
            return {9, 6, 3, 6};
        case PenStyle::psDashDotDot:
            return {9, 3, 3, 3, 3, 3};
        default:
            return {};
    }
}

bool patternOn(const std::vector<int>& pattern, int step) {
    if (pattern.empty()) return true;
    int period = 0;
    for (int run : pattern) period += run;
    int at = step % period;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (at < pattern[i]) return i % 2 == 0;
        at -= pattern[i];
    }
    return true;
}

// The pixels of a rounded rectangle: the box of `r` with each corner cut along a quarter ellipse
// through the centres of the edge pixels.
class RoundedShape {
public:
    RoundedShape(const Rect& r, int ellipseWidth, int ellipseHeight)
        : r_(r), rx_((ellipseWidth - 1) / 2.0), ry_((ellipseHeight - 1) / 2.0) {}

    bool contains(int x, int y) const {
        if (x < r_.left || y < r_.top || x >= r_.right || y >= r_.bottom) return false;
        if (rx_ <= 0 || ry_ <= 0) return true;
        const double px = x + 0.5;
        const double py = y + 0.5;
        const double leftCentre = r_.left + 0.5 + rx_;
        const double rightCentre = r_.right - 0.5 - rx_;
        const double topCentre = r_.top + 0.5 + ry_;
        const double bottomCentre = r_.bottom - 0.5 - ry_;
        const double cx = px < leftCentre ? leftCentre : (px > rightCentre ? rightCentre : px);
        const double cy = py < topCentre ? topCentre : (py > bottomCentre ? bottomCentre : py);
        const double dx = (px - cx) / rx_;
        const double dy = (py - cy) / ry_;
        return dx * dx + dy * dy <= 1.1;
    }

    bool onEdge(int x, int y) const {
        return contains(x, y) &&
               (!contains(x - 1, y) || !contains(x + 1, y) || !contains(x, y - 1) || !contains(x, y + 1));
    }

private:
    Rect r_;
    double rx_;
    double ry_;
};

// The displayed text of a caption with access-key marks, and the index of the underlined byte.
std::pair<std::string, int> withoutAccessMarks(const std::string& text) {
    std::string shown;
    int underlined = -1;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '&' && i + 1 < text.size()) {
            if (text[i + 1] != '&') underlined = static_cast<int>(shown.size());
            ++i;
        }
        const std::size_t n = text::charLengthAt(text, i);
        shown.append(text, i, n);
        i += n;
    }
    return {shown, underlined};
}

bool isBlank(const std::string& text, std::size_t pos, std::size_t n) {
    const auto b = static_cast<unsigned char>(text[pos]);
    if (n == 1) return b <= 0x20;
    return b == 0xA1 && static_cast<unsigned char>(text[pos + 1]) == 0xA1;  // full-width blank
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height, Color background)
    : image_(width, height, background & 0xFFFFFF) {}

int RasterCanvas::cellHeight(const Font& f) {
    return f.size > 0 ? (std::min(f.size, 1000) * 96 + 36) / 72 : 13;
}

int RasterCanvas::singleByteWidth(const Font& f) {
    return std::max(1, cellHeight(f) / 2);
}

Color RasterCanvas::systemColor(int index) {
    switch (index) {
        case 5:
            return colors::clWhite;  // window
        case 8:
            return colors::clBlack;  // window text
        case 15:
            return rgb(212, 208, 200);  // button face
        case 16:
            return colors::clGray;  // button shadow
        case 17:
            return colors::clGray;  // grey text
        case 18:
            return colors::clBlack;  // button text
        case 20:
            return colors::clWhite;  // button highlight
        case 21:
            return rgb(64, 64, 64);  // 3-D dark shadow
        case 22:
            return rgb(212, 208, 200);  // 3-D light
        default:
            return colors::clBlack;
    }
}

Color RasterCanvas::toRgb(Color c) const {
    return isSystemColor(c) ? systemColor(systemColorIndex(c)) : (c & 0xFFFFFF);
}

std::string RasterCanvas::toPpm() const {
    std::string out = "P6\n" + std::to_string(width()) + " " + std::to_string(height()) + "\n255\n";
    out.reserve(out.size() + static_cast<std::size_t>(width()) * static_cast<std::size_t>(height()) * 3);
    for (int y = 0; y < height(); ++y) {
        for (int x = 0; x < width(); ++x) {
            const Color c = image_.at(x, y);
            out.push_back(static_cast<char>(redOf(c)));
            out.push_back(static_cast<char>(greenOf(c)));
            out.push_back(static_cast<char>(blueOf(c)));
        }
    }
    return out;
}

void RasterCanvas::choosePen(Color c, int width, PenStyle style) {
    penColor_ = toRgb(c);
    penWidth_ = std::max(1, width);
    penStyle_ = style;
}

void RasterCanvas::setBrush(Color c) {
    brushColor_ = toRgb(c);
    brushClear_ = false;
}

void RasterCanvas::fillRect(const Rect& r, Color c) {
    const Color rgbColor = toRgb(c);
    const int left = std::max(r.left, 0);
    const int top = std::max(r.top, 0);
    const int right = std::min(r.right, width());
    const int bottom = std::min(r.bottom, height());
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) image_.set(x, y, rgbColor);
    }
}

void RasterCanvas::frameRect(const Rect& r, Color c) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    fillRect({r.left, r.top, r.right, r.top + 1}, c);
    fillRect({r.left, r.bottom - 1, r.right, r.bottom}, c);
    fillRect({r.left, r.top, r.left + 1, r.bottom}, c);
    fillRect({r.right - 1, r.top, r.right, r.bottom}, c);
}

void RasterCanvas::plotPen(int x, int y, int step) {
    if (penStyle_ == PenStyle::psClear) return;
    if (penWidth_ == 1 && !patternOn(dashPattern(penStyle_), step)) return;
    const int from = -(penWidth_ - 1) / 2;
    for (int dy = from; dy < from + penWidth_; ++dy) {
        for (int dx = from; dx < from + penWidth_; ++dx) image_.set(x + dx, y + dy, penColor_);
    }
}

void RasterCanvas::moveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void RasterCanvas::lineTo(int x, int y) {
    // Bresenham from the pen position; the end point is not painted.
    int x0 = penX_;
    int y0 = penY_;
    const int dx = std::abs(x - x0);
    const int dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1;
    const int sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    int step = 0;
    while (x0 != x || y0 != y) {
        plotPen(x0, y0, step++);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    moveTo(x, y);
}

void RasterCanvas::rectangle(const Rect& r) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    if (penStyle_ == PenStyle::psClear) {
        // Without a pen GDI fills one pixel less on the right and at the bottom.
        if (!brushClear_) fillRect({r.left, r.top, r.right - 1, r.bottom - 1}, brushColor_);
        return;
    }
    if (!brushClear_) fillRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, brushColor_);
    moveTo(r.left, r.top);
    lineTo(r.right - 1, r.top);
    lineTo(r.right - 1, r.bottom - 1);
    lineTo(r.left, r.bottom - 1);
    lineTo(r.left, r.top);
}

void RasterCanvas::roundRect(const Rect& r, int ellipseWidth, int ellipseHeight) {
    if (ellipseWidth <= 1 || ellipseHeight <= 1) {
        rectangle(r);
        return;
    }
    const bool pen = penStyle_ != PenStyle::psClear;
    const Rect box = pen ? r : Rect{r.left, r.top, r.right - 1, r.bottom - 1};
    const RoundedShape shape(box, ellipseWidth, ellipseHeight);
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            if (pen && shape.onEdge(x, y)) {
                image_.set(x, y, penColor_);
            } else if (!brushClear_ && shape.contains(x, y)) {
                image_.set(x, y, brushColor_);
            }
        }
    }
}

Size RasterCanvas::textExtent(const std::string& text) {
    const int unit = singleByteWidth(font_);
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = text::charLengthAt(text, i);
        width += unit * static_cast<int>(n);
        i += n;
    }
    return {width, cellHeight(font_)};
}

void RasterCanvas::drawCells(int x, int y, const std::string& text, int underlinedChar) {
    const Color ink = toRgb(font_.color);
    const int unit = singleByteWidth(font_);
    const int high = cellHeight(font_);
    int cx = x;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = text::charLengthAt(text, i);
        const int cw = unit * static_cast<int>(n);
        if (!isBlank(text, i, n)) {
            const Rect box{cx + 1, y + 1, cx + cw - 1, y + high - 1};
            if (font_.bold || box.right - box.left < 3 || box.bottom - box.top < 3) {
                fillRect(box, ink);
            } else {
                frameRect(box, ink);
            }
        }
        if (font_.underline || static_cast<int>(i) == underlinedChar) {
            fillRect({cx, y + high - 1, cx + cw, y + high}, ink);
        }
        cx += cw;
        i += n;
    }
}

void RasterCanvas::textOut(int x, int y, const std::string& text) {
    drawCells(x, y, text, -1);
    runs_.push_back({x, y, text, font_});
}

void RasterCanvas::drawText(const Rect& r, const std::string& text, HAlign h, VAlign v) {
    const auto [shown, underlined] = withoutAccessMarks(text);
    const Size size = textExtent(shown);
    int x = r.left;
    if (h == HAlign::Centre) x = r.left + (r.right - r.left - size.width) / 2;
    if (h == HAlign::Right) x = r.right - size.width;
    int y = r.top;
    if (v == VAlign::Centre) y = r.top + (r.bottom - r.top - size.height) / 2;
    if (v == VAlign::Bottom) y = r.bottom - size.height;
    drawCells(x, y, shown, underlined);
    runs_.push_back({x, y, shown, font_});
}

void RasterCanvas::drawBitmap(int x, int y, const Bitmap& picture, const Rect& source,
                              std::optional<Color> transparent) {
    const Bitmap part = picture.crop(source);
    const bool keyed = transparent.has_value();
    const Color key = keyed ? (*transparent & 0xFFFFFF) : 0;
    // crop() clipped the source at its top-left, so the part starts where the clipped source does.
    const int ox = x + std::max(0, -source.left);
    const int oy = y + std::max(0, -source.top);
    for (int py = 0; py < part.height(); ++py) {
        for (int px = 0; px < part.width(); ++px) {
            const Color c = part.at(px, py);
            if (keyed && c == key) continue;
            image_.set(ox + px, oy + py, c);
        }
    }
}

void RasterCanvas::drawFocusRect(const Rect& r) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    auto invert = [this](int x, int y) {
        if ((x + y) % 2 == 0 && image_.contains(x, y)) image_.set(x, y, image_.at(x, y) ^ 0xFFFFFF);
    };
    for (int x = r.left; x < r.right; ++x) {
        invert(x, r.top);
        if (r.bottom - 1 != r.top) invert(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        invert(r.left, y);
        if (r.right - 1 != r.left) invert(r.right - 1, y);
    }
}

}  // namespace controls
