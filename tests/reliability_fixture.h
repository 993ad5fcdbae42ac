#pragma once
// A desktop that misbehaves the way real ones do while the program looks at it: windows that
// vanish between two calls, handles that Windows hands to another window, processes that exit
// while their modules are read. The program runs on it exactly as on the plain simulated
// desktop; a test arms a fault and then checks what every user relies on afterwards.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "commands/ordering.h"
#include "sim/sim_desktop.h"
#include "state/form1.h"
#include "support/fixture.h"
#include "text/gbk_text.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace reliability {

using platform::ProcessId;
using platform::WindowHandle;
using text::gbk;

// The simulated window manager behind a layer that can put a fault before any call.
class FaultyDesktop : public platform::Desktop {
public:
    explicit FaultyDesktop(sim::SimWindowManager& windows) : w_(windows) {}

    // Runs `fault` once, just before the n-th call (n >= 1) made from now on.
    void beforeCall(long n, std::function<void()> fault) { faults_.emplace(calls_ + n, std::move(fault)); }
    long calls() const { return calls_; }

    // From now on `handle` names the window `reusedBy`: the window it named is gone, and
    // Windows gave the number to another window.
    void reuseHandle(WindowHandle handle, WindowHandle reusedBy) {
        if (w_.exists(handle)) w_.destroy(handle);
        aliasOf_[handle] = reusedBy;
        seenAs_[reusedBy] = handle;
    }
    // The window of the simulation that a handle of the program names now (0: none).
    WindowHandle windowNamedBy(WindowHandle h) const {
        if (auto it = aliasOf_.find(h); it != aliasOf_.end()) return w_.exists(it->second) ? it->second : 0;
        if (seenAs_.count(h) != 0) return 0;
        return w_.exists(h) ? h : 0;
    }

    // Runs while the modules of a process are read; true: the process ended meanwhile and
    // its executable can no longer be read.
    std::function<bool(ProcessId)> duringModuleLookup;

    std::vector<WindowHandle> topLevelWindowsInZOrder() override {
        tick();
        std::vector<WindowHandle> z = w_.zOrder();
        for (WindowHandle& h : z) h = seen(h);
        return z;
    }
    bool isWindow(WindowHandle h) override { return tick(), real(h) != 0; }
    std::uint32_t style(WindowHandle h) override { return tick(), w_.style(real(h)); }
    std::string title(WindowHandle h, int chars) override { return tick(), w_.title(real(h), chars); }
    std::string className(WindowHandle h, int chars) override { return tick(), w_.className(real(h), chars); }
    void forEachDescendant(WindowHandle h, const std::function<bool(WindowHandle)>& visit) override {
        tick();
        w_.forEachDescendant(real(h), visit);
    }
    std::string windowText(WindowHandle h, int chars) override { return tick(), w_.windowText(real(h), chars); }
    ProcessId processOf(WindowHandle h) override { return tick(), w_.processOf(real(h)); }
    std::string processExecutablePath(ProcessId id) override {
        tick();
        if (duringModuleLookup && duringModuleLookup(id)) return std::string();
        return w_.processExecutablePath(id);
    }
    bool postClose(WindowHandle h) override { return tick(), w_.postClose(real(h)); }
    bool minimise(WindowHandle h) override { return tick(), w_.minimise(real(h)); }
    bool show(WindowHandle h, platform::ShowCommand c) override { return tick(), w_.show(real(h), c); }
    bool move(WindowHandle h, platform::Rect r, bool repaint) override { return tick(), w_.move(real(h), r, repaint); }
    bool bringToTop(WindowHandle h) override { return tick(), w_.bringToTop(real(h)); }
    bool flash(WindowHandle h, bool invert) override { return tick(), w_.flash(real(h), invert); }
    bool isMinimised(WindowHandle h) override { return tick(), w_.isMinimised(real(h)); }
    platform::Rect windowRect(WindowHandle h) override { return tick(), w_.windowRect(real(h)); }
    WindowHandle activeWindow() override { return tick(), seen(w_.activeWindow()); }
    platform::Rect desktopRect() override { return tick(), w_.desktopRect(); }
    platform::Rect workArea() override { return tick(), w_.workArea(); }
    platform::VersionRecord version() override { return tick(), w_.version(); }

private:
    void tick() {
        ++calls_;
        auto due = faults_.equal_range(calls_);
        std::vector<std::function<void()>> run;
        for (auto it = due.first; it != due.second; ++it) run.push_back(std::move(it->second));
        faults_.erase(due.first, due.second);
        for (auto& fault : run) fault();
    }
    WindowHandle real(WindowHandle h) const { return windowNamedBy(h); }
    WindowHandle seen(WindowHandle h) const {
        auto it = seenAs_.find(h);
        return it == seenAs_.end() ? h : it->second;
    }

