#pragma once
// A desktop for the window-tracking tests: drives D: and E:, helpers to build
// Explorer windows whose address controls say exactly what a case needs, and a
// record of every text the status line showed.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "sim/sim_desktop.h"
#include "support/fixture.h"
#include "tracking/address_scan.h"
#include "tracking/discovery.h"
#include "tracking/explorer_walk.h"
#include "tracking/refresh.h"

namespace tracking_test {

using platform::WindowHandle;
using text::gbk;

struct TrackingFixture : testing_support::Fixture, ::testing::Test {
    std::vector<std::string> statusHistory;

    TrackingFixture() {
        sim.files.addFolder("D:\\");
        sim.files.addFolder("E:\\");
        form.StatusBar1.onChanged = [this] { statusHistory.push_back(form.StatusBar1.simpleText()); };
    }

    // An Explorer window (process explorer.exe) titled `title` whose XP address
    // edit box holds `address`.
    WindowHandle xpWindow(const std::string& title, const std::string& address) {
        const WindowHandle top = explorerTop(title);
        const WindowHandle combo = sim.windows.createChild(
            sim.windows.createChild(sim.windows.createChild(top, "WorkerW", ""), "ReBarWindow32", ""), "ComboBox", "");
        sim.windows.createChild(combo, "Edit", "", address);
        return top;
    }

    // An Explorer window whose Vista/7 address toolbar reads `toolbarText`.
    WindowHandle win7Window(const std::string& title, const std::string& toolbarText) {
        const WindowHandle top = explorerTop(title);
        const WindowHandle crumb =
            sim.windows.createChild(sim.windows.createChild(top, "WorkerW", ""), "Breadcrumb Parent", "");
        sim.windows.createChild(crumb, "ToolbarWindow32", toolbarText);
        return top;
    }

    WindowHandle explorerTop(const std::string& title) {
        const WindowHandle top =
            sim.windows.createTopLevel(sim.explorer.process(), "CabinetWClass", title, sim::SimDesktop::kAppStyle);
        sim.windows.setActive(top);
        return top;
    }

    // The program after start-up, on Windows 7 unless a test says otherwise.
    void running() {
        shown();
        folvaric::detectWindowsGeneration(form);
    }
    // The user presses Refresh: the program is the active window.
    void refreshFromProgram() {
        sim.windows.setActive(sim.app.mainWindow());
        folvaric::refreshFolderList(form);
    }
    // The same with a folder set being loaded: its entries are protected first.
    void refreshLoading(std::vector<folvaric::FolderRow> loadedSet) {
        sim.windows.setActive(sim.app.mainWindow());
        folvaric::refreshFolderWindows(form, std::move(loadedSet));
    }
    int lostFolderCount() const { return static_cast<int>(form.lastRefresh.lostFolders.size()); }
    void tick(const std::string& path) { form.CheckListBox1.setChecked(rowOf(path), true); }

    bool enumerate(bool minimiseOthers = false, bool restoreOthers = false) {
        return folvaric::enumerateExplorerWindows(form, minimiseOthers, restoreOthers);
    }
    // Walks the desktop again and tells how many windows' folder paths were read.
    int resolvedPaths() {
        folvaric::CapacityNotice notice(form);
        return folvaric::walkExplorerWindows(form, false, false, notice).resolvedPaths;
    }

    std::vector<std::string> rowNames() const {
        return testing_support::column(form.table, &folvaric::FolderRow::name);
    }
    std::vector<std::string> rowPaths() const {
        return testing_support::column(form.table, &folvaric::FolderRow::path);
    }
    std::vector<WindowHandle> rowHandles() const {
        return testing_support::column(form.table, &folvaric::FolderRow::window);
    }

    // Row of the folder, -1 when it is not listed.
    int rowOf(const std::string& path) const {
        for (int i = 0; i < form.table.size(); ++i) {
            if (form.table[i].path == path) return i;
        }
        return -1;
    }
    bool ticked(const std::string& path) const {
        const int row = rowOf(path);
        return row >= 0 && form.CheckListBox1.checked(row);
    }
};

}  // namespace tracking_test
