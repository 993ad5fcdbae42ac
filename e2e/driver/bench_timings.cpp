// Timings of the real program under Wine for docs/performance.md: from starting Folvaric.exe to
// its main window on screen, a refresh of 20 folder windows, and the rebirth of one of them.
// Only scripts/bench runs them (it sets FOLVARIC_E2E_BENCH=1); the ordinary suite skips them.
// Each prints lines "bench: <what> <median> ms (min <a>, max <b>, <n> runs)".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "check.h"
#include "folder_windows.h"
#include "folvaric_program.h"
#include "program_folder.h"
#include "session.h"

namespace {

constexpr int kFolders = 20;
constexpr double kRebirthFloorMs = 50 + 21 * 10 + 50 + 1000;  // the pauses of one folder's rebirth

bool benchRequested() {
    wchar_t value[8] = {};
    return GetEnvironmentVariableW(L"FOLVARIC_E2E_BENCH", value, 8) > 0 && std::wstring(value) == L"1";
}

double nowMs() {
    LARGE_INTEGER frequency{}, counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Polls closely (the helpers of the suite poll every 20 ms); the time when `condition` first
// held, or a negative value after `timeoutMs`.
template <typename Condition>
double timeWhen(Condition condition, double timeoutMs) {
    const double started = nowMs();
    for (;;) {
        // Taken after the check: asking the program waits until it handles its queue.
        const bool met = condition();
        const double now = nowMs();
        if (met) return now;
        if (now - started > timeoutMs) return -1;
        Sleep(1);
    }
}

std::string format(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", ms);
    return text;
}

void report(const std::string& what, std::vector<double> samples) {
    if (samples.empty()) return;
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    e2e::note("bench: " + what + " " + format(median) + " ms (min " + format(samples.front()) + ", max " +
              format(samples.back()) + ", " + std::to_string(samples.size()) + " runs)");
}

std::vector<e2e::FolderSetEntry> timedFolders() {
    std::vector<e2e::FolderSetEntry> folders;
    for (int i = 0; i < kFolders; ++i) {
        const std::wstring path = e2e::testFolder(L"计时" + std::to_wstring(i));
        folders.push_back({e2e::displayNameOf(path), path});
    }
    return folders;
}

// Presses Refresh and times the refresh from the press to `last` on the status line. The press
// (Space on the button) is posted to the button itself: input through the X server would add
// its own latency. The
// status line is read with a message that the program answers whenever it handles its queue,
// so the answer that shows `last` comes at the end of the refresh.
double timedRefresh(e2e::Folvaric& program, const std::wstring& last, double timeoutMs) {
    HWND refresh = program.button(L"刷新");
    if (refresh == nullptr || !program.activate()) {
        e2e::note("no Refresh button, or the program would not become active");
        return -1;
    }
    const double begin = nowMs();
    PostMessageW(refresh, WM_KEYDOWN, VK_SPACE, 1);
    PostMessageW(refresh, WM_KEYUP, VK_SPACE, 1 | (1u << 30) | (1u << 31));
    // The line may still show `last` from the run before, until the refresh writes its first report.
    bool reportedSince = false;
    const double end = timeWhen(
        [&] {
            const std::wstring text = program.statusText();
            reportedSince = reportedSince || text != last;
            return reportedSince && text == last;
        },
        timeoutMs);
    if (end < 0)
        e2e::note("the refresh did not end with " + e2e::describe(last) + "; the status line reads " +
                  e2e::describe(program.statusText()));
    return end < 0 ? -1 : end - begin;
}

}  // namespace

E2E_TEST(bench_start_to_main_window) {
    if (!benchRequested()) SKIP("a timing run: scripts/bench");
    std::vector<double> warm;
    for (int run = 0; run < 8; ++run) {
        e2e::Session session;
        e2e::Folvaric program;
        const double begin = nowMs();
        REQUIRE(program.start());
        const double shown = timeWhen(
            [&] {
                HWND window = e2e::findTopLevel(e2e::kMainCaption, program.processId(), L"TForm1");
                return window != nullptr && IsWindowVisible(window);
            },
            e2e::kStartTimeout);
        REQUIRE(shown > 0);
        // The first start after the suite's own pays for Wine loading the program's libraries.
        if (run == 0) {
            report("start to main window, first start", {shown - begin});
        } else {
            warm.push_back(shown - begin);
        }
        REQUIRE(program.waitUntilShown() != nullptr);
        REQUIRE(program.closeAndWait());
    }
    report("start to main window", warm);
}

E2E_TEST(bench_refresh_of_20_folder_windows) {
    if (!benchRequested()) SKIP("a timing run: scripts/bench");
    const std::vector<e2e::FolderSetEntry> folders = timedFolders();
    e2e::Settings settings = e2e::quietSettings();
    settings.loadLastSet = true;  // the 20 folders come up protected
    e2e::Session session(settings, folders);
    for (const auto& folder : folders) REQUIRE(e2e::openFolderWindow(folder.path) != nullptr);

    e2e::Folvaric program;
    REQUIRE(program.start());
    REQUIRE(program.waitUntilShown() != nullptr);
    REQUIRE(program.waitForEntries(
        [](const std::vector<e2e::ListEntry>& entries) {
            return entries.size() == kFolders &&
                   std::all_of(entries.begin(), entries.end(), [](const e2e::ListEntry& e) { return e.ticked; });
        },
        20000));

    std::vector<double> refreshes;
    for (int run = 0; run < 7; ++run) {
        const double ms = timedRefresh(program, L"刷新结束，有效的受保护文件夹一个也没有被系统关闭", 10000);
        REQUIRE(ms > 0);
        refreshes.push_back(ms);
    }
    report("refresh of 20 protected folder windows", refreshes);

    // One of them closed outside the program and reborn: the pauses are fixed; the rest is the
    // stand-in Explorer starting and the program's own work.
    std::vector<double> rebirths;
    for (int run = 0; run < 3; ++run) {
        HWND victim = e2e::findStandInWindow(folders[static_cast<std::size_t>(run)].name);
        REQUIRE(victim != nullptr);
        REQUIRE(PostMessageW(victim, WM_CLOSE, 0, 0));
        REQUIRE(e2e::waitUntil([&] { return !IsWindow(victim); }, 5000));
        const double ms = timedRefresh(program, L"文件夹自动重生过程结束，共恢复文件夹数1个", 30000);
        REQUIRE(ms > 0);
        rebirths.push_back(ms);
    }
    report("refresh with the rebirth of 1 of 20 folders", rebirths);
    std::vector<double> overheads;
    for (double ms : rebirths) overheads.push_back(ms - kRebirthFloorMs);
    report("rebirth above its " + format(kRebirthFloorMs) + " ms of pauses", overheads);
}
