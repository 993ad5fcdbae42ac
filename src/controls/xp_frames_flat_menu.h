#pragma once
// The flat frame of a popup menu window (FlatMenu): a thin frame in the menu frame colour, the
// gap beside the icon column closed, and, where the system draws no menu shadow of its own (before
// Windows XP), two soft shadow strips on the right and at the bottom.
#include "controls/canvas.h"
#include "controls/menu_painter_item.h"

namespace controls {

struct FlatMenuFrame {
    int windowWidth = 0;
    int windowHeight = 0;
    bool rightToLeft = false;
    bool windowsXp = true;
};

// The area the frame is drawn in: the whole window on Windows XP, else 2 pixels less each way
// (the window's region leaves room for the shadow).
Rect flatMenuFrameArea(const FlatMenuFrame& frame);

// Paints on the menu window's whole device context.
void paintFlatMenuFrame(Canvas& window, const FlatMenuFrame& frame, const MenuPainterColors& colors);

}  // namespace controls
