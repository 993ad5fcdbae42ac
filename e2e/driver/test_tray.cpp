// The notification-area icon: there while the program runs (the delivered settings ask for it);
// a left click sends the program to the tray, hiding its window and taskbar button, and the next
// brings it back in front; with "自动刷新" on, coming back refreshes the list.
#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "session.h"
#include "shell_surfaces.h"

E2E_TEST(tray_icon_is_shown_and_a_left_click_toggles_the_window) {
    e2e::Session session;
    e2e::Folvaric program;
    HWND window = program.startShown();
    REQUIRE(window != nullptr);
    REQUIRE(e2e::waitUntil([] { return e2e::trayIconShown(); }, 5000));
    e2e::screenshot(L"tray-icon", e2e::wineTrayWindow());

    // To the tray: minimised and hidden, so it has no taskbar button either.
    REQUIRE(e2e::clickTrayIcon(e2e::MouseButton::Left));
    CHECK(e2e::waitUntil([&] { return IsIconic(window) && !IsWindowVisible(window); }, 5000));

    // Back: shown normally and in front.
    REQUIRE(e2e::clickTrayIcon(e2e::MouseButton::Left));
    CHECK(e2e::waitUntil([&] { return !IsIconic(window) && IsWindowVisible(window); }, 5000));
    CHECK(e2e::waitUntil([&] { return GetForegroundWindow() == window; }, 5000));

    // And once more, to see the toggle does not wear out.
    REQUIRE(e2e::clickTrayIcon(e2e::MouseButton::Left));
    CHECK(e2e::waitUntil([&] { return IsIconic(window) && !IsWindowVisible(window); }, 5000));
    REQUIRE(e2e::clickTrayIcon(e2e::MouseButton::Left));
    CHECK(e2e::waitUntil([&] { return !IsIconic(window) && IsWindowVisible(window); }, 5000));

    // The icon leaves with the program.
    REQUIRE(program.closeAndWait());
    CHECK(e2e::waitUntil([] { return !e2e::trayIconShown(); }, 5000));
}

E2E_TEST(restore_from_the_tray_refreshes_the_list_when_auto_refresh_is_on) {
    e2e::Settings settings = e2e::quietSettings();
    settings.autoRefresh = true;
    e2e::Session session(settings);
    e2e::Folvaric program;
    REQUIRE(program.start());
    HWND window = program.waitUntilShown();
    REQUIRE(window != nullptr);
    REQUIRE(program.entries().empty());
    REQUIRE(e2e::waitUntil([] { return e2e::trayIconShown(); }, 5000));

    // A folder opened while the program sits in the tray is listed when it comes back.
    REQUIRE(e2e::clickTrayIcon(e2e::MouseButton::Left));
    REQUIRE(e2e::waitUntil([&] { return IsIconic(window) && !IsWindowVisible(window); }, 5000));
    REQUIRE(e2e::openFolderWindow(e2e::testFolder(L"项目甲")) != nullptr);
    REQUIRE(e2e::clickTrayIcon(e2e::MouseButton::Left));
    REQUIRE(e2e::waitUntil([&] { return !IsIconic(window) && IsWindowVisible(window); }, 5000));
    CHECK(program.waitForEntries([](const auto& entries) { return entries.size() == 1; }));
    CHECK_EQ(program.entries(), (std::vector<e2e::ListEntry>{{L"项目甲", false}}));
    const std::wstring nothingProtected = L"刷新结束，你没有保护任何一个文件夹,如果左面打勾就可以保证自动重生";
    CHECK_EQ(program.waitForStatus(nothingProtected), nothingProtected);
}
