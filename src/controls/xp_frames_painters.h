#pragma once
// The flat frames of the styled control kinds, painted over what the control drew itself.
#include "controls/canvas.h"
#include "controls/menu_painter_item.h"
#include "controls/xp_frames.h"

namespace controls {

// The record's state as the painters read it.
struct FrameState {
    bool hot = false;
    bool focused = false;
    bool mouseDown = false;
    bool spaceDown = false;
};

// On the whole window: a 1-pixel frame instead of the sunken border.
void paintListBoxFrame(Canvas& window, const ControlLook& look, const MenuPainterColors& colors,
                       FrameState state);
// On the whole window: a 1-pixel frame around the client area.
void paintEditFrame(Canvas& window, const ControlLook& look, const MenuPainterColors& colors,
                    FrameState state);
// On the client area: the outer and inner bevels in shades of the panel's colour.
void paintPanelFrame(Canvas& client, const ControlLook& look);
// On the client area: the rounded face, the pressed or raised edge and the caption.
void paintButtonFrame(Canvas& client, const ControlLook& look, const MenuPainterColors& colors,
                      FrameState state);

// A 3-D frame `width` pixels wide inside `r`: `topLeft` above and left, `bottomRight` below and
// right (the top-right and bottom-left corners go to `bottomRight`).
void frame3D(Canvas& canvas, Rect r, Color topLeft, Color bottomRight, int width);

}  // namespace controls
