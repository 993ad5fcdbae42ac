// The program's secondary windows, driven from outside: the Explorer dual window lays the first
// listed folder window over its upper pane; the Help menu reports a missing document with its
// full path; the About box shows, copies the product name and hides on OK.
#include "aux_windows_seen.h"
#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "message_boxes.h"
#include "session.h"

namespace {

const std::wstring kDualCaption = L"Explorer双窗口";

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string describeRect(const RECT& r) {
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + "}";
}

// Drags the splitter by dy pixels, as the mouse would: down, move with the button held, up.
void dragSplitter(HWND splitter, int dy) {
    const int x = 10;
    const int y = 5;
    PostMessageW(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, static_cast<WORD>(static_cast<SHORT>(y + dy))));
    PostMessageW(splitter, WM_LBUTTONUP, 0, MAKELPARAM(x, static_cast<WORD>(static_cast<SHORT>(y + dy))));
}

// "打开 Explorer双窗口" is the fifth entry of the third menu, "其他操作  ".
bool chooseOpenDualWindow(e2e::Folvaric& program) {
    return e2e::chooseMenu(program.window(), program.processId(), 2, 4);
}

struct ProgramWithFolder {
    e2e::Session session;
    HWND folder = nullptr;
    e2e::Folvaric program;

    explicit ProgramWithFolder(const std::wstring& folderName) {
        folder = e2e::openFolderWindow(e2e::testFolder(folderName));
        REQUIRE(folder != nullptr);
        REQUIRE(program.start());
        REQUIRE(program.waitUntilShown() != nullptr);
        REQUIRE(program.waitForEntries([&](const std::vector<e2e::ListEntry>& entries) {
            return !entries.empty() && entries[0].name == folderName;
        }));
    }
};

}  // namespace

E2E_TEST(aux_dual_window_joins_the_first_listed_folder_over_its_upper_pane) {
    ProgramWithFolder setUp(L"双窗口甲");
    e2e::Folvaric& program = setUp.program;
    HWND folder = setUp.folder;

    HWND dual = e2e::programWindow(program.processId(), kDualCaption);
    REQUIRE(dual != nullptr);
    CHECK(!IsWindowVisible(dual));  // created at start, hidden
    REQUIRE(chooseOpenDualWindow(program));
    REQUIRE(e2e::waitUntilVisible(dual));
    HWND memo1 = e2e::childWithText(dual, L"Edit", L"Memo1");
    REQUIRE(memo1 != nullptr);

    // A minimised folder window is restored, then laid exactly over the pane.
    ShowWindow(folder, SW_MINIMIZE);
    REQUIRE(e2e::waitUntil([&] { return IsIconic(folder) != FALSE; }, 5000));
    REQUIRE(e2e::chooseMenu(dual, program.processId(), 1, 0));
    const bool joined = e2e::waitUntil(
        [&] { return !IsIconic(folder) && sameRect(e2e::windowRect(folder), e2e::windowRect(memo1)); }, 5000);
    CHECK(joined);
    if (!joined) {
        e2e::note("folder " + describeRect(e2e::windowRect(folder)) + ", Memo1 " +
                  describeRect(e2e::windowRect(memo1)));
    }
    CHECK_EQ(e2e::height(e2e::windowRect(memo1)), 192);
    e2e::screenshot(L"aux-dual-window-joined", dual);

    // After a splitter drag the next join takes the pane's new height.
    HWND splitter = e2e::childWithText(dual, L"FolvaricDualSplitter", L"");
    REQUIRE(splitter != nullptr);
    dragSplitter(splitter, -80);
    CHECK(e2e::waitUntil([&] { return e2e::height(e2e::windowRect(memo1)) == 112; }, 5000));
    REQUIRE(e2e::chooseMenu(dual, program.processId(), 1, 0));
    CHECK(e2e::waitUntil([&] { return sameRect(e2e::windowRect(folder), e2e::windowRect(memo1)); }, 5000));
    CHECK_EQ(e2e::height(e2e::windowRect(folder)), 112);

    // The folder window was placed once: moving the dual window leaves it where it is.
    const RECT placed = e2e::windowRect(folder);
    const RECT dualRect = e2e::windowRect(dual);
    MoveWindow(dual, dualRect.left + 40, dualRect.top + 30, e2e::width(dualRect), e2e::height(dualRect), TRUE);
    CHECK(e2e::waitUntil([&] { return e2e::windowRect(dual).left == dualRect.left + 40; }, 5000));
    Sleep(200);
    CHECK(sameRect(e2e::windowRect(folder), placed));

    // Closing it only hides it; it comes back with the pane as it was left.
    PostMessageW(dual, WM_CLOSE, 0, 0);
    CHECK(e2e::waitUntil([&] { return !IsWindowVisible(dual); }, 5000));
    CHECK(IsWindow(dual));
    REQUIRE(chooseOpenDualWindow(program));
    CHECK(e2e::waitUntilVisible(dual));
    CHECK_EQ(e2e::height(e2e::windowRect(memo1)), 112);
}

