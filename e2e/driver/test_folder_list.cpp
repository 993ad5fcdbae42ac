// The list of folder windows: what the program shows for the Explorer windows on the desktop,
// in their Z order, and what it says about the selected one.
#include "check.h"
#include "clipboard.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "session.h"
#include "shell_surfaces.h"
#include "user_input.h"

namespace {

struct OpenFolder {
    std::wstring name;
    std::wstring path;
    HWND window = nullptr;
};

// Opens the folders in this order, so the last one ends up on top.
std::vector<OpenFolder> openFolders(const std::vector<std::wstring>& names) {
    std::vector<OpenFolder> folders;
    for (const auto& name : names) {
        const std::wstring path = e2e::testFolder(name);
        HWND window = e2e::openFolderWindow(path);
        if (!window) {
            e2e::note("the stand-in did not open " + e2e::describe(path));
            throw e2e::TestAborted{};
        }
        folders.push_back({name, path, window});
    }
    return folders;
}

std::vector<std::wstring> standInTitles() {
    std::vector<std::wstring> titles;
    for (HWND window : e2e::standInWindows()) titles.push_back(e2e::windowTitle(window));
    return titles;
}

const std::wstring kAllWell = L"启动一切正常，左面打勾的文件夹被保留，如果在系统中被关闭会自动重生，只要按刷新就回来了";

}  // namespace

E2E_TEST(folder_list_shows_three_windows_in_z_order_and_the_selected_path) {
    e2e::Session session;
    const auto folders = openFolders({L"项目甲", L"资料乙", L"照片丙"});
    // The desktop itself: the folder opened last is on top.
    REQUIRE_EQ(standInTitles(), (std::vector<std::wstring>{L"照片丙", L"资料乙", L"项目甲"}));

    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    CHECK(program.messageBoxes().empty());
    CHECK_EQ(program.waitForStatus(kAllWell), kAllWell);

    CHECK_EQ(program.entries(),
             (std::vector<e2e::ListEntry>{{L"照片丙", false}, {L"资料乙", false}, {L"项目甲", false}}));

    REQUIRE(program.selectEntry(1));
    CHECK_EQ(program.waitForStatus(L"当前地址：" + folders[1].path), L"当前地址：" + folders[1].path);
    REQUIRE(program.selectEntry(2));
    CHECK_EQ(program.waitForStatus(L"当前地址：" + folders[0].path), L"当前地址：" + folders[0].path);
    e2e::screenshot(L"main-window-with-folders", program.window());
}

E2E_TEST(refresh_follows_the_z_order_and_keeps_ticks_on_their_folders) {
    e2e::Session session;
    const auto folders = openFolders({L"项目甲", L"资料乙", L"照片丙"});
    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    REQUIRE(program.waitForEntries([](const auto& entries) { return entries.size() == 3; }));

    // Nothing ticked: the list is rebuilt and the report says nothing is protected.
    const std::wstring nothingProtected = L"刷新结束，你没有保护任何一个文件夹,如果左面打勾就可以保证自动重生";
    REQUIRE(program.pressButton(L"刷新"));
    CHECK_EQ(program.waitForStatus(nothingProtected), nothingProtected);

    // Tick 照片丙, then bring 项目甲 to the top of the desktop from outside.
    REQUIRE(program.toggleTick(0));
    REQUIRE(SetWindowPos(folders[0].window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    REQUIRE(e2e::waitUntil([] { return standInTitles().front() == L"项目甲"; }, 5000));

    const std::wstring nothingLost = L"刷新结束，有效的受保护文件夹一个也没有被系统关闭";
    REQUIRE(program.pressButton(L"刷新"));
    CHECK_EQ(program.waitForStatus(nothingLost), nothingLost);
    // The new order is the desktop's; the tick went with its folder.
    CHECK_EQ(program.entries(),
             (std::vector<e2e::ListEntry>{{L"项目甲", false}, {L"照片丙", true}, {L"资料乙", false}}));
    // Nothing was opened.
    CHECK(e2e::standInLaunches().size() == 3u);
    CHECK_EQ(e2e::standInWindows().size(), 3u);
}

E2E_TEST(copy_commands_put_the_status_line_and_the_selected_path_on_the_clipboard) {
    e2e::Session session;
    const auto folders = openFolders({L"项目甲", L"资料乙"});
    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    REQUIRE(program.waitForEntries([](const auto& entries) { return entries.size() == 2; }));
    REQUIRE(program.selectEntry(1));
    const std::wstring address = L"当前地址：" + folders[0].path;
    REQUIRE_EQ(program.waitForStatus(address), address);

    // A double click on the status line copies its text.
    REQUIRE(e2e::setClipboardAnsiText(L"before"));
    REQUIRE(e2e::doubleClickAt(e2e::centreOf(e2e::windowRect(program.statusLine()))));
    CHECK(e2e::waitUntil([&] { return e2e::clipboardAnsiText() == address; }, 5000));
    CHECK_EQ(e2e::clipboardAnsiText(), address);

    // The context menu's last entry, "复制", opens a submenu whose first entry copies the path.
    REQUIRE(e2e::setClipboardAnsiText(L"before"));
    const RECT entry = program.entryRect(1);
    REQUIRE(
        e2e::clickOn(program.list(), POINT{entry.left + 80, (entry.top + entry.bottom) / 2}, e2e::MouseButton::Right));
    REQUIRE(!e2e::waitForPopupMenus(program.processId()).empty());
    REQUIRE(e2e::pressKeys("Up Right"));
    const auto menus = e2e::waitForPopupMenus(program.processId(), 2);
    REQUIRE_EQ(menus.size(), 2u);
    e2e::screenshotArea(L"context-menu-copy", e2e::areaAround(program.window(), menus));
    REQUIRE(e2e::pressKeys("Return"));
    CHECK(e2e::waitUntil([&] { return e2e::clipboardAnsiText() == folders[0].path; }, 5000));
    CHECK_EQ(e2e::clipboardAnsiText(), folders[0].path);
}
