// The main window behaves as a Windows user expects: the tray menu is drawn while the program
// sits in the tray, a maximised window comes back maximised from there, the button panel is
// painted whole after a maximise, a right click chooses the entry its menu then acts on, and a
// document the system cannot open is reported.
#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "program_folder.h"
#include "screen_pixels.h"
#include "session.h"
#include "shell_surfaces.h"
#include "user_input.h"

namespace {

RECT inset(RECT r, int by) {
    return RECT{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// Wine marks the window zoomed before it has its new size; both are waited for.
bool maximise(HWND window) {
    const RECT before = e2e::windowRect(window);
    PostMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    return e2e::waitUntil(
        [&] { return IsZoomed(window) != FALSE && e2e::width(e2e::windowRect(window)) > e2e::width(before); }, 5000);
}

// A left click on the tray icon, repeated up to twice when the window has not gone into the tray or come back as asked
// (Wine's tray window takes the activation on a press, and now and then the first click goes to that).
bool clickTrayUntil(HWND window, bool inTray) {
    for (int attempt = 1; attempt <= 3; ++attempt) {
        if (!e2e::clickTrayIcon(e2e::MouseButton::Left)) return false;
        if (e2e::waitUntil([&] { return (IsIconic(window) && !IsWindowVisible(window)) == inTray; }, 4000) &&
            e2e::waitUntil([&] { return (IsWindowVisible(window) != FALSE) != inTray; }, 4000)) {
            return true;
        }
        e2e::note("the tray icon took a second click");
    }
    return false;
}

bool toTrayAndBack(HWND window) {
    return clickTrayUntil(window, true) && clickTrayUntil(window, false);
}

// The text files' type, as the shell finds it for a ".txt" name; empty when there is none.
std::wstring textFileType() {
    wchar_t value[128] = L"";
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CLASSES_ROOT, L".txt", nullptr, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS) {
        return std::wstring();
    }
    return value;
}

bool setTextFileType(const std::wstring& type) {
    const auto bytes = static_cast<DWORD>((type.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_CLASSES_ROOT, L".txt", nullptr, REG_SZ, type.c_str(), bytes) == ERROR_SUCCESS;
}

// Ties ".txt" to a type without an "open" command for as long as it lives.
class TextFilesWithoutProgram {
public:
    TextFilesWithoutProgram() : previous_(textFileType()) { changed_ = setTextFileType(L"Folvaric.NoProgram"); }
    ~TextFilesWithoutProgram() {
        if (changed_) setTextFileType(previous_);
    }
    bool changed() const { return changed_; }
    const std::wstring& previous() const { return previous_; }

private:
    std::wstring previous_;
    bool changed_ = false;
};

}  // namespace

E2E_TEST(tray_menu_is_drawn_while_the_program_sits_in_the_tray) {
    e2e::Session session;
    e2e::Folvaric program;
    HWND window = program.startShown();
    REQUIRE(window != nullptr);
    REQUIRE(e2e::waitUntil([] { return e2e::trayIconShown(); }, 5000));
    REQUIRE(e2e::clickTrayIcon(e2e::MouseButton::Left));
    REQUIRE(e2e::waitUntil([&] { return IsIconic(window) && !IsWindowVisible(window); }, 5000));

    // The main window is hidden, so the menu belongs to the tray's own window.
    const auto menus = e2e::openTrayMenu(program.processId());
    REQUIRE(!menus.empty());
    Sleep(300);  // let it paint
    const RECT menu = e2e::windowRect(menus[0]);
    e2e::screenshotArea(L"tray-menu-in-tray", menu);
    // Five entries and three lines are measured (an unmeasured menu is a strip of 18 pixels),
    // and their captions are drawn on the background.
    CHECK_LT(100, e2e::height(menu));
    const e2e::ScreenPixels inside = e2e::capturePixels(inset(menu, 4));
    REQUIRE(!inside.empty());
    CHECK_LT(300, e2e::pixelsOffBackground(inside));
    // Closed as a user closes a menu left open: a click elsewhere.
    const SIZE screen = e2e::screenSize();
    REQUIRE(e2e::clickAt(POINT{screen.cx - 5, screen.cy - 5}));
    CHECK(e2e::waitUntil([&] { return e2e::popupMenusOf(program.processId()).empty(); }, 5000));
}

E2E_TEST(maximised_window_comes_back_maximised_from_the_tray) {
    e2e::Session session;
    e2e::Folvaric program;
    HWND window = program.startShown();
    REQUIRE(window != nullptr);
    REQUIRE(e2e::waitUntil([] { return e2e::trayIconShown(); }, 5000));
    REQUIRE(maximise(window));
    const RECT maximised = e2e::windowRect(window);

    for (int trip = 1; trip <= 2; ++trip) {
        REQUIRE(toTrayAndBack(window));
        Sleep(300);  // a later restore would come now
        CHECK(IsZoomed(window));
        CHECK_EQ(e2e::width(e2e::windowRect(window)), e2e::width(maximised));
        CHECK_EQ(e2e::height(e2e::windowRect(window)), e2e::height(maximised));
    }
}

E2E_TEST(button_panel_is_painted_whole_after_maximise) {
    e2e::Session session;
    e2e::Folvaric program;
    REQUIRE(program.start());
    HWND window = program.waitUntilShown();
    REQUIRE(window != nullptr);
    const RECT before = e2e::windowRect(program.panel());
    REQUIRE(maximise(window));
    REQUIRE(e2e::waitUntil([&] { return e2e::height(e2e::windowRect(program.panel())) > e2e::height(before); }, 5000));
    Sleep(500);  // let it paint
    const RECT panel = e2e::windowRect(program.panel());
    e2e::screenshot(L"panel-after-maximise", window);

    // Left of the buttons the panel is its own colour from top to bottom: no part left in the
    // form's colour, no old edge line across it.
    const e2e::ScreenPixels strip =
        e2e::capturePixels(RECT{panel.left + 3, panel.top + 3, panel.left + 6, panel.bottom - 3});
    REQUIRE(!strip.empty());
    const COLORREF face = strip.at(0, 0);
    int otherRows = 0;
    for (int y = 0; y < strip.height; ++y) otherRows += strip.at(1, y) != face ? 1 : 0;
    CHECK_EQ(otherRows, 0);
    // And its frame runs along the new bottom edge.
    const e2e::ScreenPixels bottom =
        e2e::capturePixels(RECT{panel.left + 3, panel.bottom - 1, panel.left + 6, panel.bottom});
    REQUIRE(!bottom.empty());
    CHECK_NE(bottom.at(1, 0), face);
}

E2E_TEST(right_click_selects_the_entry_that_the_list_menu_then_closes) {
    e2e::Session session;
    e2e::Folvaric program;
    HWND window = program.startListing({L"项目甲", L"资料乙", L"照片丙"});
    REQUIRE(window != nullptr);
    REQUIRE(program.selectEntry(0));
    const std::wstring target = program.entries()[2].name;

    const RECT entry = program.entryRect(2);
    REQUIRE(entry.right > entry.left);
    REQUIRE(
        e2e::clickOn(program.list(), POINT{entry.left + 60, (entry.top + entry.bottom) / 2}, e2e::MouseButton::Right));
    REQUIRE(!e2e::waitForPopupMenus(program.processId()).empty());
    CHECK_EQ(program.selectedIndex(), 2);
    // "关闭单个窗口（无法重生）" is the eighth entry of the list menu.
    REQUIRE(e2e::pressKeys("Down Down Down Down Down Down Down Down Return"));
    const std::wstring closed = L"你在软件中关闭窗口，该文件夹无法自动重生！";
    CHECK_EQ(program.waitForStatus(closed), closed);
    CHECK(program.messageBoxes().empty());
    CHECK(e2e::waitUntil([&] { return e2e::findStandInWindow(target) == nullptr; }, 5000));
    CHECK_EQ(program.names().size(), 2u);
    for (const std::wstring& name : program.names()) CHECK_NE(name, target);
}

E2E_TEST(help_document_the_system_cannot_open_is_reported) {
    e2e::Session session;
    TextFilesWithoutProgram noProgram;
    REQUIRE(noProgram.changed());
    // The prefix ties text files to Notepad, as Windows does.
    CHECK_EQ(noProgram.previous(), std::wstring(L"txtfile"));
    e2e::Folvaric program;
    REQUIRE(program.start());
    HWND window = program.waitUntilShown();
    REQUIRE(window != nullptr);
    REQUIRE(program.activate());

    // 帮助 is the first entry of the fifth menu.
    REQUIRE(e2e::pressKeys("F10 Right Right Right Right Down Return"));
    const e2e::MessageBoxSeen box = program.waitForMessageBox(L"出错");
    REQUIRE(box);
    const std::wstring document = e2e::programDir() + L"\\帮助\\帮助.txt";
    CHECK_EQ(box.text.substr(0, box.text.find(L"原因：")), L"无法打开  " + document + L"\r\n");
    CHECK(box.text.find(L"没有与之关联的程序") != std::wstring::npos);
    e2e::screenshot(L"help-document-not-opened", box.window);
    REQUIRE(e2e::pressOk(box));
}

E2E_TEST(double_click_below_the_entries_asks_for_a_selection) {
    e2e::Session session;
    REQUIRE(e2e::openFolderWindow(e2e::testFolder(L"项目甲")) != nullptr);
    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    REQUIRE(program.waitForEntries([](const auto& entries) { return entries.size() == 1; }));
    REQUIRE_EQ(program.selectedIndex(), -1);
    REQUIRE(program.activate());

    // The list's double click runs "◎单个 最大化", which needs a selected entry.
    const RECT entry = program.entryRect(0);
    REQUIRE(entry.right > entry.left);
    REQUIRE(e2e::doubleClickAt(POINT{entry.left + 60, entry.bottom + 3 * e2e::height(entry)}));
    const e2e::MessageBoxSeen box = program.waitForMessageBox(L"出错");
    REQUIRE(box);
    CHECK_EQ(box.text, std::wstring(L"没有选择任何一个选项"));
    REQUIRE(e2e::pressOk(box));
}
