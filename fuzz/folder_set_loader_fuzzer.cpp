// A folder-set file as any bytes: every pair of lines is either taken (within the table's
// room, texts cut to 255 bytes) or refused with a beep, what is taken writes back and reads
// the same, and loading it on a desktop leaves the list and the table in step.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "storage/folder_set_format.h"
#include "storage/folder_sets.h"
#include "tracking/refresh.h"

namespace {

// Lines as the loader counts them: a line ends at CR LF, a lone CR or a lone LF; a last line
// without a break still counts.
std::size_t countLines(const std::string& s) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            ++lines;
            if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else if (s[i] == '\n') {
            ++lines;
        }
    }
    if (!s.empty() && s.back() != '\r' && s.back() != '\n') ++lines;
    return lines;
}

void checkReader(const std::string& bytes) {
    const auto anyFolder = [](const std::string&) { return true; };
    const folvaric::LoadedFolderSet set = folvaric::readFolderSet(bytes, anyFolder);
    FUZZ_REQUIRE(set.accepted.size() <= static_cast<std::size_t>(folvaric::kMaxSetEntries));
    FUZZ_REQUIRE(set.accepted.size() + static_cast<std::size_t>(set.refused) == (countLines(bytes) + 1) / 2);
    for (const folvaric::FolderSetEntry& e : set.accepted) {
        FUZZ_REQUIRE(!e.name.empty() && e.name.size() <= 255 && !fuzzing::hasLineBreak(e.name));
        FUZZ_REQUIRE(e.path.size() >= 3 && e.path.size() <= 255 && !fuzzing::hasLineBreak(e.path));
    }
    // What was taken, saved again, is taken again whole.
    const folvaric::LoadedFolderSet again = folvaric::readFolderSet(folvaric::formatFolderSet(set.accepted), anyFolder);
    FUZZ_REQUIRE(again.refused == 0 && again.accepted.size() == set.accepted.size());
    for (std::size_t i = 0; i < set.accepted.size(); ++i) {
        FUZZ_REQUIRE(again.accepted[i].name == set.accepted[i].name);
        FUZZ_REQUIRE(again.accepted[i].path == set.accepted[i].path);
    }
}

void checkLoad(const std::string& bytes) {
    fuzzing::Program program;
    sim::SimDesktop& sim = program.sim;
    folvaric::Form1& f = program.form;
    for (const char* folder : {"D:\\Data", "D:\\Old", "D:\\Work\\Old"}) sim.files.addFolder(folder);
    sim.files.addFolder("D:\\" + fuzzing::gbk("数据"));
    sim.openExplorerWindow("D:\\Data");
    sim.openExplorerWindow("D:\\Work\\Old");
    sim.windows.setActive(sim.app.mainWindow());
    folvaric::suaxinClick(f);
    const auto rowOf = [&f](const std::string& path) {
        const auto it = std::find_if(f.table.begin(), f.table.end(),
                                     [&path](const folvaric::FolderRow& row) { return row.path == path; });
        return it == f.table.end() ? -1 : static_cast<int>(it - f.table.begin());
    };
    f.CheckListBox1.setChecked(rowOf("D:\\Data"), true);

    f.folderSetFile = f.defaultSetFile;
    sim.files.addFile(f.folderSetFile, bytes);
    folvaric::diaorujiheziClick(f);

    FUZZ_REQUIRE(!f.refreshBusy && f.runningRefreshFolders == nullptr);
    FUZZ_REQUIRE(program.listMatchesTable());
    // The tick made before the load stays.
    FUZZ_REQUIRE(rowOf("D:\\Data") >= 0 && f.CheckListBox1.checked(rowOf("D:\\Data")));
    // Every row stands for a window that shows its folder.
    for (int i = 0; i < f.table.size(); ++i) {
        const platform::WindowHandle h = f.table[i].window;
        FUZZ_REQUIRE(sim.windows.exists(h));
        FUZZ_REQUIRE(fuzzing::sameFolder(fuzzing::folderShownBy(sim, h), f.table[i].path));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkReader(bytes);
    checkLoad(bytes);
    return 0;
}
