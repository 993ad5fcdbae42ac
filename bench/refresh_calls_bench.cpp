// How much a refresh asks of Windows per listed window. On a real desktop every question is a
// system call (for another process's window, a message round trip), which is what a refresh
// of thousands of windows costs; on the simulated desktop they are nearly free and the time
// figures of refresh_bench.cpp mostly measure the simulation's memory. Counting the calls
// shows whether the program's own work grows in step with the desktop: the calls per window
// must not rise from 300 to 3000 windows.
#include <benchmark/benchmark.h>

#include <string>

#include "sim/sim_desktop.h"
#include "state/form1.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace {

using platform::ProcessId;
using platform::WindowHandle;

// The simulated window manager and disk, counting every call the program makes.
class CountingDesktop : public platform::Desktop {
public:
    explicit CountingDesktop(sim::SimWindowManager& w) : w_(w) {}
    long long calls = 0;

    std::vector<WindowHandle> topLevelWindowsInZOrder() override { return ++calls, w_.topLevelWindowsInZOrder(); }
    bool isWindow(WindowHandle h) override { return ++calls, w_.isWindow(h); }
    std::uint32_t style(WindowHandle h) override { return ++calls, w_.style(h); }
    std::string title(WindowHandle h, int n) override { return ++calls, w_.title(h, n); }
    std::string className(WindowHandle h, int n) override { return ++calls, w_.className(h, n); }
    void forEachDescendant(WindowHandle h, const std::function<bool(WindowHandle)>& visit) override {
        ++calls;
        w_.forEachDescendant(h, visit);
    }
    std::string windowText(WindowHandle h, int n) override { return ++calls, w_.windowText(h, n); }
    ProcessId processOf(WindowHandle h) override { return ++calls, w_.processOf(h); }
    std::string processExecutablePath(ProcessId id) override { return ++calls, w_.processExecutablePath(id); }
    bool postClose(WindowHandle h) override { return ++calls, w_.postClose(h); }
    bool minimise(WindowHandle h) override { return ++calls, w_.minimise(h); }
    bool show(WindowHandle h, platform::ShowCommand c) override { return ++calls, w_.show(h, c); }
    bool move(WindowHandle h, platform::Rect r, bool repaint) override { return ++calls, w_.move(h, r, repaint); }
    bool bringToTop(WindowHandle h) override { return ++calls, w_.bringToTop(h); }
    bool flash(WindowHandle h, bool invert) override { return ++calls, w_.flash(h, invert); }
    bool isMinimised(WindowHandle h) override { return ++calls, w_.isMinimised(h); }
    platform::Rect windowRect(WindowHandle h) override { return ++calls, w_.windowRect(h); }
    WindowHandle activeWindow() override { return ++calls, w_.activeWindow(); }
    platform::Rect desktopRect() override { return ++calls, w_.desktopRect(); }
    platform::Rect workArea() override { return ++calls, w_.workArea(); }
    platform::VersionRecord version() override { return ++calls, w_.version(); }

private:
    sim::SimWindowManager& w_;
};

class CountingFiles : public platform::Files {
public:
    explicit CountingFiles(sim::SimFileSystem& f) : f_(f) {}
    long long calls = 0;

    bool directoryExists(const std::string& p) override { return ++calls, f_.directoryExists(p); }
    bool fileExists(const std::string& p) override { return ++calls, f_.fileExists(p); }
    std::string canonicalFolderPath(const std::string& p) override { return ++calls, f_.canonicalFolderPath(p); }
    platform::ReadResult readFile(const std::string& p, std::size_t max) override {
        return ++calls, f_.readFile(p, max);
    }
    void writeFile(const std::string& p, const std::string& bytes) override {
        ++calls;
        f_.writeFile(p, bytes);
    }
    void replaceFile(const std::string& from, const std::string& to) override {
        ++calls;
        f_.replaceFile(from, to);
    }
    bool removeFile(const std::string& p) override { return ++calls, f_.removeFile(p); }

private:
    sim::SimFileSystem& f_;
};

// `folders` Explorer windows, listed and ticked, and three lost ones to rebirth.
struct CountedDesktop {
    sim::SimDesktop sim;
    CountingDesktop desktop{sim.windows};
    CountingFiles files{sim.files};
    folvaric::Form1 form{platform::Platform{desktop, files, sim.shell, sim.dialogs, sim.clipboard, sim.sound, sim.clock,
                                            sim.app, sim.explorer}};

    CountedDesktop(int folders, sim::ExplorerStyle style) {
        sim.explorer.options.style = style;
        for (int i = 0; i < folders; ++i) sim.openExplorerWindow("D:\\Work\\Folder" + std::to_string(i));
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

void BM_RefreshCallsPerWindow(benchmark::State& state, sim::ExplorerStyle style) {
    const int n = static_cast<int>(state.range(0));
    CountedDesktop d(n, style);
    long long desktopCalls = 0;
    long long fileCalls = 0;
    long long refreshes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int k = 0; k < 3; ++k) d.sim.closeWindow(d.form.table[k * 97 % n].window);
        const long long desktopBefore = d.desktop.calls;
        const long long filesBefore = d.files.calls;
        state.ResumeTiming();
        d.refresh();
        desktopCalls += d.desktop.calls - desktopBefore;
        fileCalls += d.files.calls - filesBefore;
        ++refreshes;
        if (d.form.lastRefresh.reborn != 3 || d.form.table.size() != n) {
            state.SkipWithError("rebirth incomplete");
            break;
        }
    }
    if (refreshes == 0) return;
    state.counters["windows"] = n;
    state.counters["desktop_calls_per_window"] = static_cast<double>(desktopCalls) / refreshes / n;
    state.counters["file_calls_per_window"] = static_cast<double>(fileCalls) / refreshes / n;
}

BENCHMARK_CAPTURE(BM_RefreshCallsPerWindow, xp, sim::ExplorerStyle::Xp)
    ->Arg(300)
    ->Arg(1000)
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefreshCallsPerWindow, win7, sim::ExplorerStyle::Win7)
    ->Arg(300)
    ->Arg(1000)
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
