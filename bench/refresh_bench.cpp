// What a refresh costs per listed window, on the simulated desktop: the pauses
// and waits are virtual, so the figures are the program's own work (walk, path
// reading, tick restoration, duplicate and still-open checks, rebirth search).
// A refresh of 3000 windows must cost less than 12 times one of 300.
#include <benchmark/benchmark.h>

#include <string>

#include "sim/sim_desktop.h"
#include "state/form1.h"
#include "text/gbk_text.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace {

using platform::WindowHandle;

// A user's desktop with `folders` Explorer windows, every one listed and ticked.
struct ListedDesktop {
    sim::SimDesktop sim;
    folvaric::Form1 form{sim.platform()};

    ListedDesktop(int folders, sim::ExplorerStyle style) {
        sim.explorer.options.style = style;
        if (style == sim::ExplorerStyle::Win11) {
            platform::VersionRecord windows11;
            windows11.majorVersion = 10;
            windows11.minorVersion = 0;
            windows11.buildNumber = 22631;
            sim.windows.setVersion(windows11);
        }
        for (int i = 0; i < folders; ++i) sim.openExplorerWindow("D:\\Work\\Folder" + std::to_string(i));
        sim.openAppWindow("Notes", "C:\\tools\\notepad.exe");
        form.formShown = true;
        form.startupDone = true;
        folvaric::detectWindowsGeneration(form);
        refresh();
        for (int i = 0; i < form.CheckListBox1.count(); ++i) form.CheckListBox1.setChecked(i, true);
    }

    void refresh() {
        sim.windows.setActive(sim.app.mainWindow());
        folvaric::refreshFolderList(form);
    }
};

void setCounters(benchmark::State& state, int windows) {
    state.counters["windows"] = windows;
    state.counters["per_window"] =
        benchmark::Counter(windows, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Everything still open: the list is rebuilt and every tick found again.
void BM_RefreshAllOpen(benchmark::State& state, sim::ExplorerStyle style) {
    const int n = static_cast<int>(state.range(0));
    ListedDesktop desktop(n, style);
    for (auto _ : state) desktop.refresh();
    if (desktop.form.table.size() != n || !desktop.form.lastRefresh.lostFolders.empty())
        state.SkipWithError("unexpected outcome");
    setCounters(state, n);
}

// A few protected windows were closed outside the program and are reborn. Their
// number does not grow with the list: each one costs a search of the whole
// desktop, as finding a window by its title does on Windows.
void BM_RefreshWithRebirth(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    constexpr int lost = 3;
    ListedDesktop desktop(n, sim::ExplorerStyle::Xp);
    for (auto _ : state) {
        state.PauseTiming();
        for (int k = 0; k < lost; ++k) desktop.sim.closeWindow(desktop.form.table[k * 97 % n].window);
        state.ResumeTiming();
        desktop.refresh();
        if (desktop.form.lastRefresh.reborn != lost || desktop.form.table.size() != n) {
            state.SkipWithError("rebirth incomplete");
            break;
        }
    }
    setCounters(state, n);
}

BENCHMARK_CAPTURE(BM_RefreshAllOpen, xp, sim::ExplorerStyle::Xp)
    ->Arg(300)
    ->Arg(1000)
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefreshAllOpen, win7, sim::ExplorerStyle::Win7)
    ->Arg(300)
    ->Arg(1000)
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond);
// No address control: every path comes from the shell's window list, asked once.
BENCHMARK_CAPTURE(BM_RefreshAllOpen, win11, sim::ExplorerStyle::Win11)
    ->Arg(300)
    ->Arg(1000)
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshWithRebirth)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
