// The tray icon component on a simulated shell and application window: mouse routing, the
// shift state of its events, the hint limit, failures to add or remove the icon, minimise and
// restore, the animation step and the re-add after the taskbar restarts.
#include <gtest/gtest.h>

#include "controls/tray_icon_rules.h"

namespace {

using controls::TrayIconMessage;
using controls::TrayMouse;
namespace shift = controls::tray_shift;

// A notification area and an application window as the user would see them, plus a log of
// what the component told its owner, in order.
struct SimTray : controls::TrayIconRules {
    bool inTray = false, shellAccepts = true, appMinimised = false, buttonHidden = false, inFront = false;
    bool timerTicking = false;
    int images = -1, shownImage = -1, tipSent = 0;
    std::string tip, log;

    SimTray() {
        onClick = [this] { log += "click "; };
        onDblClick = [this] { log += "dblclick "; };
        onMouseDown = [this](controls::TrayMouseButton b, unsigned s, int x, int y) { event("down", b, s, x, y); };
        onMouseUp = [this](controls::TrayMouseButton b, unsigned s, int x, int y) { event("up", b, s, x, y); };
        onMuuseMove = [this](unsigned s, int, int) { log += "move" + std::to_string(s) + " "; };
        onError = [this](const std::string& text) { log += "error:" + text + " "; };
    }
    void event(const char* what, controls::TrayMouseButton b, unsigned s, int x, int y) {
        log += std::string(what) + "LRM"[static_cast<int>(b)] + std::to_string(s) + "@" + std::to_string(x) + "," +
               std::to_string(y) + " ";
    }