E2E_TEST(aux_missing_help_document_is_reported_with_its_full_path) {
    ProgramWithFolder setUp(L"帮助检查");
    e2e::Folvaric& program = setUp.program;
    const std::wstring document = e2e::programFile(L"帮助\\帮助.txt");
    const std::wstring aside = e2e::programFile(L"帮助\\帮助.txt.aside");
    REQUIRE(MoveFileW(document.c_str(), aside.c_str()));

    // "帮助  " is the fifth menu; "帮助" its first entry.
    const bool chosen = e2e::chooseMenu(program.window(), program.processId(), 4, 0);
    const auto box = chosen ? program.waitForMessageBox(L"Folvaric2.1") : e2e::MessageBoxSeen{};
    MoveFileW(aside.c_str(), document.c_str());
    REQUIRE(chosen);
    REQUIRE(static_cast<bool>(box));
    CHECK_EQ(box.text, L"文件不存在  " + document);
    CHECK(e2e::pressOk(box));
}

E2E_TEST(aux_about_box_shows_its_picture_copies_the_name_and_hides_on_ok) {
    ProgramWithFolder setUp(L"关于检查");
    e2e::Folvaric& program = setUp.program;
    HWND about = e2e::programWindow(program.processId(), L"About");
    REQUIRE(about != nullptr);
    CHECK(!IsWindowVisible(about));
    // "关于" is the third entry of the fifth menu, "帮助  ".
    REQUIRE(e2e::chooseMenu(program.window(), program.processId(), 4, 2));
    REQUIRE(e2e::waitUntilVisible(about));

    RECT client{};
    GetClientRect(about, &client);
    CHECK_EQ(client.right, 369);
    CHECK_EQ(client.bottom, 265);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(about, GWL_STYLE));
    CHECK((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
    e2e::screenshot(L"aux-about-box", about);

    HWND productName = e2e::childWithText(about, L"Static", L"Folvaric2.1");
    REQUIRE(productName != nullptr);
    REQUIRE(e2e::setClipboardText(L"before"));
    e2e::postDoubleClick(productName);
    CHECK(e2e::waitUntil([] { return e2e::clipboardText() == L"Folvaric2.1"; }, 5000));
    CHECK_EQ(e2e::clipboardText(), L"Folvaric2.1");

    HWND ok = e2e::childWithText(about, L"Button", L"OK");
    REQUIRE(ok != nullptr);
    PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    CHECK(e2e::waitUntil([&] { return !IsWindowVisible(about); }, 5000));
    CHECK(IsWindow(about));
}

// The program folder is kept with UTF-8 names on Linux; under Wine, in the Chinese locale, the
// program's GBK paths must name the same files.
E2E_TEST(aux_program_folder_entries_are_found_by_their_gbk_names) {
    const std::vector<std::wstring> entries{
        L"set",
        L"文件夹集合保存目录\\默认.txt",
        L"图标\\默认.ico",
        L"音效\\按钮声_1.wav",
        L"帮助\\帮助.txt",
        L"帮助\\个人介绍.txt",
        L"帮助\\100%杀毒软件.txt",
        L"帮助\\主动防御.txt",
        L"帮助\\保护你的账号.txt",
        L"帮助\\接受定做软件.txt",
        L"帮助\\紧急声明，关于部分国外杀软报毒的问题.txt",
        L"重启动explorer.bat",
    };
    CHECK_EQ(GetACP(), 936u);
    for (const std::wstring& entry : entries) {
        const std::wstring path = e2e::programFile(entry);
        CHECK(GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES);
        char ansi[MAX_PATH * 2] = {};
        const int length =
            WideCharToMultiByte(936, 0, path.c_str(), -1, ansi, static_cast<int>(sizeof ansi), nullptr, nullptr);
        REQUIRE(length > 0);
        if (GetFileAttributesA(ansi) == INVALID_FILE_ATTRIBUTES) {
            e2e::note("not found by its GBK name: " + e2e::describe(entry));
            CHECK(false);
        }
    }
}
