#include "controls/tray_icon_rules.h"

namespace controls {

const char kTrayCannotCreate[] = "Cannot Create System Shell Notification Icon";
const char kTrayCannotRemove[] = "Cannot Remove System Shell Notification Icon";

void TrayIconRules::report(const char* text) {
    if (onError) onError(text);
}

void TrayIconRules::setVisible(bool value) {
    visible_ = value;
    if (value) {
        if (!shellAdd()) return report(kTrayCannotCreate);
        setHide(true);
        hookRegistered_ = true;
    } else {
        if (!shellRemove()) return report(kTrayCannotRemove);
        setHide(false);
        hookRegistered_ = false;
    }
}

void TrayIconRules::setHint(const std::string& gbk) {
    if (gbk == hint_ || gbk.size() >= kTrayHintLimit) return;
    hint_ = gbk;
    storeTip(hint_);
    pushIcon();
}

void TrayIconRules::setHide(bool value) {
    hide_ = value;
    // Switched off while not minimised the application window would be restored; here that
    // window is the main window, never hidden unless minimised, and restoring it would only
    // undo a maximised state, so nothing is done.
    if (visible_ && value && applicationMinimised()) hideApplicationWindow();
}

void TrayIconRules::setAnimateInterval(int milliseconds) {
    animateInterval_ = milliseconds;
    timerChanged();
}

void TrayIconRules::setAnimate(bool value) {
    if (!hasImages()) return;
    animate_ = value;
    timerChanged();
}

void TrayIconRules::loaded() {
    if (hasImages()) {
        timerChanged();
        selectImage(iconIndex);
        return;
    }
    animate_ = false;
    timerChanged();
    takeApplicationIcon();
    pushIcon();
}

void TrayIconRules::pushIcon() {
    if (visible_) shellModify();
}

void TrayIconRules::selectImage(int index) {
    iconIndex = index;
    if (index >= 0 && index < imageCount()) takeImage(index);
    pushIcon();
}

void TrayIconRules::advanceIcon() {
    const int count = imageCount();
    if (count <= 0) return;
    iconIndex = iconIndex < count - 1 ? iconIndex + 1 : 0;
    selectImage(iconIndex);
    pushIcon();
}

void TrayIconRules::minimize() {
    minimiseApplication();
    if (hide_) hideApplicationWindow();
    if (onMinimize) onMinimize();
}

void TrayIconRules::restore() {
    restoreApplication();
    bringApplicationBack();
    if (onRestore) onRestore();
}

void TrayIconRules::applicationCommand(unsigned command) {
    if (!hookRegistered_) return;
    if (command == kSysCommandMinimize) {
        minimize();
    } else if (command == kSysCommandRestore) {
        restore();
    }
}

void TrayIconRules::taskbarCreated() {
    // The new tray is empty; an icon that should be shown goes back in.
    if (visible_ && shellAdd()) hookRegistered_ = true;
}

void TrayIconRules::sessionEnded() {
    shellRemove();
}

void TrayIconRules::act(TrayIconMessage happened) {
    if (restoreOn == happened) restore();
    if (popupMenuOn == happened) showMenuAtCursor();
}

void TrayIconRules::click() {
    act(TrayIconMessage::Click);
    if (onClick) onClick();
}

void TrayIconRules::dblClick() {
    act(TrayIconMessage::DoubleClick);
    if (onDblClick) onDblClick();
}

void TrayIconRules::mouseDown(TrayMouseButton button, unsigned shift, int x, int y) {
    act(TrayIconMessage::MouseDown);
    if (onMouseDown) onMouseDown(button, shift, x, y);
}

void TrayIconRules::mouseUp(TrayMouseButton button, unsigned shift, int x, int y) {
    act(TrayIconMessage::MouseUp);
    if (onMouseUp) onMouseUp(button, shift, x, y);
}

void TrayIconRules::mouseNotification(TrayMouse mouse, unsigned keys, int x, int y) {
    const unsigned shift = keys & (tray_shift::Shift | tray_shift::Ctrl | tray_shift::Alt);
    switch (mouse) {
        case TrayMouse::Move:
            // Moves are reported only to an owner that listens for clicks.
            if (onClick && onMuuseMove) onMuuseMove(shift, x, y);
            break;
        case TrayMouse::LeftDown:
            mouseDown(TrayMouseButton::Left, shift | tray_shift::Left, x, y);
            break;
        case TrayMouse::LeftUp:
            if (onClick) click();
            mouseUp(TrayMouseButton::Left, shift | tray_shift::Left, x, y);
            act(TrayIconMessage::LeftClickUp);
            break;
        case TrayMouse::LeftDoubleClick:
            dblClick();
            act(TrayIconMessage::LeftDoubleClick);
            break;
        case TrayMouse::RightDown:
            mouseDown(TrayMouseButton::Right, shift | tray_shift::Right, x, y);
            break;
        case TrayMouse::RightUp:
            mouseUp(TrayMouseButton::Right, shift | tray_shift::Right, x, y);
            act(TrayIconMessage::RightClickUp);
            break;
        case TrayMouse::RightDoubleClick:
            dblClick();
            act(TrayIconMessage::RightDoubleClick);
            break;
        case TrayMouse::MiddleDown:
            mouseDown(TrayMouseButton::Middle, shift | tray_shift::Middle, x, y);
            break;
        case TrayMouse::MiddleUp:
            mouseUp(TrayMouseButton::Middle, shift | tray_shift::Middle, x, y);
            break;
        case TrayMouse::MiddleDoubleClick:
            dblClick();
            break;
        case TrayMouse::Other:
            break;
    }
}

}  // namespace controls
