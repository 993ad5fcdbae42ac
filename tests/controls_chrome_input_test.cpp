#include <gtest/gtest.h>

#include "controls/check_list_box.h"
#include "controls/chrome_button.h"
#include "controls/dialog_keys.h"
#include "controls/main_window_themed_controls.h"
#include "controls/virtual_keys.h"

using controls::ChromeBitBtn;
using controls::MouseButton;
using controls::TBitBtnKind;
using controls::TBtnColorStyle;
namespace colors = controls::colors;
namespace vk = controls::vk;
namespace shift = controls::shift;

namespace {

// A button on a form that counts its clicks and repaints; the form offers it its keys.
struct OnForm {
    ChromeBitBtn button{"Button1"};
    controls::DialogKeyTargets form;
    int clicks = 0;
    int repaints = 0;

    OnForm() {
        form.add(button);
        button.setCaption("&Go");
        button.OnClick = [this] { ++clicks; };
        button.onChanged = [this] { ++repaints; };
    }
    void press() {
        button.userMouseEnter();
        button.userMouseDown(MouseButton::Left, shift::Left, 10, 10);
    }
};

TEST(ChromeMouse, PressAndReleaseOverTheButtonClicksOnce) {
    OnForm f;
    f.press();
    EXPECT_TRUE(f.button.pressed());
    EXPECT_TRUE(f.button.hasFocus());
    EXPECT_EQ(f.clicks, 0);
    f.button.userMouseUp(MouseButton::Left, 0, 10, 10);
    EXPECT_FALSE(f.button.pressed());
    EXPECT_EQ(f.clicks, 1);
}

// Still held when the mouse moves off, the button shows pressed again when it returns; the
// release clicks only over the button.
TEST(ChromeMouse, ReleasingOffTheButtonDoesNotClickButComingBackFirstDoes) {
    OnForm f;
    f.press();
    f.button.userMouseLeave();
    EXPECT_TRUE(f.button.pressed());
    f.button.userMouseUp(MouseButton::Left, 0, 200, 10);
    EXPECT_EQ(f.clicks, 0);
    EXPECT_FALSE(f.button.pressed());
    f.press();
    f.button.userMouseLeave();
    f.button.userMouseEnter();
    f.button.userMouseUp(MouseButton::Left, 0, 10, 10);
    EXPECT_EQ(f.clicks, 1);
}

// A release, by mouse, Enter or Space, without the press before it.
TEST(ChromeMouse, ReleaseWithoutPressDoesNotClick) {
    OnForm f;
    f.button.userMouseEnter();
    f.button.userMouseUp(MouseButton::Left, 0, 10, 10);
    f.button.userKeyUp(vk::Return, 0);
    f.button.userKeyUp(vk::Space, 0);
    EXPECT_EQ(f.clicks, 0);
}

TEST(ChromeMouse, DisabledButtonIsNeitherPressedNorClicked) {
    OnForm f;
    int downs = 0;
    f.button.OnMouseDown = [&downs](MouseButton, unsigned, int, int) { ++downs; };
    f.button.setEnabled(false);
    f.press();
    EXPECT_EQ(downs, 1);  // the framework's mouse event still arrives
    EXPECT_FALSE(f.button.pressed());
    EXPECT_FALSE(f.button.hasFocus());
    f.button.userMouseUp(MouseButton::Left, 0, 10, 10);
    f.button.click();
    EXPECT_EQ(f.clicks, 0);
}

TEST(ChromeMouse, HotStateFollowsEnterAndLeaveWithTheirEvents) {
    OnForm f;
    int enters = 0, leaves = 0;
    f.button.OnMouseEnter = [&enters] { ++enters; };
    f.button.OnMouseLeave = [&leaves] { ++leaves; };
    f.button.userMouseEnter();
    EXPECT_TRUE(f.button.hot());
    f.button.userMouseLeave();
    EXPECT_FALSE(f.button.hot());
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
}

TEST(ChromeKeys, EnterOrSpaceClicksOnRelease) {
    for (unsigned key : {vk::Return, vk::Space}) {
        OnForm f;
        f.button.userKeyDown(key, 0);
        EXPECT_TRUE(f.button.pressed());
        EXPECT_EQ(f.clicks, 0);
        f.button.userKeyUp(key, 0);
        EXPECT_EQ(f.clicks, 1);
    }
}

TEST(ChromeKeys, OtherKeysGoToTheKeyEventsAndOnlyArrowsOnRelease) {
    OnForm f;
    std::vector<unsigned> downs, ups;
    f.button.OnKeyDown = [&downs](unsigned key, unsigned) { downs.push_back(key); };
    f.button.OnKeyUp = [&ups](unsigned key, unsigned) { ups.push_back(key); };
    f.button.userKeyDown('A', 0);
    f.button.userKeyDown(vk::Return, 0);
    f.button.userKeyUp('A', 0);  // releases the button without a click: only Enter or Space click
    f.button.userKeyUp(vk::Down, 0);
    EXPECT_EQ(downs, (std::vector<unsigned>{'A'}));
    EXPECT_EQ(ups, (std::vector<unsigned>{vk::Down}));
    EXPECT_EQ(f.clicks, 0);
    EXPECT_FALSE(f.button.pressed());
}

TEST(ChromeDialogKeys, EnterClicksTheDefaultButtonWhenTheFormOffersIt) {
    OnForm ok, other;
    controls::DialogKeyTargets form;
    form.add(other.button);
    form.add(ok.button);
    ok.button.setDefault(true);
    EXPECT_TRUE(form.offerDialogKey(vk::Return, 0));
    EXPECT_EQ(ok.clicks, 1);
    EXPECT_EQ(other.clicks, 0);
    // Esc is nobody's: no Cancel button.
    EXPECT_FALSE(form.offerDialogKey(vk::Escape, 0));
    // With Shift, Ctrl or Alt held Enter is not the default button's.
    EXPECT_FALSE(form.offerDialogKey(vk::Return, shift::Ctrl));
    EXPECT_EQ(ok.clicks, 1);
}

TEST(ChromeDialogKeys, CancelClearsDefaultAndDefaultClearsCancel) {
    OnForm f;
    f.button.setDefault(true);
    f.button.setCancel(true);
    EXPECT_FALSE(f.button.isDefault());
    EXPECT_FALSE(f.form.offerDialogKey(vk::Return, 0));
    EXPECT_TRUE(f.form.offerDialogKey(vk::Escape, 0));
    EXPECT_EQ(f.clicks, 1);
    f.button.setDefault(true);
    EXPECT_FALSE(f.button.cancel());
    // Clearing one does not set the other.
    f.button.setDefault(false);
    EXPECT_FALSE(f.button.cancel());
}

TEST(ChromeDialogKeys, SettingDefaultAsksTheFormToLookAgain) {
    OnForm f;
    int asks = 0;
    f.button.onDefaultChanged = [&asks] { ++asks; };
    f.button.setDefault(true);
    f.button.setDefault(true);
    EXPECT_EQ(asks, 1);
}

TEST(ChromeDialogKeys, OfferedKeyReleasesAPressedButton) {
    OnForm f;
    f.press();
    f.form.offerDialogKey(vk::Escape, 0);
    EXPECT_FALSE(f.button.pressed());
    f.button.userMouseUp(MouseButton::Left, 0, 10, 10);
    EXPECT_EQ(f.clicks, 0);
}

TEST(ChromeDialogKeys, DefaultButtonThatCannotTakeFocusIsPassedOver) {
    OnForm f;
    f.button.setDefault(true);
    f.button.setVisible(false);
    EXPECT_FALSE(f.form.offerDialogKey(vk::Return, 0));
    EXPECT_EQ(f.clicks, 0);
}

TEST(ChromeAccessKeys, TheLetterAfterTheAmpersandClicksAtOnce) {
    OnForm f;
    EXPECT_TRUE(f.form.offerAccessKey('g'));
    EXPECT_EQ(f.clicks, 1);
    EXPECT_FALSE(f.form.offerAccessKey('o'));
    EXPECT_EQ(controls::accessKeyOf("A&&B"), 0);
    EXPECT_EQ(controls::accessKeyOf("A&&B&c"), 'c');
    EXPECT_EQ(controls::accessKeyOf("Go&"), 0);
    f.button.setEnabled(false);
    EXPECT_FALSE(f.form.offerAccessKey('g'));
}

// Another window taking the focus while the button is held (by mouse, Space or Enter) releases
// it without a click, and the release that follows finds nothing pressed. Unpressed, the focus
// loss only repaints.
TEST(ChromeFocus, LosingTheFocusReleasesWithoutAClick) {
    struct Case {
        const char* name;
        void (*hold)(OnForm&);
        void (*letGo)(OnForm&);
    };
    const Case cases[] = {
        {"mouse", [](OnForm& f) { f.press(); }, [](OnForm& f) { f.button.userMouseUp(MouseButton::Left, 0, 10, 10); }},
        {"space", [](OnForm& f) { f.button.userKeyDown(vk::Space, 0); },
         [](OnForm& f) { f.button.userKeyUp(vk::Space, 0); }},
        {"enter", [](OnForm& f) { f.button.userKeyDown(vk::Return, 0); },
         [](OnForm& f) { f.button.userKeyUp(vk::Return, 0); }},
        {"not held", [](OnForm& f) { f.button.userFocusGained(); }, [](OnForm&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OnForm f;
        c.hold(f);
        const int before = f.repaints;
        f.button.userFocusLost();
        EXPECT_FALSE(f.button.hasFocus());
        EXPECT_FALSE(f.button.pressed());
        EXPECT_GT(f.repaints, before);
        c.letGo(f);
        EXPECT_EQ(f.clicks, 0);
        // The button still works afterwards.
        f.press();
        f.button.userMouseUp(MouseButton::Left, 0, 10, 10);
        EXPECT_EQ(f.clicks, 1);
    }
}

TEST(ChromeFocus, MousePressMovesTheFormsFocusToTheButton) {
    controls::FocusOwner focus;
    controls::CheckListBox list("CheckListBox1");
    OnForm f;
    list.attachFocus(&focus);
    f.button.attachFocus(&focus);
    list.setFocus();
    f.press();
    EXPECT_TRUE(f.button.focused());
    EXPECT_FALSE(list.focused());
}

TEST(ChromeClick, ModalResultGoesToTheOwningFormAndPopupOpensBelow) {
    OnForm f;
    std::vector<int> results;
    f.button.onModalResult = [&results](int r) { results.push_back(r); };
    f.button.setModalResult(5);
    controls::Menu menu("PopupMenu1");
    f.button.setPopupMenu(&menu);
    std::pair<int, int> corner{-1, -1};
    f.button.onPopup = [&corner](controls::Menu&, int x, int y) { corner = {x, y}; };
    f.button.userClick();
    EXPECT_EQ(f.clicks, 1);
    EXPECT_EQ(results, (std::vector<int>{5}));
    EXPECT_EQ(corner, (std::pair<int, int>{0, 25}));
    f.button.setVisible(false);
    f.button.userClick();
    EXPECT_EQ(f.clicks, 1);
}

TEST(ChromeClick, ModalResultWithoutAModalFormHasNoFurtherEffect) {
    ChromeBitBtn Button4("Button4"), Button1("Button1"), Button2("Button2"), Button3("Button3");
    controls::designPanelButtons(Button4, Button1, Button2, Button3);
    int refreshes = 0;
    Button4.OnClick = [&refreshes] { ++refreshes; };
    Button4.userMouseEnter();
    Button4.userMouseDown(MouseButton::Left, 0, 5, 5);
    Button4.userMouseUp(MouseButton::Left, 0, 5, 5);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(Button4.modalResult(), 5);
}

TEST(ChromeProperties, PresetsFillTheColoursAndCustomColoursLeaveThePreset) {
    ChromeBitBtn b("B");
    EXPECT_EQ(b.width(), 75);
    EXPECT_EQ(b.height(), 25);
    EXPECT_EQ(b.color, colors::clBtnFace);
    b.setBtnColorStyle(TBtnColorStyle::bcsGold);
    EXPECT_EQ(b.color, 0x00C0C0u);
    EXPECT_EQ(b.lightColor(), 0x00FFFFu);
    EXPECT_EQ(b.shadowColor(), 0x008080u);
    EXPECT_EQ(b.hotTrackColor(), 0x00DFDFu);
    EXPECT_EQ(b.modernBtnStyle(), controls::TModernBtnStyle::bsModern);
    b.setLightColor(0x00FFFF);  // the same value: still gold
    b.setDownColor(0x0000FF);
    b.setColor(colors::clSilver);
    EXPECT_EQ(b.btnColorStyle(), TBtnColorStyle::bcsGold);
    b.setShadowColor(colors::clBlack);
    EXPECT_EQ(b.btnColorStyle(), TBtnColorStyle::bcsCustom);

    b.setBtnColorStyle(TBtnColorStyle::bcsFlat1);
    EXPECT_EQ(b.color, colors::clBtnFace);
    EXPECT_TRUE(b.flatBorder());
    EXPECT_EQ(b.downColor(), 0xB59284u);
    b.setBtnColorStyle(TBtnColorStyle::bcsCustom);  // stores the value only
    EXPECT_EQ(b.btnColorStyle(), TBtnColorStyle::bcsCustom);
    EXPECT_TRUE(b.flatBorder());
}

TEST(ChromeProperties, StateOnlyWritersRepaintOnlyInTheirState) {
    OnForm f;
    f.repaints = 0;
    f.button.setDownColor(colors::clYellow);
    f.button.setDownBold(true);
    f.button.setHotTrackBold(true);
    f.button.setHotTrackColor(colors::clYellow);
    EXPECT_EQ(f.repaints, 0);
    f.button.userMouseEnter();
    f.repaints = 0;
    f.button.setHotTrackBold(false);
    f.button.setHotTrackColor(colors::clWhite);
    f.button.setDownBold(false);  // not pressed
    EXPECT_EQ(f.repaints, 2);
    f.button.userMouseDown(MouseButton::Left, 0, 1, 1);
    f.repaints = 0;
    f.button.setDownColor(colors::clWhite);
    EXPECT_EQ(f.repaints, 1);
    f.button.setNumGlyphs(1);  // always repaints
    f.button.setMargin(4);     // unchanged: no repaint
    EXPECT_EQ(f.repaints, 2);
}

TEST(ChromeProperties, KindPresetsGiveGlyphCaptionAndModalResult) {
    ChromeBitBtn b("B");
    b.setKind(TBitBtnKind::bkOK);
    EXPECT_EQ(b.kind(), TBitBtnKind::bkOK);
    EXPECT_EQ(b.caption(), "&OK");
    EXPECT_EQ(b.modalResult(), 1);
    EXPECT_EQ(b.numGlyphs(), 2);
    EXPECT_EQ(b.glyph().width(), 36);
    EXPECT_EQ(b.glyph().height(), 18);

    b.setKind(TBitBtnKind::bkAll);
    EXPECT_EQ(b.glyph().height(), 19);
    EXPECT_EQ(b.numGlyphs(), 2);  // not width / height: the preset says two
    EXPECT_EQ(b.modalResult(), 8);

    b.setKind(TBitBtnKind::bkHelp);
    EXPECT_EQ(b.modalResult(), 0);
    EXPECT_EQ(b.caption(), "&Help");

    b.setModalResult(2);  // any modal result makes the kind custom
    EXPECT_EQ(b.kind(), TBitBtnKind::bkCustom);
    b.setKind(TBitBtnKind::bkCancel);
    b.setGlyph(controls::Bitmap(16, 16, colors::clFuchsia));  // so does a glyph of one's own
    EXPECT_EQ(b.kind(), TBitBtnKind::bkCustom);
    EXPECT_EQ(b.caption(), "&Cancel");
}

TEST(ChromeProperties, EveryKindHasAStripWithATransparentLowerLeftPixel) {
    for (int k = 1; k <= 10; ++k) {
        ChromeBitBtn b("B");
        b.setKind(static_cast<TBitBtnKind>(k));
        ASSERT_EQ(b.glyph().width(), 36) << k;
        const controls::Color background = b.glyph().at(0, b.glyph().height() - 1);
        EXPECT_EQ(b.glyph().at(18, b.glyph().height() - 1), background) << k;
        int drawn = 0;
        for (int y = 0; y < b.glyph().height(); ++y) {
            for (int x = 0; x < 18; ++x) drawn += b.glyph().at(x, y) != background;
        }
        EXPECT_GT(drawn, 10) << k;
    }
}

}  // namespace