    void showMenuAtCursor() override { log += "menu "; }
    bool shellAdd() override { return shellAccepts && !inTray ? (inTray = true) : false; }
    bool shellRemove() override { return shellAccepts && inTray ? !(inTray = false) : false; }
    void shellModify() override {}
    void storeTip(const std::string& t) override { tip = t, ++tipSent; }
    int imageCount() const override { return images; }
    void takeImage(int index) override { shownImage = index; }
    void takeApplicationIcon() override { shownImage = -1; }
    void timerChanged() override { timerTicking = timerRuns(); }
    bool applicationMinimised() override { return appMinimised; }
    void minimiseApplication() override { appMinimised = true, inFront = false; }
    void restoreApplication() override { appMinimised = false; }
    void hideApplicationWindow() override { buttonHidden = true; }
    void bringApplicationBack() override {
        buttonHidden = false, inFront = true;
        log += "restore ";
    }
};

struct Routing {
    TrayIconMessage restoreOn, popupMenuOn;
    bool listensForClicks;
    TrayMouse mouse;
    unsigned keys;
    const char* log;
};

TEST(TrayIconRouting, EachMouseActionRaisesItsEventsThenRestoresOrOpensTheMenu) {
    using M = TrayIconMessage;
    const Routing cases[] = {
        // the main window's settings: a left click runs its handler, the right release opens the menu
        {M::None, M::RightClickUp, true, TrayMouse::LeftDown, 0, "downL8@5,7 "},
        {M::None, M::RightClickUp, true, TrayMouse::LeftUp, 0, "click upL8@5,7 "},
        {M::None, M::RightClickUp, true, TrayMouse::RightUp, shift::Ctrl, "upR20@5,7 menu "},
        {M::None, M::RightClickUp, true, TrayMouse::LeftDoubleClick, 0, "dblclick "},
        {M::None, M::RightClickUp, true, TrayMouse::Move, shift::Shift, "move1 "},
        // without a click handler neither a click nor a move is reported, and imClick never restores
        {M::Click, M::None, false, TrayMouse::LeftUp, 0, "upL8@5,7 "},
        {M::Click, M::None, false, TrayMouse::Move, 0, ""},
        {M::Click, M::None, true, TrayMouse::LeftUp, 0, "restore click upL8@5,7 "},
        // restore comes first, then the menu, each inside or after the event as the action says
        {M::MouseUp, M::LeftClickUp, true, TrayMouse::LeftUp, 0, "click restore upL8@5,7 menu "},
        {M::DoubleClick, M::DoubleClick, false, TrayMouse::MiddleDoubleClick, 0, "restore menu dblclick "},
        {M::RightDoubleClick, M::LeftDoubleClick, false, TrayMouse::RightDoubleClick, 0, "dblclick restore "},
        {M::LeftDoubleClick, M::None, false, TrayMouse::LeftDoubleClick, 0, "dblclick restore "},
        {M::MouseDown, M::MouseDown, false, TrayMouse::MiddleDown, shift::Alt, "restore menu downM34@5,7 "},
        {M::RightClickUp, M::None, false, TrayMouse::MiddleUp, 0, "upM32@5,7 "},
        {M::None, M::None, false, TrayMouse::RightDown, shift::Shift | shift::Ctrl | shift::Alt, "downR23@5,7 "},
        {M::LeftClickUp, M::LeftClickUp, false, TrayMouse::Other, 0, ""},
    };
    for (const Routing& c : cases) {
        SimTray tray;
        tray.restoreOn = c.restoreOn;
        tray.popupMenuOn = c.popupMenuOn;
        if (!c.listensForClicks) tray.onClick = nullptr;
        tray.mouseNotification(c.mouse, c.keys, 5, 7);
        EXPECT_EQ(tray.log, c.log) << "mouse " << static_cast<int>(c.mouse) << " restoreOn "
                                   << static_cast<int>(c.restoreOn) << " popupMenuOn "
                                   << static_cast<int>(c.popupMenuOn);
    }
}

TEST(TrayIconPresence, ShowingAndRemovingTheIconSwitchTheTaskbarButtonOptionAndReportFailures) {
    SimTray tray;
    tray.storeHide(false);
    tray.setVisible(true);
    EXPECT_TRUE(tray.inTray && tray.hide() && tray.hookRegistered());
    tray.setVisible(true);  // the shell refuses a second add
    EXPECT_EQ(tray.log, std::string("error:") + controls::kTrayCannotCreate + " ");
    EXPECT_TRUE(tray.visible());

    tray.log.clear();
    tray.setVisible(false);
    EXPECT_FALSE(tray.inTray || tray.hide() || tray.hookRegistered());
    tray.setVisible(false);  // never added: the remove fails
    EXPECT_EQ(tray.log, std::string("error:") + controls::kTrayCannotRemove + " ");

    // A failed add leaves the hook unregistered and the option as it was.
    SimTray refused;
    refused.shellAccepts = false;
    refused.storeHide(false);
    refused.setVisible(true);
    EXPECT_TRUE(refused.visible());
    EXPECT_FALSE(refused.hide() || refused.hookRegistered());
}

TEST(TrayIconPresence, MinimiseHidesTheTaskbarButtonOnlyWithTheOptionAndRestoreBringsItBack) {
    for (bool hide : {true, false}) {
        SimTray tray;
        tray.setVisible(true);
        tray.storeHide(hide);
        tray.applicationCommand(controls::kSysCommandMinimize);
        EXPECT_TRUE(tray.appMinimised);
        EXPECT_EQ(tray.buttonHidden, hide);
        tray.applicationCommand(controls::kSysCommandRestore | 1);  // not masked: no restore
        EXPECT_TRUE(tray.appMinimised);
        tray.applicationCommand(controls::kSysCommandRestore);
        EXPECT_FALSE(tray.appMinimised || tray.buttonHidden);
        EXPECT_TRUE(tray.inFront);
    }
    // Switching the option on while minimised takes the button away at once; without the
    // icon in the tray the hook does not listen.
    SimTray tray;
    tray.setVisible(true);
    tray.storeHide(false);
    tray.minimize();
    tray.setHide(true);
    EXPECT_TRUE(tray.buttonHidden);
    tray.setVisible(false);
    tray.applicationCommand(controls::kSysCommandRestore);
    EXPECT_TRUE(tray.appMinimised);
}

TEST(TrayIconPresence, TheIconReturnsWhenTheTaskbarRestartsAndLeavesAtTheEndOfTheSession) {
    SimTray tray;
    tray.setVisible(true);
    tray.inTray = false;  // Explorer restarted with an empty tray
    tray.taskbarCreated();
    EXPECT_TRUE(tray.inTray);
    tray.sessionEnded();
    EXPECT_FALSE(tray.inTray);

    SimTray hidden;
    hidden.taskbarCreated();
    EXPECT_FALSE(hidden.inTray);
}

TEST(TrayIconHint, OnlyNewHintsBelowSixtyFourBytesReachTheShell) {
    SimTray tray;
    struct Step {
        std::string text, kept;
        int sent;  // tips sent to the shell so far
    };
    const Step steps[] = {
        {"Folvaric", "Folvaric", 1},
        {"Folvaric", "Folvaric", 1},  // unchanged: nothing is sent
        {std::string(63, 'x'), std::string(63, 'x'), 2},
        {std::string(64, 'y'), std::string(63, 'x'), 2},
        {"", "", 3},
    };
    for (const Step& step : steps) {
        tray.setHint(step.text);
        EXPECT_EQ(tray.hint(), step.kept) << step.text.size() << " bytes";
        EXPECT_EQ(tray.tip, step.kept) << step.text.size() << " bytes";
        EXPECT_EQ(tray.tipSent, step.sent) << step.text.size() << " bytes";
    }
}

TEST(TrayIconAnimation, StepsWrapAndTheTimerNeedsImagesAndAnInterval) {
    SimTray tray;
    tray.setAnimate(true);  // no images: not stored
    EXPECT_FALSE(tray.animate());
    tray.images = 3;
    tray.setAnimate(true);
    tray.setAnimateInterval(0);
    EXPECT_FALSE(tray.timerTicking);
    tray.setAnimateInterval(200);
    EXPECT_TRUE(tray.timerTicking);
    tray.iconIndex = 1;
    const int expected[] = {2, 0, 1};
    for (int image : expected) {
        tray.advanceIcon();
        EXPECT_EQ(tray.shownImage, image);
        EXPECT_EQ(tray.iconIndex, image);
    }
    tray.images = -1;
    tray.loaded();  // without images the animation stops and the application's icon is shown
    EXPECT_FALSE(tray.animate() || tray.timerTicking);
    EXPECT_EQ(tray.shownImage, -1);
}

}  // namespace
