// Wine's own explorer.exe: a real Explorer whose folder windows show no path in their address
// box (it holds the folder's name). The program lists such a window but cannot protect it, and
// says so.
#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "session.h"

namespace {

const std::wstring kNoPathAdvice = L"文件夹自动重生保护失效，请在xp文件夹选项中设置地址栏显示完整路径，然后按刷新";

}  // namespace

E2E_TEST(wine_explorer_window_is_listed_and_its_unreadable_path_is_reported_at_start) {
    e2e::Session session;
    HWND explorer = e2e::openWineExplorerWindow(L"C:\\windows");
    REQUIRE(explorer != nullptr);
    const std::wstring name = e2e::windowTitle(explorer);
    CHECK_EQ(name, L"windows");

    e2e::Folvaric program;
    REQUIRE(program.start());
    // The notice comes once the window is on screen, before anything else.
    const e2e::MessageBoxSeen box = program.waitForMessageBox(L"友情提示", e2e::kStartTimeout);
    REQUIRE(box);
    CHECK_EQ(box.text, kNoPathAdvice);
    REQUIRE(program.waitUntilShown() != nullptr);
    e2e::screenshotArea(L"wine-explorer-notice", e2e::windowRect(program.window()));
    REQUIRE(e2e::pressOk(box));
    CHECK(program.messageBoxes().empty());

    // Listed by its name, unticked; the status line repeats the advice.
    CHECK_EQ(program.entries(), (std::vector<e2e::ListEntry>{{name, false}}));
    CHECK_EQ(program.waitForStatus(kNoPathAdvice), kNoPathAdvice);
    // Selecting it gives the advice again instead of a path.
    REQUIRE(program.selectEntry(0));
    CHECK_EQ(program.statusText(), kNoPathAdvice);
}

E2E_TEST(wine_explorer_window_beside_a_readable_one_shows_no_path) {
    e2e::Session session;
    HWND explorer = e2e::openWineExplorerWindow(L"C:\\windows");
    REQUIRE(explorer != nullptr);
    const std::wstring path = e2e::testFolder(L"项目甲");
    REQUIRE(e2e::openFolderWindow(path) != nullptr);

    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    // One readable path is enough: protection works, there is no notice.
    const std::wstring allWell =
        L"启动一切正常，左面打勾的文件夹被保留，如果在系统中被关闭会自动重生，只要按刷新就回来了";
    CHECK_EQ(program.waitForStatus(allWell), allWell);
    CHECK(program.messageBoxes().empty());
    // Listed in Z order; Wine's explorer may come forward when it has finished opening its window.
    const std::vector<e2e::ListEntry> entries = program.entries();
    REQUIRE_EQ(entries.size(), 2u);
    const int wine = entries[0].name == L"windows" ? 0 : 1;
    CHECK_EQ(entries[static_cast<std::size_t>(wine)], (e2e::ListEntry{L"windows", false}));
    CHECK_EQ(entries[static_cast<std::size_t>(1 - wine)], (e2e::ListEntry{L"项目甲", false}));

    REQUIRE(program.selectEntry(wine));
    const std::wstring noPath = L"路径没有找到，文件夹自动重生保护失效";
    CHECK_EQ(program.waitForStatus(noPath), noPath);
    REQUIRE(program.selectEntry(1 - wine));
    CHECK_EQ(program.waitForStatus(L"当前地址：" + path), L"当前地址：" + path);
}
