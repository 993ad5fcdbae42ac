// The main window's menus as the user opens them: the Edit menu from the menu bar by keyboard,
// the list's context menu with the right button. Each is photographed open and then used.
#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "session.h"
#include "shell_surfaces.h"
#include "user_input.h"

namespace {

const std::wstring kAllTicked =
    L"你已经保护了所有文件夹，如果在windows中被关闭，只要按下刷新，失去的所有文件夹就立刻重生！";
const std::wstring kInverted = L"打勾的文件夹被保护，如果在windows中被关闭，只要按下刷新，失去的文件夹就立刻重生！";

}  // namespace

E2E_TEST(edit_menu_and_context_menu_mark_the_folders) {
    e2e::Session session;
    e2e::Folvaric program;
    HWND window = program.startListing({L"项目甲", L"资料乙", L"照片丙"});
    REQUIRE(window != nullptr);
    REQUIRE(program.toggleTick(1));

    // The Edit menu ("编辑", second on the bar), opened from the keyboard; the pointer goes aside
    // first, so that the list's path tip is not in the picture.
    REQUIRE(e2e::movePointer(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1}));
    REQUIRE(e2e::pressKeys("F10 Right Down"));
    auto menus = e2e::waitForPopupMenus(program.processId());
    REQUIRE(!menus.empty());
    Sleep(300);  // the menu paints its owner-drawn items one by one
    e2e::screenshotArea(L"edit-menu", e2e::areaAround(window, menus));
    // Its third entry is "反向选择".
    REQUIRE(e2e::pressKeys("Down Down Return"));
    CHECK(e2e::waitUntil([&] { return e2e::popupMenusOf(program.processId()).empty(); }, 5000));
    CHECK_EQ(program.waitForStatus(kInverted), kInverted);
    CHECK_EQ(program.entries(),
             (std::vector<e2e::ListEntry>{{L"照片丙", true}, {L"资料乙", false}, {L"项目甲", true}}));

    // The context menu of the list, at the pointer; its first entry is "全部选择".
    const RECT entry = program.entryRect(1);
    REQUIRE(entry.right > entry.left);
    REQUIRE(
        e2e::clickOn(program.list(), POINT{entry.left + 80, (entry.top + entry.bottom) / 2}, e2e::MouseButton::Right));
    menus = e2e::waitForPopupMenus(program.processId());
    REQUIRE(!menus.empty());
    e2e::screenshotArea(L"context-menu", e2e::areaAround(window, menus));
    REQUIRE(e2e::pressKeys("Down Return"));
    CHECK(e2e::waitUntil([&] { return e2e::popupMenusOf(program.processId()).empty(); }, 5000));
    CHECK_EQ(program.waitForStatus(kAllTicked), kAllTicked);
    CHECK_EQ(program.entries(), (std::vector<e2e::ListEntry>{{L"照片丙", true}, {L"资料乙", true}, {L"项目甲", true}}));
}
