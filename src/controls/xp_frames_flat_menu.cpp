#include "controls/xp_frames_flat_menu.h"

namespace controls {

namespace {

// Rows `toFirst` and `toFirst + 1` become copies of row `from`, between the side edges.
void copyRows(Canvas& canvas, const Rect& area, int from, int toFirst) {
    for (int x = area.left + 1; x < area.right - 1; ++x) {
        const Color c = canvas.pixel(x, from);
        canvas.setPixel(x, toFirst, c);
        canvas.setPixel(x, toFirst + 1, c);
    }
}

}  // namespace

Rect flatMenuFrameArea(const FlatMenuFrame& frame) {
    if (frame.windowsXp) return {0, 0, frame.windowWidth, frame.windowHeight};
    return {0, 0, frame.windowWidth - 2, frame.windowHeight - 2};
}

void paintFlatMenuFrame(Canvas& window, const FlatMenuFrame& frame, const MenuPainterColors& colors) {
    const Rect a = flatMenuFrameArea(frame);
    if (a.right - a.left < 8 || a.bottom - a.top < 8) return;
    window.frameRect(a, colors.menuFrame);
    if (frame.rightToLeft) {
        window.fillRect({a.right - 3, a.top + 1, a.right - 1, a.bottom - 1}, colors.iconColumn);
    } else {
        window.fillRect({a.left + 1, a.top + 1, a.left + 3, a.bottom - 1}, colors.iconColumn);
    }
    copyRows(window, a, a.top + 3, a.top + 1);
    if (frame.windowsXp) {
        copyRows(window, a, a.bottom - 4, a.bottom - 3);
        window.fillRect({a.right - 3, a.top + 1, a.right - 1, a.bottom - 1}, colors.menu);
        return;
    }
    const int w = frame.windowWidth;
    const int h = frame.windowHeight;
    window.fillRect({w - 2, 2, w, h}, colors.menuShadow);
    window.fillRect({2, h - 2, w, h}, colors.menuShadow);
}

}  // namespace controls
