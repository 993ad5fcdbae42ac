// The stand-in Explorer itself: later tests trust it to look like Explorer from outside, so its
// windows are checked here exactly as the program will read them.
#include "check.h"
#include "desktop.h"
#include "folder_windows.h"

namespace {

constexpr DWORD kOpenTimeout = 10000;
const std::vector<std::wstring> kXpAddressChain = {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32", L"ComboBox",
                                                   L"Edit"};
const std::vector<std::wstring> kWin7AddressChain = {L"WorkerW",           L"ReBarWindow32",     L"Address Band Root",
                                                     L"msctls_progress32", L"Breadcrumb Parent", L"ToolbarWindow32"};

std::wstring standIn() {
    return e2e::programFile(L"Explorer.exe");
}

HWND waitForFolderWindow(const e2e::Process& explorer, const std::wstring& title) {
    return e2e::waitForTopLevel(title, explorer.id(), kOpenTimeout, L"CabinetWClass");
}

// What the program relies on for every folder window, whatever the style.
void checkFolderWindow(HWND window, const e2e::Process& explorer) {
    CHECK_EQ(e2e::className(window), L"CabinetWClass");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD expected = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPSIBLINGS;
    CHECK_EQ(style & expected, expected);
    CHECK_EQ(e2e::windowProcessId(window), explorer.id());
    // The program recognises Explorer by its executable's name, compared without case.
    const std::wstring image = e2e::fileNameOf(e2e::processImagePath(explorer.id()));
    CHECK(CompareStringOrdinal(image.c_str(), -1, L"explorer.exe", -1, TRUE) == CSTR_EQUAL);
}

void checkClosesOnRequest(HWND window, e2e::Process& explorer) {
    REQUIRE(PostMessageW(window, WM_CLOSE, 0, 0));
    CHECK(e2e::waitUntil([&] { return !IsWindow(window); }, 5000));
    CHECK(explorer.waitForExit(5000));
    CHECK_EQ(explorer.exitCode(), 0u);
}

}  // namespace

E2E_TEST(stand_in_explorer_xp_window) {
    REQUIRE(e2e::configureStandInExplorer(e2e::ExplorerStyle::Xp));
    e2e::Process explorer;
    REQUIRE(explorer.start(standIn(), L"/n,C:\\windows"));
    HWND window = waitForFolderWindow(explorer, L"windows");
    REQUIRE(window != nullptr);
    checkFolderWindow(window, explorer);

    HWND edit = e2e::childByClassChain(window, kXpAddressChain);
    REQUIRE(edit != nullptr);
    CHECK_EQ(e2e::windowTextMessage(edit), L"C:\\windows");
    CHECK(e2e::childByClassChain(window, {L"WorkerW", L"ReBarWindow32", L"Address Band Root"}) == nullptr);
    e2e::screenshot(L"stand-in-xp", window);
    checkClosesOnRequest(window, explorer);
}

