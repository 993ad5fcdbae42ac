#pragma once
// The Windows side of the XP-style control frames: a frame site for a real control window
// (subclassed through the common controls' subclass chain, so it sits safely on top of a view's
// own procedure), and the flat frame of popup menu windows.
#include <windows.h>

#include "controls/xp_frames.h"
#include "controls/xp_frames_flat_menu.h"

namespace win {

struct FrameSiteStyle {
    controls::Color color = controls::colors::clBtnFace;  // what the control paints itself in
    controls::PanelBevel bevelOuter = controls::PanelBevel::bvRaised;
    controls::PanelBevel bevelInner = controls::PanelBevel::bvNone;
    int bevelWidth = 1;
    int borderWidth = 0;
};

// A styled control's window. Keep it alive for as long as the window or the painter's record
// may use it; destroying it takes the record off the window first.
class Win32FrameSite final : public controls::FrameSite {
public:
    Win32FrameSite(HWND window, FrameSiteStyle style) : window_(window), style_(style) {}
    ~Win32FrameSite() override;
    Win32FrameSite(const Win32FrameSite&) = delete;
    Win32FrameSite& operator=(const Win32FrameSite&) = delete;

    HWND hwnd() const { return window_; }

    controls::ControlLook look() const override;
    bool ctl3D() const override;
    void setCtl3D(bool on) override;
    controls::BorderStyle borderStyle() const override;
    void setBorderStyle(controls::BorderStyle style) override;
    void subclass(controls::XpFrameRecord* record) override;
    void paint(bool wholeWindow, const std::function<void(controls::Canvas&)>& painter) override;

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    void after(UINT message, WPARAM wParam);
    void deliver(controls::FrameEvent event);
    void frameChanged();

    HWND window_;
    FrameSiteStyle style_;
    controls::XpFrameRecord* record_ = nullptr;
    bool subclassed_ = false;
    bool trackingLeave_ = false;
};

// Gives a popup menu window its flat frame (and, before Windows XP, its soft shadow region). The
// window is watched until it hides or closes, then put back as it was.
void drawFlatMenuWindowFrame(HWND menuWindow, bool rightToLeft, bool windowsXp,
                             const controls::MenuPainterColors& colors);

// The menu window showing the item at position `position` of `menu`, or null.
HWND menuWindowOfItem(HMENU menu, UINT position);

}  // namespace win
