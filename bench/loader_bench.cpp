// The two file loaders on the largest input the program takes: the settings file `set`, and a
// folder set of 3000 entries (the table's capacity). The folder-set figures are the reading
// and checking of the file (every path asked of the disk) and the whole load, whose refresh
// ticks the 3000 listed folders; with the folders all open it re-opens nothing, so no pause is
// virtual time here. The save of 3000 ticked rows is the other direction.
#include <benchmark/benchmark.h>

#include <string>

#include "app/main_form.h"
#include "sim/sim_desktop.h"
#include "state/form1.h"
#include "storage/folder_set_format.h"
#include "storage/folder_sets.h"
#include "storage/settings_file.h"
#include "text/gbk_text.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace {

using text::gbk;

constexpr int kEntries = 3000;

struct Program {
    sim::SimDesktop sim;
    folvaric::Form1 form{sim.platform()};

    Program() {
        form.appDir = "C:\\Folvaric";
        form.settingsFilePath = form.appDir + "\\set";
        form.folderSetDir = form.appDir + "\\" + gbk("文件夹集合保存目录");
        form.defaultSetFile = form.folderSetDir + "\\" + gbk("默认.txt");
        form.folderSetFile = form.defaultSetFile;
        form.formShown = true;
        form.startupDone = true;
        folvaric::buildForm1(form);
        folvaric::detectWindowsGeneration(form);
    }
};

std::string folderPath(int i) {
    return "D:\\" + gbk("项目") + "\\Folder" + std::to_string(i);
}

// 3000 folders that exist, each with its window open; the set names every one of them.
struct FullSet : Program {
    std::string bytes;

    FullSet() {
        std::vector<folvaric::FolderSetEntry> entries;
        for (int i = 0; i < kEntries; ++i) {
            sim.openExplorerWindow(folderPath(i));
            entries.push_back({sim::SimExplorer::displayName(folderPath(i)), folderPath(i)});
        }
        bytes = folvaric::formatFolderSet(entries);
        sim.files.addFile(form.defaultSetFile, bytes);
    }
};

void BM_SettingsLoad(benchmark::State& state) {
    Program p;
    p.sim.files.addFile(p.form.settingsFilePath,
                        "16\r\n" + gbk("宋体") + "\r\n-16777208\r\n1\r\nmain.ico\r\n1\r\n0\r\n1\r\n");
    p.sim.files.addFile(p.form.appDir + gbk("\\图标\\main.ico"), "icon");
    for (auto _ : state) folvaric::loadSettings(p.form);
    if (!p.sim.dialogs.boxes.empty()) state.SkipWithError("the settings were refused");
}

void BM_FolderSetRead3000(benchmark::State& state) {
    FullSet p;
    const auto isFolder = [&p](const std::string& path) { return p.sim.files.directoryExists(path); };
    for (auto _ : state) {
        const folvaric::LoadedFolderSet set = folvaric::readFolderSet(p.bytes, isFolder);
        if (set.accepted.size() != kEntries) state.SkipWithError("entries refused");
        benchmark::DoNotOptimize(set);
    }
    state.counters["entries"] = kEntries;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * p.bytes.size()));
}

void BM_FolderSetLoad3000(benchmark::State& state) {
    FullSet p;
    for (auto _ : state) {
        state.PauseTiming();
        p.form.CheckListBox1.clear();
        p.form.table.clear();
        state.ResumeTiming();
        folvaric::readFolderSetFile(p.form);
    }
    int ticked = 0;
    for (int i = 0; i < p.form.CheckListBox1.count(); ++i) ticked += p.form.CheckListBox1.checked(i);
    if (ticked != kEntries || !p.sim.sound.beeps.empty() || p.sim.explorer.opensRequested() != 0)
        state.SkipWithError("the set did not load whole");
    state.counters["entries"] = kEntries;
}

void BM_FolderSetSave3000(benchmark::State& state) {
    FullSet p;
    folvaric::refreshFolderList(p.form);
    for (int i = 0; i < p.form.CheckListBox1.count(); ++i) p.form.CheckListBox1.setChecked(i, true);
    for (auto _ : state) folvaric::saveDefaultFolderSet(p.form);
    if (p.sim.files.contents(p.form.defaultSetFile).value_or("").size() != p.bytes.size())
        state.SkipWithError("the save differs from the set");
    state.counters["entries"] = kEntries;
}

BENCHMARK(BM_SettingsLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FolderSetRead3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FolderSetLoad3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FolderSetSave3000)->Unit(benchmark::kMillisecond);

}  // namespace