E2E_TEST(stand_in_explorer_win7_window) {
    REQUIRE(e2e::configureStandInExplorer(e2e::ExplorerStyle::Win7));
    e2e::Process explorer;
    REQUIRE(explorer.start(standIn(), L"/n,C:\\windows"));
    HWND window = waitForFolderWindow(explorer, L"windows");
    REQUIRE(window != nullptr);
    checkFolderWindow(window, explorer);

    HWND toolbar = e2e::childByClassChain(window, kWin7AddressChain);
    REQUIRE(toolbar != nullptr);
    CHECK_EQ(e2e::windowTextMessage(toolbar), L"地址: C:\\windows");
    CHECK(e2e::childByClassChain(window, {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32"}) == nullptr);
    e2e::screenshot(L"stand-in-win7", window);
    checkClosesOnRequest(window, explorer);
}

E2E_TEST(stand_in_explorer_titles_and_command_line_forms) {
    REQUIRE(e2e::configureStandInExplorer(e2e::ExplorerStyle::Win7, e2e::ExplorerTitle::FullPath));
    struct Case {
        const wchar_t* arguments;
        const wchar_t* title;
    };
    // The file system's spelling wins over the caller's; a drive root keeps its backslash.
    for (const Case& c : {Case{L"/root,C:\\WINDOWS\\", L"C:\\windows"}, Case{L"\"C:\\windows\\system32\"",
                                                                          L"C:\\windows\\system32"},
                          Case{L"/n,c:", L"C:\\"}}) {
        e2e::Process explorer;
        REQUIRE(explorer.start(standIn(), c.arguments));
        HWND window = waitForFolderWindow(explorer, c.title);
        if (!CHECK(window != nullptr)) {
            e2e::note("no window titled " + e2e::describe(c.title) + " for " + e2e::describe(c.arguments));
            continue;
        }
        HWND toolbar = e2e::childByClassChain(window, kWin7AddressChain);
        REQUIRE(toolbar != nullptr);
        CHECK_EQ(e2e::windowTextMessage(toolbar), std::wstring(L"地址: ") + c.title);
        checkClosesOnRequest(window, explorer);
    }
}

E2E_TEST(stand_in_explorer_computer_view) {
    struct Case {
        e2e::ExplorerStyle style;
        const wchar_t* name;
        std::vector<std::wstring> chain;
        const wchar_t* address;
    };
    for (const Case& c : {Case{e2e::ExplorerStyle::Xp, L"我的电脑", kXpAddressChain, L"我的电脑"},
                          Case{e2e::ExplorerStyle::Win7, L"计算机", kWin7AddressChain, L"地址: 计算机"}}) {
        REQUIRE(e2e::configureStandInExplorer(c.style));
        e2e::Process explorer;
        REQUIRE(explorer.start(standIn(), L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"));
        HWND window = waitForFolderWindow(explorer, c.name);
        REQUIRE(window != nullptr);
        HWND address = e2e::childByClassChain(window, c.chain);
        REQUIRE(address != nullptr);
        CHECK_EQ(e2e::windowTextMessage(address), c.address);
        checkClosesOnRequest(window, explorer);
    }
}

E2E_TEST(stand_in_explorer_honours_show_command_and_xp_address_option) {
    REQUIRE(e2e::configureStandInExplorer(e2e::ExplorerStyle::Xp, e2e::ExplorerTitle::Name, false));
    e2e::Process explorer;
    const HWND before = GetForegroundWindow();
    REQUIRE(explorer.start(standIn(), L"/n,C:\\windows\\system32", SW_SHOWMINNOACTIVE));
    HWND window = waitForFolderWindow(explorer, L"system32");
    REQUIRE(window != nullptr);
    CHECK(IsIconic(window));
    CHECK(GetForegroundWindow() == before);
    HWND edit = e2e::childByClassChain(window, kXpAddressChain);
    REQUIRE(edit != nullptr);
    CHECK_EQ(e2e::windowTextMessage(edit), L"system32");
    checkClosesOnRequest(window, explorer);
}

E2E_TEST(stand_in_explorer_opens_nothing_for_a_missing_folder) {
    REQUIRE(e2e::configureStandInExplorer(e2e::ExplorerStyle::Win7));
    e2e::Process explorer;
    REQUIRE(explorer.start(standIn(), L"/n,C:\\no such folder here"));
    CHECK(explorer.waitForExit(5000));
    CHECK_EQ(explorer.exitCode(), 2u);
    const std::string log = e2e::readFileBytes(e2e::programFile(L"Explorer.log"));
    CHECK(log.find("/n,C:\\no such folder here\tno such folder") != std::string::npos);
}

E2E_TEST(stand_in_explorer_holds_many_windows_in_one_process) {
    REQUIRE(e2e::configureStandInExplorer(e2e::ExplorerStyle::Win7));
    e2e::clearStandInLaunches();
    const std::vector<std::wstring> paths = {L"C:\\windows", L"C:\\windows\\system32", L"C:\\"};
    const std::vector<HWND> windows = e2e::openFolderWindowsInOneProcess(paths);
    REQUIRE_EQ(windows.size(), paths.size());
    const DWORD process = e2e::windowProcessId(windows[0]);
    const wchar_t* addresses[] = {L"地址: C:\\windows", L"地址: C:\\windows\\system32", L"地址: C:\\"};
    for (std::size_t i = 0; i < windows.size(); ++i) {
        CHECK_EQ(e2e::windowProcessId(windows[i]), process);
        HWND toolbar = e2e::childByClassChain(windows[i], kWin7AddressChain);
        REQUIRE(toolbar != nullptr);
        CHECK_EQ(e2e::windowTextMessage(toolbar), addresses[i]);
    }
    const std::vector<std::wstring> launches = e2e::standInLaunches();
    REQUIRE_EQ(launches.size(), 1u);
    CHECK(launches[0].find(L"/folders,") != std::wstring::npos);
    CHECK(launches[0].size() > 7 && launches[0].substr(launches[0].size() - 7) == L"\topened");
    // The process lives while any of its windows is open.
    HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
    REQUIRE(handle != nullptr);
    PostMessageW(windows[0], WM_CLOSE, 0, 0);
    CHECK(e2e::waitUntil([&] { return !IsWindow(windows[0]); }, 5000));
    CHECK(WaitForSingleObject(handle, 300) == WAIT_TIMEOUT);
    for (std::size_t i = 1; i < windows.size(); ++i) PostMessageW(windows[i], WM_CLOSE, 0, 0);
    CHECK(WaitForSingleObject(handle, 5000) == WAIT_OBJECT_0);
    CloseHandle(handle);
}
