// What the program keeps of the user's files, seen from outside: a set entry on a drive that is
// not mounted, an exit that cannot write one file, a second copy, and save-as over a set.
#include <string>
#include <utility>

#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "program_folder.h"
#include "runner_requests.h"
#include "session.h"
#include "shell_surfaces.h"
#include "user_input.h"

namespace {

// The program with one folder window listed and ticked.
bool startWithTicked(e2e::Folvaric& program, const std::wstring& path) {
    return e2e::openFolderWindow(path) != nullptr && program.start() && program.waitUntilShown() != nullptr &&
           program.waitForEntries([](const auto& entries) { return entries.size() == 1; }) &&
           (program.entries()[0].ticked || program.toggleTick(0));
}

// The box of the program whose text holds `part`; empty on timeout.
e2e::MessageBoxSeen waitForBoxSaying(DWORD processId, const std::wstring& part, DWORD timeoutMilliseconds = 10000) {
    e2e::MessageBoxSeen found;
    e2e::waitUntil(
        [&] {
            for (const e2e::MessageBoxSeen& box : e2e::messageBoxesOf(processId)) {
                if (box.text.find(part) != std::wstring::npos) found = box;
            }
            return static_cast<bool>(found);
        },
        timeoutMilliseconds);
    return found;
}

// Clicks the box's button with this id, as a user answers a question; true once the box is gone.
bool answer(const e2e::MessageBoxSeen& box, int buttonId) {
    HWND button = GetDlgItem(box.window, buttonId);
    for (int attempt = 0; button != nullptr && attempt < 3; ++attempt) {
        e2e::clickCentre(button);
        if (e2e::waitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, 2000)) return true;
    }
    return false;
}

FILETIME lastWrite(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

bool sameTime(const FILETIME& a, const FILETIME& b) {
    return CompareFileTime(&a, &b) == 0;
}

// Keeps a file of the program folder unchangeable (not even replaceable) for its lifetime.
struct Unchangeable {
    explicit Unchangeable(std::string file) : name(std::move(file)) {
        on = e2e::askRunner(L"unchangeable", "on " + name);
    }
    ~Unchangeable() { e2e::askRunner(L"unchangeable", "off " + name); }
    Unchangeable(const Unchangeable&) = delete;
    Unchangeable& operator=(const Unchangeable&) = delete;
    std::string name;
    bool on = false;
};

}  // namespace

E2E_TEST(a_set_entry_on_a_drive_not_mounted_survives_the_exit) {
    const std::wstring pathA = e2e::testFolder(L"项目甲");
    const e2e::FolderSetEntry stick{L"U盘照片", L"K:\\U盘照片"};
    e2e::Session session(e2e::Settings{}, {{L"项目甲", pathA}, stick});
    REQUIRE(e2e::openFolderWindow(pathA) != nullptr);
    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    // The stick's entry is passed over at the load (a beep); the folder that is there is ticked.
    REQUIRE(program.waitForEntries([](const auto& entries) { return entries.size() == 1 && entries[0].ticked; }));
    CHECK(program.messageBoxes().empty());
    REQUIRE(program.closeAndWait());
    CHECK_EQ(e2e::readFileBytes(e2e::defaultSetFile()), e2e::folderSetBytes({{L"项目甲", pathA}, stick}));
}

E2E_TEST(an_exit_that_cannot_write_the_settings_still_saves_the_set_and_names_the_file) {
    e2e::Session session;
    const std::wstring pathA = e2e::testFolder(L"项目甲");
    e2e::Folvaric program;
    REQUIRE(startWithTicked(program, pathA));
    const std::string settingsBefore = e2e::readFileBytes(e2e::settingsFile());
    // The program folder refuses the new settings file; the set folder is writable.
    Unchangeable settings("set");
    REQUIRE(settings.on);
    REQUIRE(PostMessageW(program.window(), WM_CLOSE, 0, 0));
    const e2e::MessageBoxSeen box = waitForBoxSaying(program.processId(), L"保存失败");
    REQUIRE(box);
    e2e::screenshot(L"exit-save-failed", box.window);
    CHECK(box.text.find(e2e::settingsFile()) != std::wstring::npos);
    CHECK(box.text.find(L"默认.txt") == std::wstring::npos);
    REQUIRE(e2e::pressOk(box));
    REQUIRE(program.process().waitForExit(10000));
    CHECK_EQ(e2e::readFileBytes(e2e::defaultSetFile()), e2e::folderSetBytes({{L"项目甲", pathA}}));
    CHECK_EQ(e2e::readFileBytes(e2e::settingsFile()), settingsBefore);
}

