// The address scan on any window texts: an Explorer window whose title, XP address edit box
// and Vista/7 address toolbar say whatever the input says. The scan takes a path only when it
// names a folder the program can re-open, records why otherwise, and a refresh that re-opens
// the folder lists it as the folder's own window.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace {

using platform::WindowHandle;

bool isComputerName(const std::string& s) {
    return s == fuzzing::gbk("我的电脑") || s == fuzzing::gbk("计算机");
}

// An Explorer window whose address controls hold the given texts (empty: no such control).
WindowHandle explorerWindow(sim::SimDesktop& sim, const std::string& title, const std::string& editText,
                            const std::string& toolbarText, bool editFirst) {
    const WindowHandle top =
        sim.windows.createTopLevel(sim.explorer.process(), "CabinetWClass", title, sim::SimDesktop::kAppStyle);
    const WindowHandle rebar =
        sim.windows.createChild(sim.windows.createChild(top, "WorkerW", ""), "ReBarWindow32", "");
    const auto addEdit = [&] {
        if (!editText.empty()) sim.windows.createChild(rebar, "Edit", "", editText);
    };
    const auto addToolbar = [&] {
        if (!toolbarText.empty()) sim.windows.createChild(rebar, "ToolbarWindow32", toolbarText);
    };
    if (editFirst) {
        addEdit();
        addToolbar();
    } else {
        addToolbar();
        addEdit();
    }
    return top;
}

void checkRow(fuzzing::Program& program, int row) {
    folvaric::Form1& f = program.form;
    const std::string& path = f.table[row].path;
    FUZZ_REQUIRE(!f.table[row].name.empty());
    if (path.empty()) return;
    FUZZ_REQUIRE(isComputerName(path) ||
                 (path.size() >= 3 && path[2] == '\\' && program.sim.files.directoryExists(path)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    fuzzing::Program program;
    sim::SimDesktop& sim = program.sim;
    folvaric::Form1& f = program.form;
    sim.files.addFolder("D:\\Data");
    sim.files.addFolder("D:\\" + fuzzing::gbk("数据\\表"));

    const bool editFirst = input.ConsumeBool();
    const bool protect = input.ConsumeBool();
    const std::string title = input.ConsumeRandomLengthString(600);
    const std::string editText = input.ConsumeRandomLengthString(600);
    const std::string toolbarText = input.ConsumeRandomLengthString(1100);
    const WindowHandle window = explorerWindow(sim, title, editText, toolbarText, editFirst);
    sim.openExplorerWindow("D:\\Data");

    const bool found = folvaric::enumerateExplorerWindows(f, false, false);
    FUZZ_REQUIRE(found);  // D:\Data at least
    FUZZ_REQUIRE(f.table.size() >= 1 && f.table.size() <= 2);
    for (int i = 0; i < f.table.size(); ++i) checkRow(program, i);
    // D:\Data's own window always gives its path, so the walk ends with paths readable.
    FUZZ_REQUIRE(f.pathsResolvable && f.pathFailReason == folvaric::AddressFailure::None);

    // The same desktop through a refresh: the fuzzed window's folder, protected and closed
    // outside the program, comes back as a row of its own window, or not at all.
    sim.windows.setActive(sim.app.mainWindow());
    folvaric::refreshFolderList(f);
    FUZZ_REQUIRE(program.listMatchesTable());
    if (!protect) return 0;
    for (int i = 0; i < f.table.size(); ++i) f.CheckListBox1.setChecked(i, true);
    sim.closeWindow(window);
    folvaric::refreshFolderList(f);
    FUZZ_REQUIRE(program.listMatchesTable());
    for (int i = 0; i < f.table.size(); ++i) {
        checkRow(program, i);
        const WindowHandle h = f.table[i].window;
        FUZZ_REQUIRE(h != window && sim.windows.exists(h));
        FUZZ_REQUIRE(sim.window(h).process == sim.explorer.process());
    }
    return 0;
}
