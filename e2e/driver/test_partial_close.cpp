// Partial close ("部分关闭 保留勾"): the ticked folders stay open, every other listed folder window
// is asked to close and leaves the list.
#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "session.h"

namespace {

std::vector<std::wstring> standInTitles() {
    std::vector<std::wstring> titles;
    for (HWND window : e2e::standInWindows()) titles.push_back(e2e::windowTitle(window));
    return titles;
}

}  // namespace

E2E_TEST(partial_close_keeps_the_ticked_windows_and_closes_the_others) {
    e2e::Session session;
    for (const wchar_t* name : {L"项目甲", L"资料乙", L"照片丙", L"文档丁"}) {
        REQUIRE(e2e::openFolderWindow(e2e::testFolder(name)) != nullptr);
    }
    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    REQUIRE(program.waitForEntries([](const auto& entries) { return entries.size() == 4; }));
    REQUIRE_EQ(program.names(), (std::vector<std::wstring>{L"文档丁", L"照片丙", L"资料乙", L"项目甲"}));

    REQUIRE(program.toggleTick(1));
    REQUIRE(program.toggleTick(3));
    REQUIRE(program.pressButton(L"部分关闭 保留勾"));

    const std::wstring done = L"部分关闭结束，共关闭文件夹数2个";
    CHECK_EQ(program.waitForStatus(done), done);
    CHECK_EQ(program.entries(), (std::vector<e2e::ListEntry>{{L"照片丙", true}, {L"项目甲", true}}));
    // The closed windows are gone from the desktop, the kept ones are still there.
    CHECK(e2e::waitUntil([] { return standInTitles().size() == 2; }, 5000));
    CHECK_EQ(standInTitles(), (std::vector<std::wstring>{L"照片丙", L"项目甲"}));

    // Nothing left to close: it says so and keeps both.
    REQUIRE(program.pressButton(L"部分关闭 保留勾"));
    const std::wstring nothing = L"部分关闭结束，没有关闭任何文件夹";
    CHECK_EQ(program.waitForStatus(nothing), nothing);
    CHECK_EQ(program.entries().size(), 2u);
    CHECK_EQ(standInTitles().size(), 2u);
}
