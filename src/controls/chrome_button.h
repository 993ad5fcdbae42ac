#pragma once
// TChromeCustomButton: a push button that paints itself (see chrome_button_painter.h) and keeps
// its own pressed and hot states. The view reports what the user does through the user... calls;
// the state machine decides when a click happens:
//   - a mouse release clicks only if the button was pressed and the mouse is still over it;
//   - an Enter or Space release clicks only if the button was pressed;
//   - Enter reaching the form's dialog-key handling clicks a Default button, Esc a Cancel one;
//   - the caption's access key clicks at once;
//   - losing the focus while pressed releases the button without a click: focus moves the user
//     did not ask for (another window taking over) must never run a command.
// TChromeBitBtn is the one placed on forms.
#include <functional>
#include <string>

#include "controls/bitmap.h"
#include "controls/canvas.h"
#include "controls/chrome_consts.h"
#include "controls/simple_controls.h"
#include "controls/text_alignment.h"

namespace controls {

enum class MouseButton { Left, Right, Middle };

class ChromeCustomButton : public CaptionControl {
public:
    explicit ChromeCustomButton(std::string name);

    // --- properties; the face colour is the control's `color`, the font its `font` ---
    void setColor(Color c);
    void setFont(const Font& f);
    TAlignment alignment() const { return alignment_; }
    void setAlignment(TAlignment v);
    TBtnColorStyle btnColorStyle() const { return btnColorStyle_; }
    void setBtnColorStyle(TBtnColorStyle v);
    bool cancel() const { return cancel_; }
    void setCancel(bool v);
    bool isDefault() const { return default_; }
    void setDefault(bool v);
    Color downColor() const { return downColor_; }
    void setDownColor(Color v);
    bool downBold() const { return downBold_; }
    void setDownBold(bool v);
    bool flatBorder() const { return flatBorder_; }
    void setFlatBorder(bool v);
    const Bitmap& glyph() const { return glyph_; }
    void setGlyph(const Bitmap& v);
    bool hotTrackBold() const { return hotTrackBold_; }
    void setHotTrackBold(bool v);
    Color hotTrackColor() const { return hotTrackColor_; }
    void setHotTrackColor(Color v);
    TBitBtnKind kind() const { return kind_; }
    void setKind(TBitBtnKind v);
    TButtonLayout layout() const { return layout_; }
    void setLayout(TButtonLayout v);
    Color lightColor() const { return lightColor_; }
    void setLightColor(Color v);
    int margin() const { return margin_; }
    void setMargin(int v);
    int modalResult() const { return modalResult_; }
    void setModalResult(int v);
    TModernBtnStyle modernBtnStyle() const { return modernBtnStyle_; }
    void setModernBtnStyle(TModernBtnStyle v);
    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int v);
    bool roundCorner() const { return roundCorner_; }
    void setRoundCorner(bool v);
    Color shadowColor() const { return shadowColor_; }
    void setShadowColor(Color v);
    int spacing() const { return spacing_; }
    void setSpacing(int v);
    Menu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(Menu* m);
    bool tabStop = true;

    // --- run-time state ---
    bool pressed() const { return pressed_; }
    bool hot() const { return hot_; }
    bool hasFocus() const { return hasFocus_; }
    bool canFocus() const { return visible() && enabled(); }

    // Nothing when invisible or disabled; else OnClick, the modal result, the popup menu.
    void click();

    // --- what the user did, reported by the view ---
    void userMouseDown(MouseButton button, unsigned shift, int x, int y);
    void userMouseUp(MouseButton button, unsigned shift, int x, int y);
    void userMouseMove(unsigned shift, int x, int y);
    void userMouseEnter();
    void userMouseLeave();
    void userKeyDown(unsigned key, unsigned shift);
    void userKeyUp(unsigned key, unsigned shift);
    // The form offers a key its focused control left alone; true when this button used it.
    bool userDialogKey(unsigned key, unsigned shift);
    // The form offers a typed character as an access key; true when it is this button's.
    bool userAccessKey(char ch);
    void userFocusGained();
    void userFocusLost();
    // The system's click notification for the button.
    void userClick() { click(); }

    // --- events ---
    std::function<void()> OnMouseEnter, OnMouseLeave;
    std::function<void(MouseButton, unsigned shift, int x, int y)> OnMouseDown, OnMouseUp;
    std::function<void(unsigned shift, int x, int y)> OnMouseMove;
    std::function<void(unsigned key, unsigned shift)> OnKeyDown, OnKeyUp;

    // --- the owning form and the view ---
    std::function<void(int)> onModalResult;            // the form stores it as its modal result
    std::function<void()> onDefaultChanged;            // the form re-evaluates its default button
    std::function<void(Menu&, int x, int y)> onPopup;  // client point where the menu's corner goes
    std::function<void()> requestFocus;                // the view moves the real focus here

private:
    void repaint();
    template <typename T>
    void write(T& field, T value) {
        if (field == value) return;
        field = value;
        repaint();
    }
    // Writers of the colours a preset sets: a new value makes the style custom.
    template <typename T>
    void writeCustom(T& field, T value) {
        if (field == value) return;
        field = value;
        btnColorStyle_ = TBtnColorStyle::bcsCustom;
        repaint();
    }
    void takeFocus();

    TAlignment alignment_ = TAlignment::taCenter;
    TBtnColorStyle btnColorStyle_ = TBtnColorStyle::bcsCustom;
    bool cancel_ = false;
    bool default_ = false;
    Color downColor_ = colors::clNone;
    bool downBold_ = false;
    bool flatBorder_ = false;
    Bitmap glyph_;
    bool hotTrackBold_ = false;
    Color hotTrackColor_ = colors::clNone;
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    Color lightColor_ = colors::clWhite;
    int margin_ = 4;
    int modalResult_ = 0;
    TModernBtnStyle modernBtnStyle_ = TModernBtnStyle::bsNormal;
    int numGlyphs_ = 1;
    bool roundCorner_ = true;
    Color shadowColor_ = colors::clGray;
    int spacing_ = 4;
    Menu* popupMenu_ = nullptr;

    bool pressed_ = false;
    bool hot_ = false;
    bool hasFocus_ = false;
};

class ChromeBitBtn final : public ChromeCustomButton {
public:
    using ChromeCustomButton::ChromeCustomButton;
};

// The access key of a caption: the character after a single "&", or 0 when there is none.
char accessKeyOf(const std::string& caption);

}  // namespace controls
