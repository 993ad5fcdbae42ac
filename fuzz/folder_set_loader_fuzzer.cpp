// A folder-set file as any bytes: every pair of lines is either taken (within the table's
// room, whole, as an absolute drive path or the computer view) or refused with a beep, what
// is taken writes back and reads the same, and loading it on a desktop whose disk resolves
// relative paths, "..", case and short names leaves the list and the table in step and lists
// every window it opened for the folder that was asked for.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "storage/folder_set_format.h"
#include "storage/folder_sets.h"
#include "text/folder_path.h"
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
        FUZZ_REQUIRE(!e.name.empty() && !fuzzing::hasLineBreak(e.name));
        FUZZ_REQUIRE(text::isComputerFolderName(e.path) || text::isAbsoluteDrivePath(e.path));
        FUZZ_REQUIRE(text::utf16Length(e.path) <= text::kMaxFolderPathUnits && !fuzzing::hasLineBreak(e.path));
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
    // Full paths as titles: every window opened for an entry can then be found by its path.
    sim.explorer.options.titleMode = sim::TitleMode::FullPath;
    for (const char* folder : {"D:\\Data", "D:\\Old", "D:\\Work\\Old", "D:\\Photos, 2020", "D:\\Long Folder"}) {
        sim.files.addFolder(folder);
    }
    sim.files.addFolder("D:\\" + fuzzing::gbk("数据"));
    // Past 255 bytes, and sharing its first 255 bytes with its parent.
    std::string deep = "D:\\";
    for (int i = 0; i < 126; ++i) deep += fuzzing::gbk("资");
    sim.files.addFolder(deep + "\\" + fuzzing::gbk("料料"));
    sim.files.setCurrentFolder("D:\\Work");  // where a relative path would land
    sim.openExplorerWindow("D:\\Data");
    sim.openExplorerWindow("D:\\Work\\Old");
    sim.windows.setActive(sim.app.mainWindow());
    folvaric::refreshFolderList(f);
    const auto rowOf = [&f](const std::string& path) {
        const auto it = std::find_if(f.table.begin(), f.table.end(),
                                     [&path](const folvaric::FolderRow& row) { return row.path == path; });
        return it == f.table.end() ? -1 : static_cast<int>(it - f.table.begin());
    };
    f.CheckListBox1.setChecked(rowOf("D:\\Data"), true);

    std::vector<platform::WindowHandle> before = sim.windows.zOrder();
    std::sort(before.begin(), before.end());
    f.folderSetFile = f.defaultSetFile;
    sim.files.addFile(f.folderSetFile, bytes);
    folvaric::readFolderSetFile(f);

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
    // Every window the load opened is listed, and shows a folder an Explorer command asked for.
    std::vector<std::string> asked;
    for (const auto& call : sim.shell.calls) {
        for (const std::string& argument : sim::SimExplorer::commandLineArguments(call.parameters)) {
            if (argument.empty() || argument[0] == '/') continue;
            asked.push_back(argument.compare(0, 3, "::{") == 0 ? sim.explorer.computerName()
                                                               : sim.files.canonicalFolderPath(argument));
            break;
        }
    }
    for (const platform::WindowHandle h : sim.windows.zOrder()) {
        if (std::binary_search(before.begin(), before.end(), h) || sim.window(h).className != "CabinetWClass") continue;
        const std::string shown = fuzzing::folderShownBy(sim, h);
        FUZZ_REQUIRE(std::find(asked.begin(), asked.end(), shown) != asked.end());
        const auto listed = std::find_if(f.table.begin(), f.table.end(),
                                         [h](const folvaric::FolderRow& row) { return row.window == h; });
        FUZZ_REQUIRE(listed != f.table.end() && fuzzing::sameFolder(listed->path, shown));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkReader(bytes);
    checkLoad(bytes);
    return 0;
}
