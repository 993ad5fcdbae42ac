// Folder windows drawn as on Windows 11: a header without an address control, the folder view
// in a tab window. The program asks the shell's window list for their folders; Wine's list
// cannot enumerate, so the program must fall back to what it does for any window without a
// readable address: list it by name, say that protection cannot work, and re-open nothing.
#include <windows.h>
// windows.h first: the shell header relies on its types.
#include <exdisp.h>

#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "message_boxes.h"
#include "session.h"

namespace {

const std::wstring kNoPathAdvice = L"文件夹自动重生保护失效，请在xp文件夹选项中设置地址栏显示完整路径，然后按刷新";

// What the program gets from the shell's window list here: the answer to the count.
HRESULT shellListCount() {
    const HRESULT entered = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellWindows* shellWindows = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IShellWindows,
                                  reinterpret_cast<void**>(&shellWindows));
    if (SUCCEEDED(hr)) {
        LONG count = 0;
        hr = shellWindows->get_Count(&count);
        shellWindows->Release();
    }
    if (SUCCEEDED(entered)) CoUninitialize();
    return hr;
}

}  // namespace

E2E_TEST(windows11_stand_in_has_tabs_and_no_address_control) {
    e2e::Session session;
    REQUIRE(e2e::configureStandInExplorer(e2e::ExplorerStyle::Win11));
    HWND window = e2e::openFolderWindow(e2e::testFolder(L"项目甲"));
    REQUIRE(window != nullptr);
    CHECK(e2e::childByClassChain(window, {L"Microsoft.UI.Content.DesktopChildSiteBridge"}) != nullptr);
    HWND activeTab = e2e::childByClassChain(window, {L"ShellTabWindowClass"});
    REQUIRE(activeTab != nullptr);
    CHECK(IsWindowVisible(activeTab));
    CHECK(e2e::childByClassChain(activeTab, {L"DUIViewWndClassName", L"DirectUIHWND", L"SHELLDLL_DefView"}) != nullptr);
    HWND otherTab = FindWindowExW(window, activeTab, L"ShellTabWindowClass", nullptr);
    REQUIRE(otherTab != nullptr);
    CHECK(!IsWindowVisible(otherTab));
    CHECK(e2e::childByClassChain(window, {L"WorkerW"}) == nullptr);
    e2e::screenshot(L"stand-in-win11", window);
}

// Wine 8 either creates the collection and cannot count it (E_NOTIMPL) or, in a prefix whose
// desktop process has not registered it yet, has no class for it at all: either way no window
// of anybody's can be read from it. Were that to change, the other tests of this file would
// have to change with it.
E2E_TEST(wine_shell_window_list_cannot_be_counted) {
    const HRESULT hr = shellListCount();
    CHECK(hr == E_NOTIMPL || hr == REGDB_E_CLASSNOTREG);
}

E2E_TEST(windows11_style_window_falls_back_to_an_unreadable_path) {
    e2e::Session session;
    REQUIRE(e2e::configureStandInExplorer(e2e::ExplorerStyle::Win11));
    const std::wstring path = e2e::testFolder(L"项目甲");
    HWND window = e2e::openFolderWindow(path);
    REQUIRE(window != nullptr);

    e2e::Folvaric program;
    REQUIRE(program.start());
    const e2e::MessageBoxSeen box = program.waitForMessageBox(L"友情提示", e2e::kStartTimeout);
    REQUIRE(box);
    CHECK_EQ(box.text, kNoPathAdvice);
    REQUIRE(program.waitUntilShown() != nullptr);
    REQUIRE(e2e::pressOk(box));
    CHECK_EQ(program.entries(), (std::vector<e2e::ListEntry>{{L"项目甲", false}}));
    e2e::screenshotArea(L"windows11-fallback", e2e::windowRect(program.window()));

    // Ticked and closed from outside: nothing can be re-opened, and the program says why.
    REQUIRE(program.toggleTick(0));
    e2e::clearStandInLaunches();
    REQUIRE(PostMessageW(window, WM_CLOSE, 0, 0));
    REQUIRE(e2e::waitUntil([&] { return !IsWindow(window); }, 5000));
    REQUIRE(program.pressButton(L"刷新"));
    CHECK_EQ(program.waitForStatus(L"windows资源管理器文件夹一个也没有打开，请打开windows资源管理器"),
             L"windows资源管理器文件夹一个也没有打开，请打开windows资源管理器");
    CHECK(program.entries().empty());
    CHECK(e2e::standInLaunches().empty());
    CHECK(program.messageBoxes().empty());
}

E2E_TEST(windows11_style_window_beside_a_windows7_one_leaves_protection_to_the_readable_one) {
    e2e::Session session;
    const std::wstring readable = e2e::testFolder(L"资料乙");
    REQUIRE(e2e::openFolderWindow(readable) != nullptr);
    REQUIRE(e2e::configureStandInExplorer(e2e::ExplorerStyle::Win11));
    const std::wstring unreadable = e2e::testFolder(L"项目甲");
    REQUIRE(e2e::openFolderWindow(unreadable) != nullptr);

    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    CHECK_EQ(program.entries(), (std::vector<e2e::ListEntry>{{L"项目甲", false}, {L"资料乙", false}}));
    REQUIRE(program.selectEntry(0));
    const std::wstring noPath = L"路径没有找到，文件夹自动重生保护失效";
    CHECK_EQ(program.waitForStatus(noPath), noPath);
    REQUIRE(program.selectEntry(1));
    CHECK_EQ(program.waitForStatus(L"当前地址：" + readable), L"当前地址：" + readable);
}
