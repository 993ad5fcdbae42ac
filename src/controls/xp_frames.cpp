#include "controls/xp_frames.h"

namespace controls {

namespace {

constexpr int kLeaveAlone = 999;

std::optional<TXPContainer> containerOfClass(const std::string& className, ControlFamily family) {
    if (family == ControlFamily::Panel || className == "TPanel") return TXPContainer::xccPanel;
    if (family == ControlFamily::ToolBar || className == "TToolBar") return TXPContainer::xccToolbar;
    if (family == ControlFamily::ControlBar || className == "TControlBar") return TXPContainer::xccControlbar;
    if (className == "TFrame") return TXPContainer::xccFrame;
    if (className == "TCoolBar") return TXPContainer::xccCoolbar;
    if (className == "TScrollBox") return TXPContainer::xccScrollBox;
    if (className == "TGroupBox") return TXPContainer::xccGroupBox;
    if (className == "TTabSheet") return TXPContainer::xccTabSheet;
    if (className == "TPageScroller") return TXPContainer::xccPageScroller;
    return std::nullopt;
}

}  // namespace

std::optional<FrameKind> frameKindOf(const PainterControl& control, XPControls enabled) {
    auto kind = [&](TXPControl x, FrameKind k) -> std::optional<FrameKind> {
        return enabled.has(x) ? std::optional<FrameKind>(k) : std::nullopt;
    };
    switch (control.family) {
        case ControlFamily::ListBox:
            return kind(TXPControl::xcListBox, FrameKind::ListBox);
        case ControlFamily::Panel:
            return kind(TXPControl::xcPanel, FrameKind::Panel);
        case ControlFamily::Memo:
            return kind(TXPControl::xcMemo, FrameKind::Edit);
        default:
            break;
    }
    // The rest only by their exact class: a descendant is not recognised.
    const std::string& c = control.className;
    if (c == "TMaskEdit") return kind(TXPControl::xcMaskEdit, FrameKind::Edit);
    if (c == "TButton") return kind(TXPControl::xcButton, FrameKind::Button);
    if (c == "TBitBtn") return kind(TXPControl::xcBitBtn, FrameKind::Button);
    if (c == "TUpDown") return kind(TXPControl::xcUpDown, FrameKind::UpDown);
    return std::nullopt;
}

std::optional<TXPContainer> containerKindOf(const PainterForm& form, int parentIndex) {
    if (parentIndex < 0 || parentIndex >= static_cast<int>(form.controls.size()))
        return TXPContainer::xccForm;
    const PainterControl& parent = form.controls[static_cast<std::size_t>(parentIndex)];
    return containerOfClass(parent.className, parent.family);
}

bool shouldStyle(const PainterForm& form, const PainterControl& control, XPControls controls,
                 XPContainers containers) {
    if (control.site == nullptr || control.tag == kLeaveAlone) return false;
    if (!frameKindOf(control, controls)) return false;
    const std::optional<TXPContainer> parentKind = containerKindOf(form, control.parent);
    if (!parentKind || !containers.has(*parentKind)) return false;
    const int parentTag = control.parent >= 0 && control.parent < static_cast<int>(form.controls.size())
                              ? form.controls[static_cast<std::size_t>(control.parent)].tag
                              : form.tag;
    return parentTag != kLeaveAlone;
}

}  // namespace controls
