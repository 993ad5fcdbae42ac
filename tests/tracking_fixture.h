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

// What the refresh shows on the status line.
inline const std::string kStarted = gbk("开始刷新 Explorer窗口列表，请稍候。。。");
inline const std::string kNoWindow = gbk("windows资源管理器文件夹一个也没有打开，请打开windows资源管理器");
inline const std::string kLooking = gbk("正在寻找被关闭的文件夹。。。。。。");
inline const std::string kStillOpen = gbk("文件夹有重复，拒绝重生");
inline const std::string kRebirthStarted = gbk("开始自动生成被关闭的文件夹，请稍候。。。。。。");
inline const std::string kSizing = gbk("自动恢复的文件夹开始最大化。。。。。。");
inline const std::string kNothingLost = gbk("刷新结束，有效的受保护文件夹一个也没有被系统关闭");
inline std::string rebornReport(int n) {
    return gbk("文件夹自动重生过程结束，共恢复文件夹数") + std::to_string(n) + gbk("个");
}

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
};

}  // namespace tracking_test
