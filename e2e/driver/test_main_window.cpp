// The program's main window: it appears with its caption at the size the start-up scaling gives
// for this screen, centred; the delivered program folder starts it without any box; closing it
// ends the process cleanly.
#include "check.h"
#include "desktop.h"
#include "folvaric_program.h"
#include "session.h"

namespace {

// The window is designed for 800 x 600 (574 x 483 outside) and grows with larger screens.
SIZE expectedOuterSize(SIZE screen) {
    if (screen.cx > 800 || (screen.cx == 800 && screen.cy > 600)) {
        return SIZE{screen.cx * 574 / 800, screen.cy * 483 / 600};
    }
    return SIZE{574, 483};
}

}  // namespace

E2E_TEST(main_window_opens_with_caption_at_the_scaled_size_centred) {
    e2e::Session session;
    e2e::Folvaric program;
    REQUIRE(program.start());
    HWND window = program.waitUntilShown();
    REQUIRE(window != nullptr);
    CHECK(program.messageBoxes().empty());

    CHECK(!IsIconic(window));
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    CHECK((style & WS_CAPTION) == WS_CAPTION);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK_EQ(e2e::windowTitle(window), std::wstring(e2e::kMainCaption));

    const SIZE screen = e2e::screenSize();
    const SIZE expected = expectedOuterSize(screen);
    const RECT rect = e2e::windowRect(window);
    CHECK_EQ(e2e::width(rect), expected.cx);
    CHECK_EQ(e2e::height(rect), expected.cy);
    CHECK_EQ(rect.left, (screen.cx - expected.cx) / 2);
    CHECK_EQ(rect.top, (screen.cy - expected.cy) / 2);

    // With no Explorer window open the start-up report says so.
    const std::wstring nothingOpen = L"windows资源管理器文件夹一个也没有打开，请打开windows资源管理器";
    CHECK_EQ(program.waitForStatus(nothingOpen), nothingOpen);
    CHECK(program.entries().empty());
    e2e::screenshot(L"main-window", window);
}

E2E_TEST(main_window_close_ends_the_process) {
    e2e::Session session;
    e2e::Folvaric program;
    REQUIRE(program.start());
    HWND window = program.waitUntilShown();
    REQUIRE(window != nullptr);

    REQUIRE(PostMessageW(window, WM_CLOSE, 0, 0));
    CHECK(program.process().waitForExit(5000));
    CHECK_EQ(program.process().exitCode(), 0u);
    CHECK(!IsWindow(window));
}

E2E_TEST(delivered_program_folder_starts_without_a_box) {
    e2e::Session session;
    const std::string settings = e2e::deliveredSettingsBytes();
    REQUIRE(!settings.empty());
    REQUIRE(e2e::writeFileBytes(e2e::settingsFile(), settings));
    REQUIRE(e2e::writeFileBytes(e2e::defaultSetFile(), e2e::deliveredDefaultSetBytes()));
    // The delivered settings load the last folder set at start; the delivered set is empty.
    const std::vector<std::wstring> lines = e2e::settingsLines();
    REQUIRE_EQ(lines.size(), 8u);
    CHECK_EQ(lines[7], L"1");
    CHECK_EQ(e2e::deliveredDefaultSetBytes(), std::string());

    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    // The settings file loads without a word, and an empty set is nothing to restore.
    const std::wstring nothingOpen = L"windows资源管理器文件夹一个也没有打开，请打开windows资源管理器";
    CHECK_EQ(program.waitForStatus(nothingOpen), nothingOpen);
    CHECK(!program.waitForMessageBox(L"出错", 2000));
    CHECK(program.messageBoxes().empty());
    e2e::screenshot(L"start-up-delivered", program.window());

    // The exit writes back what it loaded, and the (empty) ticked rows.
    REQUIRE(program.closeAndWait());
    CHECK_EQ(e2e::readFileBytes(e2e::settingsFile()), settings);
    CHECK(e2e::fileExists(e2e::defaultSetFile()));
    CHECK_EQ(e2e::readFileBytes(e2e::defaultSetFile()), std::string());
}

E2E_TEST(executable_carries_version_icon_and_manifest) {
    const std::wstring exe = e2e::programFile(L"Folvaric.exe");
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    REQUIRE(size > 0);
    std::string block(size, '\0');
    REQUIRE(GetFileVersionInfoW(exe.c_str(), 0, size, &block[0]));

    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translation = nullptr;
    UINT length = 0;
    REQUIRE(
        VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    REQUIRE(length >= sizeof(Translation));
    CHECK_EQ(translation->language, 0x0804);
    CHECK_EQ(translation->codePage, 936);

    auto value = [&](const wchar_t* name) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\080403a8\\") + name;
        wchar_t* text = nullptr;
        UINT chars = 0;
        if (!VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &chars) || !text) {
            return std::wstring(L"<missing>");
        }
        return std::wstring(text);
    };
    CHECK_EQ(value(L"ProductName"), L"Folvaric2.1");
    CHECK_EQ(value(L"OriginalFilename"), L"Folvaric.exe");
    // Non-ASCII text must survive the resource compiler as the same characters.
    CHECK_EQ(value(L"FileDescription"), L"资源管理器文件夹窗口守护");

    VS_FIXEDFILEINFO* fixed = nullptr;
    REQUIRE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    CHECK_EQ(HIWORD(fixed->dwFileVersionMS), 2);
    CHECK_EQ(LOWORD(fixed->dwFileVersionMS), 1);

    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    REQUIRE(module != nullptr);
    CHECK(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)) != nullptr);  // RT_GROUP_ICON
    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));   // RT_MANIFEST
    CHECK(manifest != nullptr);
    if (manifest) {
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
        const std::string text(bytes, SizeofResource(module, manifest));
        CHECK(text.find("Microsoft.Windows.Common-Controls") != std::string::npos);
        CHECK(text.find("version=\"6.0.0.0\"") != std::string::npos);
        CHECK(text.find(">true</dpiAware>") != std::string::npos);
        // The program relies on the system ANSI code page being GBK, never on a manifest override.
        CHECK(text.find("activeCodePage") == std::string::npos);
    }
    FreeLibrary(module);
}
