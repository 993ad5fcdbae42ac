#include "controls/xp_frames_painters.h"

#include "controls/menu_painter_colors.h"

namespace controls {

namespace {

// The frames in their shades: a tag of 1000 on a push button asks for its own colour.
constexpr int kOwnColourTag = 1000;

Color mixed(Color a, Color b) {
    return rgb((redOf(a) + redOf(b)) / 2, (greenOf(a) + greenOf(b)) / 2, (blueOf(a) + blueOf(b)) / 2);
}

}  // namespace

void frame3D(Canvas& canvas, Rect r, Color topLeft, Color bottomRight, int width) {
    for (int i = 0; i < width && r.right - r.left > 0 && r.bottom - r.top > 0; ++i) {
        canvas.fillRect({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
        canvas.fillRect({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
        canvas.fillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
        canvas.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
}

void paintListBoxFrame(Canvas& window, const ControlLook& look, const MenuPainterColors& colors,
                       FrameState state) {
    const bool single = look.borderStyle == BorderStyle::bsSingle;
    const Color own = window.toRgb(look.color);
    Color c = 0;
    if (state.hot || state.focused) {
        c = LightenColor(colors.selectionBorder, single ? 60 : 80);
    } else {
        c = single ? DarkenColor(own, 60) : own;
    }
    window.setBrushClear();
    window.setPen(c);
    window.rectangle({0, 0, look.windowWidth, look.windowHeight});
}

void paintEditFrame(Canvas& window, const ControlLook& look, const MenuPainterColors& colors,
                    FrameState state) {
    const Color own = window.toRgb(look.color);
    const bool lit = state.hot || state.focused;
    Color c = lit ? LightenColor(colors.selectionBorder, 60) : DarkenColor(own, 60);
    if (look.borderStyle == BorderStyle::bsNone) {
        // Without a border the frame blends in, but the mouse over it still shows faintly.
        c = (state.hot && !state.focused) ? LightenColor(mixed(colors.selectionBorder, own), 60) : own;
    }
    const Rect& k = look.client;
    window.frameRect({k.left - 1, k.top - 1, k.right + 1, k.bottom + 1}, c);
}

void paintPanelFrame(Canvas& client, const ControlLook& look) {
    const Color own = client.toRgb(look.color);
    const Color dark = DarkenColor(own, 60);
    const Color light = LightenColor(own, 60);
    auto bevel = [&](Rect& r, PanelBevel kind) {
        if (kind == PanelBevel::bvNone) return;
        if (kind == PanelBevel::bvLowered) {
            frame3D(client, r, dark, light, look.bevelWidth);
        } else {
            frame3D(client, r, light, dark, look.bevelWidth);
        }
        r = {r.left + look.bevelWidth, r.top + look.bevelWidth, r.right - look.bevelWidth,
             r.bottom - look.bevelWidth};
    };
    Rect r{0, 0, look.client.right - look.client.left, look.client.bottom - look.client.top};
    bevel(r, look.bevelOuter);
    if (look.bevelInner != PanelBevel::bvNone) {
        r = {r.left + look.borderWidth, r.top + look.borderWidth, r.right - look.borderWidth,
             r.bottom - look.borderWidth};
        bevel(r, look.bevelInner);
    }
}

void paintButtonFrame(Canvas& client, const ControlLook& look, const MenuPainterColors& colors,
                      FrameState state) {
    const bool ownColour = look.tag == kOwnColourTag;
    const Color base = client.toRgb(ownColour ? look.color : colors::clBtnFace);
    Color face = colors.iconColumn;
    if (state.hot) {
        face = LightenColor(base, 40);
    } else if (ownColour) {
        face = LightenColor(base, 16);
    }
    const Color edge = (state.hot || state.focused) ? LightenColor(colors.selectionBorder, 60)
                                                    : client.toRgb(colors::clBtnShadow);
    const Rect r{0, 0, look.client.right - look.client.left, look.client.bottom - look.client.top};
    client.fillRect(r, look.color);
    client.setPen(LightenColor(edge, 30));
    client.setBrush(face);
    client.roundRect(r, 4, 4);
    if (look.enabled) {
        client.setPen(DarkenColor(edge, 50));
        const bool pressed = state.spaceDown || (state.mouseDown && state.hot);
        if (pressed) {
            client.polyline(
                {{r.left, r.bottom - 2}, {r.left, r.top + 1}, {r.left + 1, r.top}, {r.right - 1, r.top}});
        } else {
            client.polyline({{r.right - 1, r.top + 1},
                             {r.right - 1, r.bottom - 2},
                             {r.right - 2, r.bottom - 1},
                             {r.left, r.bottom - 1}});
        }
    }
    Font f = look.font;
    if (!look.enabled) f.color = colors.disabled;
    client.setFont(f);
    client.drawText(r, look.caption, HAlign::Centre, VAlign::Centre);
}

}  // namespace controls
