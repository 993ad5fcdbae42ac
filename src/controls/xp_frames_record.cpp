// The subclass record of one styled control: state after each message and the frame repaints.
#include "controls/xp_frames.h"
#include "controls/xp_frames_painters.h"

namespace controls {

XpFrameRecord::XpFrameRecord(TMenuPainter& painter, PainterForm& form, std::size_t controlIndex,
                             FrameKind kind, FrameSite& site)
    : painter_(&painter), form_(form), controlIndex_(controlIndex), kind_(kind), site_(site) {}

void XpFrameRecord::install() {
    if (installed_) return;
    saved3D_ = site_.ctl3D();
    savedBorder_ = site_.borderStyle();
    site_.subclass(this);
    installed_ = true;
}

void XpFrameRecord::undo() {
    if (!installed_) return;
    installed_ = false;
    site_.subclass(nullptr);
    if (kind_ == FrameKind::ListBox || kind_ == FrameKind::Edit) {
        if (borderSwitchedOff) site_.setCtl3D(saved3D_);
        if (site_.borderStyle() != savedBorder_) site_.setBorderStyle(savedBorder_);
    }
    borderSwitchedOff = false;
}

void XpFrameRecord::windowRecreated() {
    if (!installed_) return;
    site_.subclass(this);
}

void XpFrameRecord::switchBorderOff() {
    if (!site_.ctl3D()) return;
    site_.setCtl3D(false);
    borderSwitchedOff = true;
}

void XpFrameRecord::paintFrame() {
    const ControlLook look = site_.look();
    focused = look.focused;
    const FrameState state{hot, focused, mouseDown, spaceDown};
    switch (kind_) {
        case FrameKind::ListBox:
            switchBorderOff();
            site_.paint(true, [&](Canvas& c) {
                paintListBoxFrame(c, site_.look(), painter_->freshColors(c), state);
            });
            break;
        case FrameKind::Edit:
            switchBorderOff();
            site_.paint(true,
                        [&](Canvas& c) { paintEditFrame(c, site_.look(), painter_->colors(c), state); });
            break;
        case FrameKind::Button:
            site_.paint(false, [&](Canvas& c) { paintButtonFrame(c, look, painter_->colors(c), state); });
            break;
        case FrameKind::Panel:  // panels are painted on WM_PAINT only
        case FrameKind::UpDown:
            break;
    }
}

XpFrameRecord::After XpFrameRecord::afterMessage(FrameEvent event) {
    if (!painter_->active()) {
        undo();
        return After::Release;
    }
    const bool enabled = site_.look().enabled;
    auto hotChanged = [&](bool value) {
        hot = value;
        if (site_.windowless()) {
            site_.repaint();
        } else {
            paintFrame();
        }
    };
    switch (event) {
        case FrameEvent::SetFocus:
            hot = true;
            paintFrame();
            break;
        case FrameEvent::KillFocus:
            hot = false;
            paintFrame();
            break;
        case FrameEvent::Paint:
            recreating = false;
            if (kind_ == FrameKind::Panel) {
                const ControlLook look = site_.look();
                site_.paint(false, [&](Canvas& c) { paintPanelFrame(c, look); });
            } else {
                paintFrame();
            }
            break;
        case FrameEvent::NcPaint:
            if (kind_ == FrameKind::ListBox) paintFrame();
            break;
        case FrameEvent::MouseEnter:
            if (enabled) hotChanged(true);
            break;
        case FrameEvent::MouseLeave:
            if (enabled) hotChanged(false);
            break;
        case FrameEvent::LeftDoubleClick:
            if (kind_ != FrameKind::Button) break;
            [[fallthrough]];
        case FrameEvent::LeftDown:
            mouseDown = true;
            paintFrame();
            break;
        case FrameEvent::LeftUp:
            mouseDown = false;
            paintFrame();
            break;
        case FrameEvent::MouseMove:
            if (enabled && kind_ != FrameKind::UpDown) paintFrame();
            break;
        case FrameEvent::SpaceDown:
            if (!spaceDown) {
                spaceDown = true;
                paintFrame();
            }
            break;
        case FrameEvent::SpaceUp:
            spaceDown = false;
            paintFrame();
            break;
        case FrameEvent::StateChanged:
            paintFrame();
            break;
        case FrameEvent::EnabledOff:
            hot = false;
            paintFrame();
            break;
        case FrameEvent::PositionChanged:
        case FrameEvent::Ctl3DChanged:
            recreating = true;
            break;
        case FrameEvent::Destroyed:
            if (recreating) break;
            undo();
            return After::Release;
    }
    return After::Keep;
}

}  // namespace controls
