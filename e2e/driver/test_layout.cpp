// The main window's layout, measured from outside: the outer size the start-up scaling gives on
// the screen, and where the controls sit in the form's coordinates (its client area, where a
// form places its controls). The tests for a given screen size run on an X server of that size.
#include "check.h"
#include "desktop.h"
#include "folvaric_program.h"
#include "session.h"
#include "user_input.h"

namespace {

struct Box {
    int left, top, width, height;
    bool operator==(const Box& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

}  // namespace

namespace e2e {
std::string describe(const Box& b) {
    return "{" + std::to_string(b.left) + ", " + std::to_string(b.top) + ", " + std::to_string(b.width) + " x " +
           std::to_string(b.height) + "}";
}
}  // namespace e2e

namespace {

// A child window's rectangle in the coordinates of `parent`'s client area.
Box placeIn(HWND parent, HWND child) {
    RECT rect = e2e::windowRect(child);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return Box{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

struct Layout {
    Box outer;  // screen coordinates
    Box list, panel, status;
    std::vector<Box> buttons;  // in the panel
};

Layout measure(const e2e::Folvaric& program) {
    Layout layout;
    const RECT outer = e2e::windowRect(program.window());
    layout.outer = Box{outer.left, outer.top, e2e::width(outer), e2e::height(outer)};
    layout.list = placeIn(program.window(), program.list());
    layout.panel = placeIn(program.window(), program.panel());
    layout.status = placeIn(program.window(), program.statusLine());
    for (const wchar_t* caption : {L"刷新", L"全部最小化", L"全部 最大化", L"部分关闭 保留勾"}) {
        HWND button = program.button(caption);
        layout.buttons.push_back(button ? placeIn(program.panel(), button) : Box{0, 0, 0, 0});
    }
    return layout;
}

HWND startShown(e2e::Folvaric& program) {
    if (!program.start()) return nullptr;
    HWND window = program.waitUntilShown();
    // The layout is final once the start-up report is on the status line.
    if (window) e2e::waitUntil([&] { return !program.statusText().empty(); }, 5000);
    return window;
}

// What the layout rule keeps whatever the size: the panel's width, the buttons inside it, the
// status line's height, and the margins to the right and bottom edges.
void checkInvariants(const Layout& l) {
    CHECK_EQ(l.panel.width, 193);
    CHECK_EQ(l.status.height, 46);
    CHECK_EQ(l.list.left, 24);
    CHECK_EQ(l.list.top, 71);
    CHECK_EQ(l.panel.top, 71);
    CHECK_EQ(l.status.left, 24);
    CHECK_EQ(l.list.height, l.panel.height);
    CHECK_EQ(l.outer.width - (l.panel.left + l.panel.width), 45);
    CHECK_EQ(l.outer.height - (l.panel.top + l.panel.height), 147);
    CHECK_EQ(l.status.top - (l.panel.top + l.panel.height), 15);
    CHECK_EQ(l.panel.left - (l.list.left + l.list.width), 5);
    const int tops[] = {21, 80, 140, 200};
    for (std::size_t i = 0; i < l.buttons.size(); ++i) CHECK_EQ(l.buttons[i], (Box{15, tops[i], 161, 41}));
}

}  // namespace

E2E_TEST(layout_on_screen_1024x768) {
    e2e::requireScreen(1024, 768);
    e2e::Session session;
    e2e::Folvaric program;
    REQUIRE(startShown(program) != nullptr);
    const Layout l = measure(program);
    CHECK_EQ(l.outer, (Box{145, 75, 734, 618}));
    CHECK_EQ(l.list, (Box{24, 71, 467, 400}));
    CHECK_EQ(l.panel, (Box{496, 71, 193, 400}));
    CHECK_EQ(l.status, (Box{24, 486, 665, 46}));
    checkInvariants(l);
    e2e::screenshot(L"layout-1024x768", program.window());
}

E2E_TEST(layout_on_screen_1920x1080) {
    e2e::requireScreen(1920, 1080);
    e2e::Session session;
    e2e::Folvaric program;
    REQUIRE(startShown(program) != nullptr);
    const Layout l = measure(program);
    CHECK_EQ(l.outer, (Box{271, 105, 1377, 869}));
    CHECK_EQ(l.list, (Box{24, 71, 1110, 651}));
    CHECK_EQ(l.panel, (Box{1139, 71, 193, 651}));
    CHECK_EQ(l.status, (Box{24, 737, 1308, 46}));
    checkInvariants(l);
    e2e::screenshot(L"layout-1920x1080", program.window());
}

E2E_TEST(layout_follows_maximise_and_restore_on_screen_1024x768) {
    e2e::requireScreen(1024, 768);
    e2e::Session session;
    e2e::Folvaric program;
    HWND window = startShown(program);
    REQUIRE(window != nullptr);
    const Layout before = measure(program);

    // A double click on the caption maximises, as the maximise box does.
    const RECT outer = e2e::windowRect(window);
    const POINT caption{outer.left + 120,
                        outer.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    REQUIRE(e2e::doubleClickAt(caption));
    REQUIRE(e2e::waitUntil([&] { return IsZoomed(window) != FALSE; }, 5000));
    REQUIRE(e2e::waitUntil([&] { return measure(program).outer.width > before.outer.width; }, 5000));
    const Layout maximised = measure(program);
    CHECK_LE(1024, maximised.outer.width);
    CHECK_EQ(maximised.list.width, maximised.outer.width - 193 - 45 - 24 - 5);
    checkInvariants(maximised);

    // And the next restores the start-up layout.
    const RECT big = e2e::windowRect(window);
    const POINT bigCaption{big.left + 120, (std::max)(0L, big.top) + GetSystemMetrics(SM_CYCAPTION) / 2 + 2};
    REQUIRE(e2e::doubleClickAt(bigCaption));
    REQUIRE(e2e::waitUntil([&] { return !IsZoomed(window); }, 5000));
    REQUIRE(e2e::waitUntil([&] { return measure(program).outer == before.outer; }, 5000));
    const Layout restored = measure(program);
    CHECK_EQ(restored.list, before.list);
    CHECK_EQ(restored.panel, before.panel);
    CHECK_EQ(restored.status, before.status);
}
