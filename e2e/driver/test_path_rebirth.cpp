// Folders whose paths the shell could take for others come back as themselves: one whose GBK
// path is longer than 255 bytes (cut there, it would name its parent) and one with a comma in
// its name (Explorer splits its command line at commas).
#include <algorithm>
#include <cwctype>

#include "check.h"
#include "desktop.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "program_folder.h"
#include "session.h"

namespace {

std::size_t gbkBytes(const std::wstring& text) {
    return e2e::toGbk(text).size();
}

std::string utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr, nullptr);
    return out;
}

// A folder whose path, in GBK, has its 256th byte on the backslash before its own name. Built of
// short components: Linux, under Wine, allows 255 bytes of UTF-8 per name.
std::wstring folderPastTwoHundredFiftyFiveBytes() {
    std::wstring parent = e2e::testFolder(L"长路径");
    while (gbkBytes(parent) + 1 + 2 * 70 < 255) {
        parent += L"\\" + std::wstring(70, L'深');
        CreateDirectoryW(parent.c_str(), nullptr);
    }
    const std::size_t missing = 255 - gbkBytes(parent) - 1;
    parent += L"\\" + std::wstring(missing / 2, L'层') + std::wstring(missing % 2, L'a');
    CreateDirectoryW(parent.c_str(), nullptr);
    const std::wstring folder = parent + L"\\末端";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

}  // namespace

E2E_TEST(rebirth_long_and_comma_paths) {
    e2e::Session session;
    const std::wstring longPath = folderPastTwoHundredFiftyFiveBytes();
    REQUIRE(gbkBytes(longPath) > 255);
    REQUIRE_EQ(e2e::toGbk(longPath)[255], '\\');
    // "照片" beside it is what an unquoted "/n,...\照片, 2020" would open.
    e2e::testFolder(L"照片");
    const std::wstring commaPath = e2e::testFolder(L"照片, 2020");
    HWND longWindow = e2e::openFolderWindow(longPath);
    HWND commaWindow = e2e::openFolderWindow(commaPath);
    REQUIRE(longWindow != nullptr && commaWindow != nullptr);

    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    REQUIRE(program.waitForEntries([](const auto& entries) { return entries.size() == 2; }));
    REQUIRE_EQ(program.names(), (std::vector<std::wstring>{L"照片, 2020", L"末端"}));
    REQUIRE(program.toggleTick(0));
    REQUIRE(program.toggleTick(1));

    e2e::clearStandInLaunches();
    for (HWND window : {longWindow, commaWindow}) REQUIRE(PostMessageW(window, WM_CLOSE, 0, 0));
    REQUIRE(e2e::waitUntil([&] { return !IsWindow(longWindow) && !IsWindow(commaWindow); }, 5000));
    REQUIRE(program.pressButton(L"刷新"));
    const std::wstring reborn = L"文件夹自动重生过程结束，共恢复文件夹数2个";
    CHECK_EQ(program.waitForStatus(reborn, 20000), reborn);
    CHECK_EQ(program.entries(), (std::vector<e2e::ListEntry>{{L"照片, 2020", true}, {L"末端", true}}));

    // Each asked for by its whole path, the one with a comma in quotes, and shown as itself.
    // Both asked for at once; the two stand-ins log in whichever order they start.
    std::vector<std::wstring> launches = e2e::standInLaunches();
    std::sort(launches.begin(), launches.end());
    std::vector<std::wstring> expected{L"7\t/n,\"" + commaPath + L"\"\topened", L"7\t/n," + longPath + L"\topened"};
    std::sort(expected.begin(), expected.end());
    CHECK_EQ(launches, expected);
    HWND rebornLong = e2e::findStandInWindow(L"末端");
    HWND rebornComma = e2e::findStandInWindow(L"照片, 2020");
    REQUIRE(rebornLong != nullptr && rebornComma != nullptr);
    CHECK_EQ(e2e::standInAddress(rebornLong), L"地址: " + longPath);
    CHECK_EQ(e2e::standInAddress(rebornComma), L"地址: " + commaPath);
    CHECK(e2e::findStandInWindow(L"照片") == nullptr);
    CHECK_EQ(e2e::standInWindows().size(), 2u);
    e2e::screenshot(L"reborn-long-and-comma-paths", program.window());

    // Closed: the ticked folders are written whole, as they were protected.
    REQUIRE(program.closeAndWait());
    const std::string saved = e2e::readFileBytes(e2e::defaultSetFile());
    CHECK_EQ(saved, e2e::folderSetBytes({{L"照片, 2020", commaPath}, {L"末端", longPath}}));

    // Edited in Notepad, which saves UTF-8 with a byte-order mark, one path typed in capitals;
    // the next start, loading the last set, brings both back as themselves.
    REQUIRE(e2e::closeAllFolderWindows());
    std::wstring typed = commaPath;
    for (wchar_t& c : typed) c = c < 0x80 ? static_cast<wchar_t>(towupper(c)) : c;
    REQUIRE(e2e::writeFileBytes(e2e::defaultSetFile(), "\xEF\xBB\xBF" + utf8(L"照片, 2020\r\n" + typed +
                                                                             L"\r\n末端\r\n" + longPath + L"\r\n")));
    REQUIRE(e2e::writeSettings(e2e::Settings{}));  // as delivered: the last set is loaded at start
    e2e::Folvaric restarted;
    REQUIRE(restarted.start());
    REQUIRE(restarted.waitUntilShown() != nullptr);
    CHECK_EQ(restarted.waitForStatus(reborn, 20000), reborn);
    CHECK(restarted.messageBoxes().empty());
    CHECK_EQ(restarted.entries(), (std::vector<e2e::ListEntry>{{L"照片, 2020", true}, {L"末端", true}}));
    CHECK_EQ(e2e::standInWindows().size(), 2u);
    REQUIRE(restarted.closeAndWait());
    CHECK_EQ(e2e::readFileBytes(e2e::defaultSetFile()), saved);
}
