// What folder rebirth costs above the pauses it is made of. A refresh that re-opens lost
// folders waits on purpose: 50 ms after its first message, 21 x 10 ms for Explorer to settle,
// at least one 50 ms search pass per folder and 1000 ms before the windows are sized. On the
// simulated desktop those pauses are virtual (the clock counts them), so the real time a
// refresh takes is the program's own work. The overhead per folder is that work plus any
// pause beyond the floor, divided by the folders reborn; it must stay under 5 ms.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "sim/sim_desktop.h"
#include "state/form1.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace {

using platform::WindowHandle;

constexpr int kFirstPauseMs = 50;
constexpr int kSettleMs = 21 * 10;
constexpr int kSearchPassMs = 50;
constexpr int kSizingPauseMs = 1000;

// `lost` protected folders among 20 other listed ones and a few programs' windows.
struct RebirthDesktop {
    sim::SimDesktop sim;
    folvaric::Form1 form{sim.platform()};
    int lost;

    explicit RebirthDesktop(int lostFolders) : lost(lostFolders) {
        for (int i = 0; i < 5; ++i) sim.openAppWindow("Document " + std::to_string(i), "C:\\tools\\editor.exe");
        for (int i = 0; i < 20; ++i) sim.openExplorerWindow("D:\\Other\\Folder" + std::to_string(i));
        for (int i = 0; i < lost; ++i) sim.openExplorerWindow("E:\\Kept\\Project" + std::to_string(i));
        form.formShown = true;
        form.startupDone = true;
        folvaric::detectWindowsGeneration(form);
        refresh();
        for (int i = 0; i < form.table.size(); ++i) {
            if (form.table[i].path.rfind("E:\\Kept\\", 0) == 0) form.CheckListBox1.setChecked(i, true);
        }
    }

    void refresh() {
        sim.windows.setActive(sim.app.mainWindow());
        folvaric::refreshFolderList(form);
    }

    // Every protected folder's window is closed outside the program.
    void closeProtected() {
        for (int i = 0; i < form.table.size(); ++i) {
            if (form.CheckListBox1.checked(i)) sim.closeWindow(form.table[i].window);
        }
    }

    long long floorMs() const { return kFirstPauseMs + kSettleMs + 1LL * lost * kSearchPassMs + kSizingPauseMs; }
};

void BM_RebirthOverheadPerFolder(benchmark::State& state) {
    const int lost = static_cast<int>(state.range(0));
    RebirthDesktop desktop(lost);
    double realMs = 0;
    long long pausedMs = 0;
    long long refreshes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        desktop.closeProtected();
        const long long pausedBefore = desktop.sim.clock.pausedMilliseconds();
        state.ResumeTiming();

        const auto start = std::chrono::steady_clock::now();
        desktop.refresh();
        realMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

        pausedMs += desktop.sim.clock.pausedMilliseconds() - pausedBefore;
        ++refreshes;
        if (desktop.form.lastRefresh.reborn != lost) {
            state.SkipWithError("not every folder was reborn");
            break;
        }
    }
    if (refreshes == 0) return;
    const double paused = static_cast<double>(pausedMs) / refreshes;
    const double work = realMs / refreshes;
    state.counters["folders"] = lost;
    state.counters["paused_ms"] = paused;
    state.counters["floor_ms"] = static_cast<double>(desktop.floorMs());
    state.counters["work_ms"] = work;
    state.counters["overhead_ms_per_folder"] = (paused - static_cast<double>(desktop.floorMs()) + work) / lost;
}

BENCHMARK(BM_RebirthOverheadPerFolder)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