E2E_TEST(second_copy_calls_the_first_to_the_front_and_writes_nothing) {
    e2e::Session session;
    e2e::Folvaric first;
    REQUIRE(startWithTicked(first, e2e::testFolder(L"项目甲")));
    HWND window = first.window();
    // In the tray: minimised and hidden.
    REQUIRE(PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0));
    REQUIRE(e2e::waitUntil([&] { return IsIconic(window) && !IsWindowVisible(window); }, 5000));
    const std::string settingsBefore = e2e::readFileBytes(e2e::settingsFile());
    const std::string setBefore = e2e::readFileBytes(e2e::defaultSetFile());
    const FILETIME settingsTime = lastWrite(e2e::settingsFile());
    const FILETIME setTime = lastWrite(e2e::defaultSetFile());

    e2e::Folvaric second;
    REQUIRE(second.startAnotherCopy());
    REQUIRE(second.process().waitForExit(15000));
    CHECK_EQ(second.process().exitCode(), 0u);
    CHECK(e2e::waitUntil(
        [&] { return IsWindowVisible(window) && !IsIconic(window) && GetForegroundWindow() == window; }, 5000));
    e2e::screenshot(L"second-copy-first-in-front", window);
    CHECK(first.process().running());
    int mainWindows = 0;
    for (HWND top : e2e::topLevelWindows()) mainWindows += e2e::className(top) == L"TForm1" ? 1 : 0;
    CHECK_EQ(mainWindows, 1);
    CHECK_EQ(e2e::readFileBytes(e2e::settingsFile()), settingsBefore);
    CHECK_EQ(e2e::readFileBytes(e2e::defaultSetFile()), setBefore);
    CHECK(sameTime(lastWrite(e2e::settingsFile()), settingsTime));
    CHECK(sameTime(lastWrite(e2e::defaultSetFile()), setTime));
}

E2E_TEST(save_as_asks_before_replacing_an_existing_set) {
    e2e::Session session;
    const std::wstring pathA = e2e::testFolder(L"项目甲");
    const std::wstring other = e2e::programFile(L"文件夹集合保存目录\\other.txt");
    const std::string otherBytes = e2e::folderSetBytes({{L"旧记录", L"C:\\旧记录"}});
    REQUIRE(e2e::writeFileBytes(other, otherBytes));
    e2e::Folvaric program;
    REQUIRE(startWithTicked(program, pathA));
    const auto saveDialog = [&] {
        return e2e::waitForWindow(
            [&]() -> HWND {
                for (HWND top : e2e::topLevelWindows()) {
                    if (e2e::windowProcessId(top) == program.processId() && e2e::className(top) == L"#32770" &&
                        IsWindowVisible(top) && top != nullptr && e2e::childWindows(top).size() > 5) {
                        return top;
                    }
                }
                return nullptr;
            },
            10000);
    };
    for (const bool replace : {false, true}) {
        REQUIRE(program.activate());
        REQUIRE(e2e::pressKeys("F10 Down"));  // 文件
        REQUIRE(!e2e::waitForPopupMenus(program.processId()).empty());
        REQUIRE(e2e::pressKeys("Down Return"));  // 另存为。。。
        HWND dialog = saveDialog();
        REQUIRE(dialog != nullptr);
        REQUIRE(e2e::pressKeys("o t h e r Return"));
        // The system's question: "文件已经存在。是否替换?" under Wine, "... 已存在。要替换它吗?" on Windows.
        const e2e::MessageBoxSeen prompt = waitForBoxSaying(program.processId(), L"替换");
        REQUIRE(prompt);
        if (!replace) e2e::screenshot(L"save-as-overwrite-prompt", prompt.window);
        REQUIRE(answer(prompt, replace ? IDYES : IDNO));
        if (!replace) {
            REQUIRE(e2e::pressKeys("Escape"));  // the dialog stayed open: cancel it
            REQUIRE(e2e::waitUntil([&] { return !IsWindow(dialog); }, 5000));
            CHECK_EQ(e2e::readFileBytes(other), otherBytes);
        } else {
            REQUIRE(e2e::waitUntil([&] { return !IsWindow(dialog); }, 5000));
            CHECK_EQ(e2e::readFileBytes(other), e2e::folderSetBytes({{L"项目甲", pathA}}));
        }
    }
}
