// The program's main window: it appears with its caption and design size, and closing it ends
// the process cleanly.
#include "check.h"
#include "desktop.h"

namespace {

constexpr wchar_t kCaption[] = L"Folvaric2.1";
constexpr DWORD kStartTimeout = 15000;  // the first Wine start in a fresh prefix is slow

}  // namespace

E2E_TEST(main_window_opens_with_caption_and_design_size) {
    e2e::Process program;
    REQUIRE(program.start(e2e::programFile(L"Folvaric.exe")));
    HWND window = e2e::waitForTopLevel(kCaption, program.id(), kStartTimeout);
    REQUIRE(window != nullptr);

    CHECK(IsWindowVisible(window));
    CHECK(!IsIconic(window));
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    CHECK((style & WS_CAPTION) == WS_CAPTION);
    CHECK((style & WS_SYSMENU) != 0);

    const RECT rect = e2e::windowRect(window);
    CHECK_EQ(e2e::width(rect), 574);
    CHECK_EQ(e2e::height(rect), 483);
    // Centred on the screen when first shown.
    CHECK_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 574) / 2);
    CHECK_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 483) / 2);

    e2e::screenshot(L"main-window", window);
}

E2E_TEST(main_window_close_ends_the_process) {
    e2e::Process program;
    REQUIRE(program.start(e2e::programFile(L"Folvaric.exe")));
    HWND window = e2e::waitForTopLevel(kCaption, program.id(), kStartTimeout);
    REQUIRE(window != nullptr);

    REQUIRE(PostMessageW(window, WM_CLOSE, 0, 0));
    CHECK(program.waitForExit(5000));
    CHECK_EQ(program.exitCode(), 0u);
    CHECK(!IsWindow(window));
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
    REQUIRE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                           &length));
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
