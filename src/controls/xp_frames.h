#pragma once
// Flat XP-style frames over ordinary controls. A subclass record sits in front of a styled
// control's window procedure; after the control has handled a message, the record follows the
// mouse, focus and key state and paints the frame of the control's kind in its painter's colours.
// The window itself is reached through FrameSite: the Win32 side subclasses a real HWND, tests
// use an in-memory one.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "controls/canvas.h"
#include "controls/menu_painter.h"

namespace controls {

enum class BorderStyle { bsNone, bsSingle };
enum class PanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// What the frame painters read of a control when they paint.
struct ControlLook {
    Color color = colors::clBtnFace;
    BorderStyle borderStyle = BorderStyle::bsSingle;
    bool enabled = true;
    bool focused = false;
    int windowWidth = 0;  // the whole window, non-client area included
    int windowHeight = 0;
    Rect client{};  // the client area in window coordinates
    // Panels.
    PanelBevel bevelOuter = PanelBevel::bvRaised;
    PanelBevel bevelInner = PanelBevel::bvNone;
    int bevelWidth = 1;
    int borderWidth = 0;
    // Push buttons.
    int tag = 0;
    std::string caption;
    Font font;
};

class XpFrameRecord;

// A styled control's window as its subclass record sees it.
class FrameSite {
public:
    virtual ~FrameSite() = default;
    virtual ControlLook look() const = 0;
    // The sunken 3-D border of list boxes and edits.
    virtual bool ctl3D() const = 0;
    virtual void setCtl3D(bool on) = 0;
    virtual BorderStyle borderStyle() const = 0;
    virtual void setBorderStyle(BorderStyle style) = 0;
    // Puts the record's procedure in front of the window's own, or (null) the previous one back.
    virtual void subclass(XpFrameRecord* record) = 0;
    // Paints on the whole window (non-client area included, window coordinates) or on the client
    // area (client coordinates).
    virtual void paint(bool wholeWindow, const std::function<void(Canvas&)>& painter) = 0;
    // A control without a window of its own repaints itself instead.
    virtual bool windowless() const { return false; }
    virtual void repaint() {}
};

enum class FrameKind { ListBox, Edit, Panel, Button, UpDown };

// The frame a control gets, by its family and exact class name, when its kind is enabled.
std::optional<FrameKind> frameKindOf(const PainterControl& control, XPControls enabled);
// The container kind of a control's parent (the form when it has none listed).
std::optional<TXPContainer> containerKindOf(const PainterForm& form, int parentIndex);
// Whether the control is styled: kind and parent kind enabled, neither tagged 999, a window.
bool shouldStyle(const PainterForm& form, const PainterControl& control, XPControls controls,
                 XPContainers containers);

// What happened to the control, as the record needs to know it.
enum class FrameEvent {
    SetFocus,
    KillFocus,
    Paint,
    NcPaint,
    MouseEnter,
    MouseLeave,
    LeftDown,
    LeftUp,
    LeftDoubleClick,
    MouseMove,
    SpaceDown,
    SpaceUp,
    StateChanged,
    EnabledOff,
    PositionChanged,
    Ctl3DChanged,
    Destroyed
};

class XpFrameRecord {
public:
    XpFrameRecord(TMenuPainter& painter, PainterForm& form, std::size_t controlIndex, FrameKind kind,
                  FrameSite& site);
    XpFrameRecord(const XpFrameRecord&) = delete;
    XpFrameRecord& operator=(const XpFrameRecord&) = delete;

    // Saves the control's look and puts the record in front of its window procedure.
    void install();
    // The previous procedure back and the saved look restored.
    void undo();

    enum class After { Keep, Release };
    // Called after the previous procedure handled `event`. Release: the styling is undone and the
    // caller hands the record back to its painter (releaseRecord).
    After afterMessage(FrameEvent event);
    // The control's window was created again: the record sits in front of the new one.
    void windowRecreated();

    void paintFrame();

    TMenuPainter& painter() const { return *painter_; }
    void setPainter(TMenuPainter& p) { painter_ = &p; }
    PainterForm& form() const { return form_; }
    std::size_t controlIndex() const { return controlIndex_; }
    FrameKind kind() const { return kind_; }
    FrameSite& site() const { return site_; }

    bool hot = false;
    bool focused = false;
    bool mouseDown = false;
    bool spaceDown = false;
    bool borderSwitchedOff = false;
    bool recreating = false;

private:
    void switchBorderOff();

    TMenuPainter* painter_;
    PainterForm& form_;
    std::size_t controlIndex_;
    FrameKind kind_;
    FrameSite& site_;
    bool saved3D_ = true;
    BorderStyle savedBorder_ = BorderStyle::bsSingle;
    bool installed_ = false;
};

}  // namespace controls