    sim::SimWindowManager& w_;
    long calls_ = 0;
    std::multimap<long, std::function<void()>> faults_;
    std::map<WindowHandle, WindowHandle> aliasOf_;  // reused handle -> the window it names now
    std::map<WindowHandle, WindowHandle> seenAs_;   // that window -> the reused handle
};

// The program, built as its entry builds it (every event bound), on a faulty desktop with a
// program folder that holds a settings file and the default folder set.
struct ReliabilityFixture {
    sim::SimDesktop sim;
    FaultyDesktop desktop{sim.windows};
    folvaric::Form1 form{platform::Platform{desktop, sim.files, sim.shell, sim.dialogs, sim.clipboard, sim.sound,
                                            sim.clock, sim.app, sim.explorer}};

    ReliabilityFixture() {
        form.appDir = "C:\\Folvaric";
        form.settingsFilePath = form.appDir + "\\set";
        form.folderSetDir = form.appDir + "\\" + gbk("文件夹集合保存目录");
        form.defaultSetFile = form.folderSetDir + "\\" + gbk("默认.txt");
        form.soundDir = form.appDir + gbk("\\音效");
        sim.files.addFile(form.settingsFilePath,
                          "16\r\n" + gbk("宋体") + "\r\n-16777208\r\n1\r\nmain.ico\r\n1\r\n0\r\n0\r\n");
        sim.files.addFile(form.defaultSetFile, "");
        sim.files.addFolder("D:\\");
        folvaric::buildForm1(form);
        form.endApplication = [] {};
        form.formShown = true;
        form.startupDone = true;
        folvaric::detectWindowsGeneration(form);
    }

    // The common scene: Photos, Work and Data open and listed, Data and Photos ticked, then Photos'
    // window closed outside the program.
    void protectDataAndPhotosThenLosePhotos() {
        sim.openExplorerWindow("D:\\Photos");
        sim.openExplorerWindow("D:\\Work");
        sim.openExplorerWindow("D:\\Data");
        refresh();
        tick("D:\\Data");
        tick("D:\\Photos");
        sim.closeWindow(handleOf("D:\\Photos"));
        sim.dialogs.boxes.clear();
    }

    // A listed row of this folder carries a tick.
    bool isProtected(const std::string& path) const {
        for (int i = 0; i < form.table.size(); ++i) {
            if (form.table[i].path == path && form.CheckListBox1.checked(i)) return true;
        }
        return false;
    }

    // The user presses Refresh: the program is the active window.
    void refresh() {
        sim.windows.setActive(sim.app.mainWindow());
        folvaric::refreshFolderList(form);
    }

    int rowOf(const std::string& path) const { return testing_support::rowOf(form, path); }
    WindowHandle handleOf(const std::string& path) const {
        const int row = rowOf(path);
        return row < 0 ? 0 : form.table[row].window;
    }
    void tick(const std::string& path) { form.CheckListBox1.setChecked(rowOf(path), true); }
    bool ticked(const std::string& path) const { return testing_support::ticked(form, path); }

    // The folder an Explorer window of the simulation shows in its address control; empty
    // for other windows and for an address that is not a path.
    std::string folderShownBy(WindowHandle simWindow) {
        std::string folder;
        if (simWindow == 0 || !sim.windows.exists(simWindow)) return folder;
        if (sim.window(simWindow).process != sim.explorer.process()) return folder;
        const std::string label = gbk("地址: ");
        sim.windows.forEachDescendant(simWindow, [&](WindowHandle child) {
            const sim::SimWindow& w = sim.window(child);
            if (w.className == "Edit") folder = w.text;
            if (w.className == "ToolbarWindow32" && w.title.compare(0, label.size(), label) == 0)
                folder = w.title.substr(label.size());
            return folder.empty();
        });
        return folder;
    }

    // What must hold whenever no operation is half-way, whatever went wrong on the desktop:
    // the refresh is over, entry k is row k, and every row whose window still exists names a
    // window that shows the row's folder; except a row of the folder `exempt`, whose window
    // the test took away and whose handle it gave to another window on purpose.
    void expectConsistent(const std::string& context, const std::string& exempt = std::string()) {
        SCOPED_TRACE(context);
        EXPECT_FALSE(form.refreshBusy);
        EXPECT_TRUE(form.Button4.enabled());
        ASSERT_GE(form.table.size(), 0);
        ASSERT_LE(form.table.size(), folvaric::kMaxRows);
        ASSERT_EQ(form.table.size(), form.CheckListBox1.count());
        for (int i = 0; i < form.table.size(); ++i) {
            const auto row = static_cast<std::size_t>(i);
            ASSERT_EQ(form.CheckListBox1.item(i), form.table[row].name) << "row " << i;
            const WindowHandle h = form.table[row].window;
            const std::string& path = form.table[row].path;
            if (path.empty() || (!exempt.empty() && path == exempt)) continue;
            const WindowHandle window = desktop.windowNamedBy(h);
            if (window == 0) continue;  // gone since: the next refresh drops the row
            EXPECT_EQ(folderShownBy(window), path) << "row " << i << " (" << form.table[row].name << ")";
        }
    }
};

