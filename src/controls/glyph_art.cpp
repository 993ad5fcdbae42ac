#include "controls/glyph_art.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

constexpr double kPi = 3.14159265358979323846;

double distanceToSegment(double px, double py, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((px - x0) * dx + (py - y0) * dy) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = x0 + t * dx - px;
    const double ey = y0 + t * dy - py;
    return std::sqrt(ex * ex + ey * ey);
}

double side(double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

}  // namespace

template <typename Inside>
void GlyphArt::paint(Inside inside, Color c) {
    for (int y = 0; y < picture_.height(); ++y) {
        for (int x = 0; x < picture_.width(); ++x) {
            if (inside(x + 0.5, y + 0.5)) picture_.set(x, y, c);
        }
    }
}

void GlyphArt::fill(const Rect& r, Color c) {
    paint([&r](double x, double y) { return x > r.left && x < r.right && y > r.top && y < r.bottom; }, c);
}

void GlyphArt::frame(const Rect& r, Color c) {
    fill({r.left, r.top, r.right, r.top + 1}, c);
    fill({r.left, r.bottom - 1, r.right, r.bottom}, c);
    fill({r.left, r.top, r.left + 1, r.bottom}, c);
    fill({r.right - 1, r.top, r.right, r.bottom}, c);
}

void GlyphArt::line(double x0, double y0, double x1, double y1, double thickness, Color c) {
    paint([=](double x, double y) { return distanceToSegment(x, y, x0, y0, x1, y1) <= thickness / 2; }, c);
}

void GlyphArt::disc(double cx, double cy, double radius, Color c) {
    paint([=](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; }, c);
}

void GlyphArt::arc(double cx, double cy, double radius, double thickness, double from, double to, Color c) {
    paint(
        [=](double x, double y) {
            const double d = std::hypot(x - cx, y - cy);
            if (std::abs(d - radius) > thickness / 2) return false;
            double angle = std::atan2(cy - y, x - cx) * 180.0 / kPi;
            if (angle < from) angle += 360.0;
            return angle >= from && angle <= to;
        },
        c);
}

void GlyphArt::triangle(double ax, double ay, double bx, double by, double cx, double cy, Color c) {
    paint(
        [=](double x, double y) {
            const double s1 = side(ax, ay, bx, by, x, y);
            const double s2 = side(bx, by, cx, cy, x, y);
            const double s3 = side(cx, cy, ax, ay, x, y);
            return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
        },
        c);
}

void GlyphArt::paste(int x, int y, const Bitmap& picture, Color transparent) {
    for (int py = 0; py < picture.height(); ++py) {
        for (int px = 0; px < picture.width(); ++px) {
            const Color c = picture.at(px, py);
            if (c != (transparent & 0xFFFFFF)) picture_.set(x + px, y + py, c);
        }
    }
}

}  // namespace controls
