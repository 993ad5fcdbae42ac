// Folder rebirth: a ticked folder whose window was closed outside the program comes back when
// the user presses Refresh, as a new window at the size of the work area.
#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "session.h"

namespace {

RECT workArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

std::string describeRect(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

}  // namespace

E2E_TEST(refresh_reopens_a_ticked_folder_closed_from_outside) {
    e2e::Session session;
    const std::wstring pathA = e2e::testFolder(L"项目甲");
    const std::wstring pathB = e2e::testFolder(L"资料乙");
    const std::wstring pathC = e2e::testFolder(L"照片丙");
    HWND windowA = e2e::openFolderWindow(pathA);
    REQUIRE(windowA != nullptr);
    REQUIRE(e2e::openFolderWindow(pathB) != nullptr);
    REQUIRE(e2e::openFolderWindow(pathC) != nullptr);

    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    REQUIRE(program.waitForEntries([](const auto& entries) { return entries.size() == 3; }));
    REQUIRE_EQ(program.names(), (std::vector<std::wstring>{L"照片丙", L"资料乙", L"项目甲"}));

    // Protect 照片丙 and 项目甲; then 项目甲's window is closed by someone else.
    REQUIRE(program.toggleTick(0));
    REQUIRE(program.toggleTick(2));
    e2e::clearStandInLaunches();
    REQUIRE(PostMessageW(windowA, WM_CLOSE, 0, 0));
    REQUIRE(e2e::waitUntil([&] { return !IsWindow(windowA); }, 5000));

    REQUIRE(program.pressButton(L"刷新"));
    const std::wstring reborn = L"文件夹自动重生过程结束，共恢复文件夹数1个";
    CHECK_EQ(program.waitForStatus(reborn, 20000), reborn);

    // Listed again at the end, ticked and selected; the other tick stayed on its folder.
    CHECK_EQ(program.entries(),
             (std::vector<e2e::ListEntry>{{L"照片丙", true}, {L"资料乙", false}, {L"项目甲", true}}));
    CHECK_EQ(program.selectedIndex(), 2);

    // A new window of the folder, asked for minimised and without activation, now at the top-left
    // corner with the screen's width and the work area's height.
    const std::vector<std::wstring> launches = e2e::standInLaunches();
    REQUIRE_EQ(launches.size(), 1u);
    CHECK_EQ(launches[0], L"7\t/n," + pathA + L"\topened");
    HWND rebornWindow = e2e::findStandInWindow(L"项目甲");
    REQUIRE(rebornWindow != nullptr);
    CHECK(rebornWindow != windowA);
    CHECK_EQ(e2e::standInAddress(rebornWindow), L"地址: " + pathA);
    CHECK(IsWindowVisible(rebornWindow));
    CHECK(!IsIconic(rebornWindow));
    // Brought to the front and shown normally: it is the active window now.
    CHECK(GetForegroundWindow() == rebornWindow);
    const RECT expected{0, 0, GetSystemMetrics(SM_CXSCREEN), workArea().bottom - workArea().top};
    const RECT actual = e2e::windowRect(rebornWindow);
    CHECK_EQ(describeRect(actual), describeRect(expected));
    CHECK_EQ(e2e::standInWindows().size(), 3u);
    e2e::screenshot(L"reborn-folder-window", rebornWindow);

    // A second refresh finds every protected folder open.
    REQUIRE(program.pressButton(L"刷新"));
    const std::wstring nothingLost = L"刷新结束，有效的受保护文件夹一个也没有被系统关闭";
    CHECK_EQ(program.waitForStatus(nothingLost, 10000), nothingLost);
    CHECK_EQ(e2e::standInLaunches().size(), 1u);
}

E2E_TEST(refresh_reopens_an_xp_style_folder_titled_with_its_full_path) {
    e2e::Session session;
    // Windows XP with "show the full path in the title bar": the title is the path, and the path
    // is read from the address edit box.
    REQUIRE(e2e::configureStandInExplorer(e2e::ExplorerStyle::Xp, e2e::ExplorerTitle::FullPath));
    const std::wstring pathA = e2e::testFolder(L"项目甲");
    const std::wstring pathB = e2e::testFolder(L"资料乙");
    HWND windowA = e2e::openFolderWindow(pathA);
    REQUIRE(windowA != nullptr);
    REQUIRE_EQ(e2e::windowTitle(windowA), pathA);
    REQUIRE(e2e::openFolderWindow(pathB) != nullptr);

    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    // Listed by the folders' names, although the titles are paths.
    REQUIRE(program.waitForEntries([](const auto& entries) { return entries.size() == 2; }));
    REQUIRE_EQ(program.names(), (std::vector<std::wstring>{L"资料乙", L"项目甲"}));
    REQUIRE(program.selectEntry(1));
    CHECK_EQ(program.waitForStatus(L"当前地址：" + pathA), L"当前地址：" + pathA);

    REQUIRE(program.toggleTick(1));
    REQUIRE(PostMessageW(windowA, WM_CLOSE, 0, 0));
    REQUIRE(e2e::waitUntil([&] { return !IsWindow(windowA); }, 5000));
    REQUIRE(program.pressButton(L"刷新"));
    const std::wstring reborn = L"文件夹自动重生过程结束，共恢复文件夹数1个";
    CHECK_EQ(program.waitForStatus(reborn, 20000), reborn);
    CHECK_EQ(program.entries(), (std::vector<e2e::ListEntry>{{L"资料乙", false}, {L"项目甲", true}}));
    HWND rebornWindow = e2e::findStandInWindow(pathA);
    REQUIRE(rebornWindow != nullptr);
    CHECK(rebornWindow != windowA);
    CHECK(!IsIconic(rebornWindow));
}