// A command as the user gives it: through its menu item, button or the list, so that it runs
// as the program runs it (behind the general error handler).
struct UserCommand {
    const char* name;
    std::function<void(ReliabilityFixture&)> run;
    // False for the commands whose purpose is to take protection away (unticking, closing
    // from the program).
    bool keepsProtection = true;
};

inline std::vector<UserCommand> userCommands() {
    using F = ReliabilityFixture;
    const auto selectFirst = [](F& t) {
        if (t.form.CheckListBox1.count() > 0) t.form.CheckListBox1.userSelect(0);
    };
    // The first entry selected, then `act`.
    const auto onFirst = [=](std::function<void(F&)> act) {
        return [=](F& t) {
            selectFirst(t);
            act(t);
        };
    };
    return {
        {"tick the first entry",
         [](F& t) {
             if (t.form.CheckListBox1.count() > 0) t.form.CheckListBox1.userToggle(0);
         },
         false},
        {"shift-tick a range",
         [](F& t) {
             controls::CheckListBox& list = t.form.CheckListBox1;
             if (list.count() < 2) return;
             list.userKeyDown(16, controls::shift::Shift);
             list.userSelect(list.count() - 1);
             if (!list.checked(list.count() - 1)) list.userToggle(list.count() - 1);
             list.userKeyUp(16, 0);
         }},
        {"tick all", [](F& t) { t.form.editMenu.tickAll.onClick(); }},
        {"untick all", [](F& t) { t.form.editMenu.untickAll.onClick(); }, false},
        {"invert", [](F& t) { t.form.editMenu.invertTicks.onClick(); }, false},
        {"select an entry", selectFirst},
        {"close one", onFirst([](F& t) { t.form.editMenu.closeOne.onClick(); }), false},
        {"minimise one", onFirst([](F& t) { t.form.editMenu.minimiseOne.onClick(); })},
        {"maximise one", onFirst([](F& t) { t.form.CheckListBox1.userDoubleClick(); })},
        {"flash", onFirst([](F& t) { t.form.editMenu.flashWindow.onClick(); })},
        {"minimise all", [](F& t) { t.form.Button1.OnClick(); }},
        {"maximise all", [](F& t) { t.form.Button2.OnClick(); }},
        {"maximise all from the tray", [](F& t) { t.form.trayMenu.maximiseAll.onClick(); }},
        {"partial close", [](F& t) { t.form.Button3.OnClick(); }},
        {"close all", [](F& t) { t.form.editMenu.closeAll.onClick(); }, false},
        {"count", [](F& t) { t.form.editMenu.countWindows.onClick(); }},
        {"sort by protection", [](F& t) { t.form.editMenu.sortByProtection.onClick(); }},
        {"drag the first entry down",
         [=](F& t) {
             if (t.form.CheckListBox1.count() < 3) return;
             folvaric::listDragStarted(t.form, 5, 5);
             selectFirst(t);
             folvaric::listDragDropped(t.form, 5, 2 * t.form.CheckListBox1.itemHeight + 5);
         }},
        {"another refresh", [](F& t) { t.form.editMenu.refresh.onClick(); }},
        {"automatic refresh on restore",
         [](F& t) {
             t.form.settingsMenu.autoRefresh.setChecked(true);
             t.sim.app.minimise();
             t.sim.app.restore();
         }},
        {"load the default set",
         [](F& t) {
             t.sim.files.addFile(t.form.defaultSetFile, "Work\r\nD:\\Work\r\n");
             t.form.fileMenu.loadDefaultSet.onClick();
         }},
        {"save the default set", [](F& t) { t.form.fileMenu.saveDefaultSet.onClick(); }},
        {"save the set as",
         [](F& t) {
             t.sim.dialogs.saveAnswers.push_back(t.form.folderSetDir + "\\other.txt");
             t.form.fileMenu.saveSetAs.onClick();
         }},
        {"save the settings", [](F& t) { t.form.settingsMenu.saveSettings.onClick(); }},
        {"reload the settings", [](F& t) { t.form.settingsMenu.reloadSettings.onClick(); }},
        {"minimise the other programs", [](F& t) { t.form.otherMenu.minimiseOtherPrograms.onClick(); }},
        {"restore the other programs", [](F& t) { t.form.otherMenu.restoreOtherPrograms.onClick(); }},
        {"open the program folder", [](F& t) { t.form.otherMenu.openProgramFolder.onClick(); }},
        {"copy the path", onFirst([](F& t) { t.form.editMenu.copyPath.onClick(); })},
        {"exit", [](F& t) { folvaric::FormClose(t.form); }},
        {"session ending", [](F& t) { folvaric::sessionEnding(t.form); }},
    };
}

}  // namespace reliability
