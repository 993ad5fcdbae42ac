#include "controls/chrome_button.h"

#include "controls/check_list_box.h"
#include "controls/chrome_resources.h"
#include "controls/virtual_keys.h"
#include "text/gbk_text.h"

namespace controls {

namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isArrow(unsigned key) {
    return key == vk::Left || key == vk::Up || key == vk::Right || key == vk::Down;
}

}  // namespace

char accessKeyOf(const std::string& caption) {
    for (std::size_t i = 0; i < caption.size();) {
        const std::size_t n = text::charLengthAt(caption, i);
        if (n == 1 && caption[i] == '&' && i + 1 < caption.size()) {
            if (caption[i + 1] != '&') return text::charLengthAt(caption, i + 1) == 1 ? caption[i + 1] : 0;
            i += 2;
            continue;
        }
        i += n;
    }
    return 0;
}

ChromeCustomButton::ChromeCustomButton(std::string name) : CaptionControl(std::move(name)) {
    color = colors::clBtnFace;
    font = Font{"MS Sans Serif", 8, colors::clWindowText};
    setBounds({0, 0, 75, 25});
}

void ChromeCustomButton::repaint() {
    if (onChanged) onChanged();
}

void ChromeCustomButton::setColor(Color c) {
    write(color, c);
}
void ChromeCustomButton::setFont(const Font& f) {
    write(font, f);
}

void ChromeCustomButton::setAlignment(TAlignment v) {
    alignment_ = v;
    repaint();
}

void ChromeCustomButton::setLayout(TButtonLayout v) {
    layout_ = v;
    repaint();
}

void ChromeCustomButton::setNumGlyphs(int v) {
    numGlyphs_ = v;
    repaint();
}

void ChromeCustomButton::setBtnColorStyle(TBtnColorStyle v) {
    const ColorPreset* preset = colorPresetOf(v);
    btnColorStyle_ = v;
    if (preset == nullptr) return;
    // All at once, past the writers, so that the preset does not undo itself.
    color = preset->face;
    lightColor_ = preset->light;
    shadowColor_ = preset->shadow;
    downColor_ = preset->down;
    hotTrackColor_ = preset->hotTrack;
    modernBtnStyle_ = preset->style;
    flatBorder_ = preset->flatBorder;
    repaint();
}

void ChromeCustomButton::setLightColor(Color v) {
    writeCustom(lightColor_, v);
}
void ChromeCustomButton::setShadowColor(Color v) {
    writeCustom(shadowColor_, v);
}
void ChromeCustomButton::setModernBtnStyle(TModernBtnStyle v) {
    writeCustom(modernBtnStyle_, v);
}
void ChromeCustomButton::setFlatBorder(bool v) {
    writeCustom(flatBorder_, v);
}

void ChromeCustomButton::setCancel(bool v) {
    if (v == cancel_) return;
    cancel_ = v;
    if (v) default_ = false;
    repaint();
}

void ChromeCustomButton::setDefault(bool v) {
    if (v == default_) return;
    default_ = v;
    if (v) cancel_ = false;
    if (onDefaultChanged) onDefaultChanged();
    repaint();
}

// These only show while pressed or hot, so they repaint only then.
void ChromeCustomButton::setDownColor(Color v) {
    downColor_ = v;
    if (pressed_) repaint();
}

void ChromeCustomButton::setDownBold(bool v) {
    downBold_ = v;
    if (pressed_) repaint();
}

void ChromeCustomButton::setHotTrackBold(bool v) {
    hotTrackBold_ = v;
    if (hot_) repaint();
}

void ChromeCustomButton::setHotTrackColor(Color v) {
    hotTrackColor_ = v;
    if (hot_ || hasFocus_) repaint();
}

void ChromeCustomButton::setGlyph(const Bitmap& v) {
    glyph_ = v;
    numGlyphs_ = v.height() > 0 ? v.width() / v.height() : 0;
    kind_ = TBitBtnKind::bkCustom;
    repaint();
}

void ChromeCustomButton::setKind(TBitBtnKind v) {
    if (const KindPreset* preset = kindPresetOf(v)) {
        numGlyphs_ = 2;
        setModalResult(preset->modalResult);
        glyph_ = chromeResource(preset->resource);
        repaint();
        setCaption(preset->caption);
    }
    kind_ = v;
}

void ChromeCustomButton::setModalResult(int v) {
    modalResult_ = v;
    kind_ = TBitBtnKind::bkCustom;
}

void ChromeCustomButton::setMargin(int v) {
    write(margin_, v);
}
void ChromeCustomButton::setRoundCorner(bool v) {
    write(roundCorner_, v);
}
void ChromeCustomButton::setSpacing(int v) {
    write(spacing_, v);
}
void ChromeCustomButton::setPopupMenu(Menu* m) {
    write(popupMenu_, m);
}

void ChromeCustomButton::click() {
    if (!visible() || !enabled()) return;
    if (OnClick) OnClick();
    if (modalResult_ != 0 && onModalResult) onModalResult(modalResult_);
    if (popupMenu_ != nullptr && onPopup) onPopup(*popupMenu_, 0, height());
}

void ChromeCustomButton::takeFocus() {
    setFocus();
    if (requestFocus) {
        requestFocus();
    } else {
        hasFocus_ = true;
    }
}

void ChromeCustomButton::userMouseDown(MouseButton button, unsigned shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(button, shift, x, y);
    if (!enabled()) return;
    pressed_ = true;
    takeFocus();
    repaint();
}

void ChromeCustomButton::userMouseUp(MouseButton button, unsigned shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(button, shift, x, y);
    const bool wasPressed = pressed_;
    pressed_ = false;
    repaint();
    if (wasPressed && hot_) click();
}

void ChromeCustomButton::userMouseMove(unsigned shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(shift, x, y);
}

void ChromeCustomButton::userMouseEnter() {
    if (OnMouseEnter) OnMouseEnter();
    hot_ = true;
    repaint();
}

void ChromeCustomButton::userMouseLeave() {
    if (OnMouseLeave) OnMouseLeave();
    hot_ = false;
    repaint();
}

void ChromeCustomButton::userKeyDown(unsigned key, unsigned shift) {
    if (enabled() && (key == vk::Return || key == vk::Space)) {
        pressed_ = true;
        repaint();
        return;
    }
    if (OnKeyDown) OnKeyDown(key, shift);
}

void ChromeCustomButton::userKeyUp(unsigned key, unsigned shift) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    repaint();
    if (!enabled()) return;
    if (key == vk::Return || key == vk::Space) {
        if (wasPressed) click();
    } else if (isArrow(key)) {
        if (OnKeyUp) OnKeyUp(key, shift);
    }
}

bool ChromeCustomButton::userDialogKey(unsigned key, unsigned modifiers) {
    pressed_ = false;
    repaint();
    const bool ours = (key == vk::Return && default_) || (key == vk::Escape && cancel_);
    const bool plain = (modifiers & (shift::Shift | shift::Ctrl | shift::Alt)) == 0;
    if (!ours || !plain || !canFocus()) return false;
    click();
    return true;
}

bool ChromeCustomButton::userAccessKey(char ch) {
    const char key = accessKeyOf(caption());
    if (key == 0 || upper(key) != upper(ch) || !canFocus()) return false;
    pressed_ = false;
    repaint();
    click();
    return true;
}

void ChromeCustomButton::userFocusGained() {
    hasFocus_ = true;
    repaint();
}

void ChromeCustomButton::userFocusLost() {
    hasFocus_ = false;
    // Released, not clicked: the release that follows (mouse or key) then finds nothing pressed.
    pressed_ = false;
    repaint();
}

}  // namespace controls
