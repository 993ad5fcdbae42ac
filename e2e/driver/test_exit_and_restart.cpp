// The ticked set survives the program: the exit (here from the tray menu's "退出") writes the
// settings and the ticked folders, and the next start re-opens the folders whose windows are gone.
#include <algorithm>

#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "session.h"
#include "shell_surfaces.h"
#include "user_input.h"

E2E_TEST(exit_from_the_tray_menu_saves_the_ticked_set_and_a_restart_reopens_it) {
    // As delivered: the last set is loaded at start; it is empty at first, which is no error.
    const e2e::Settings settings;
    REQUIRE(settings.loadLastSet);
    e2e::Session session(settings);
    const std::wstring pathA = e2e::testFolder(L"项目甲");
    const std::wstring pathB = e2e::testFolder(L"资料乙");
    const std::wstring pathC = e2e::testFolder(L"照片丙");
    for (const auto& path : {pathA, pathB, pathC}) REQUIRE(e2e::openFolderWindow(path) != nullptr);

    {
        e2e::Folvaric program;
        REQUIRE(program.start());
        REQUIRE(program.waitUntilShown() != nullptr);
        REQUIRE(program.waitForEntries([](const auto& entries) { return entries.size() == 3; }));
        REQUIRE(program.toggleTick(0));  // 照片丙
        REQUIRE(program.toggleTick(2));  // 项目甲

        // 退出 is the last entry of the tray menu.
        int clicks = 0;
        const auto menus = e2e::openTrayMenu(program.processId(), &clicks);
        REQUIRE(!menus.empty());
        if (clicks > 1) e2e::note("the tray menu opened at right click " + std::to_string(clicks));
        std::vector<HWND> shown = menus;
        shown.push_back(e2e::wineTrayWindow());
        e2e::screenshotArea(L"tray-menu", e2e::areaAround(program.window(), shown));
        REQUIRE(e2e::pressKeys("Up Return"));
        REQUIRE(program.process().waitForExit(10000));
        CHECK_EQ(program.process().exitCode(), 0u);
    }

    // The files as the program writes them: GBK, CR LF, the ticked rows in list order.
    CHECK_EQ(e2e::readFileBytes(e2e::defaultSetFile()), e2e::folderSetBytes({{L"照片丙", pathC}, {L"项目甲", pathA}}));
    CHECK_EQ(e2e::readFileBytes(e2e::settingsFile()), e2e::settingsBytes(settings));
    CHECK(!e2e::trayIconShown());

    // Every folder window goes (as at a new log-on); the next start brings back the saved two.
    REQUIRE(e2e::closeAllFolderWindows());
    e2e::clearStandInLaunches();
    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    const std::wstring reborn = L"文件夹自动重生过程结束，共恢复文件夹数2个";
    CHECK_EQ(program.waitForStatus(reborn, 20000), reborn);
    CHECK(program.messageBoxes().empty());
    CHECK_EQ(program.entries(), (std::vector<e2e::ListEntry>{{L"照片丙", true}, {L"项目甲", true}}));
    CHECK(e2e::findStandInWindow(L"照片丙") != nullptr);
    CHECK(e2e::findStandInWindow(L"项目甲") != nullptr);
    CHECK(e2e::findStandInWindow(L"资料乙") == nullptr);
    // Both asked for at once; the two stand-ins log in whichever order they start.
    std::vector<std::wstring> launches = e2e::standInLaunches();
    std::sort(launches.begin(), launches.end());
    std::vector<std::wstring> expected{L"7\t/n," + pathC + L"\topened", L"7\t/n," + pathA + L"\topened"};
    std::sort(expected.begin(), expected.end());
    CHECK_EQ(launches, expected);

    // Closed again with nothing changed, it writes the same set.
    REQUIRE(program.closeAndWait());
    CHECK_EQ(e2e::readFileBytes(e2e::defaultSetFile()), e2e::folderSetBytes({{L"照片丙", pathC}, {L"项目甲", pathA}}));
}
