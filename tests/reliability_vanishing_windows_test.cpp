// The desktop changes under the program's feet while it walks it: a window vanishes between
// any two calls of a refresh, a handle is handed to another window, a process exits while its
// modules are read, a window never honours its close request. Nothing may crash, the list and
// the table stay in step, no row is taken over by another folder's window, and the protected
// folders stay protected.
#include <gtest/gtest.h>

#include "commands/window_commands.h"
#include "reliability_fixture.h"

namespace reliability {
namespace {

const std::string kRecycleBin = gbk("回收站");

// Data and Photos ticked; Photos' window was closed outside the program, Work stays open and
// unticked; a Recycle Bin and a Notepad window share the desktop.
struct Desktop : ReliabilityFixture {
    explicit Desktop(sim::ExplorerStyle style = sim::ExplorerStyle::Xp) {
        sim.explorer.options.style = style;
        sim.openAppWindow("Notes - Notepad", "C:\\WINDOWS\\notepad.exe");
        sim.explorer.openSpecialView(kRecycleBin);
        protectDataAndPhotosThenLosePhotos();
    }

    // The desktop calls one refresh makes when nothing goes wrong.
    static long callsOfARefresh(sim::ExplorerStyle style = sim::ExplorerStyle::Xp) {
        Desktop clean(style);
        const long before = clean.desktop.calls();
        clean.refresh();
        EXPECT_TRUE(clean.isProtected("D:\\Photos"));
        return clean.desktop.calls() - before;
    }
};

struct Victim {
    const char* name;
    // The window to destroy at that moment (0: none is there yet).
    std::function<WindowHandle(Desktop&)> window;
    bool isTheRebornWindow = false;
};

std::vector<Victim> victims() {
    const auto explorerWindowOf = [](const std::string& title) {
        return [title](Desktop& d) {
            const WindowHandle h = d.sim.findByTitle(title);
            return h != 0 && d.sim.window(h).process == d.sim.explorer.process() ? h : WindowHandle{0};
        };
    };
    return {
        {"the protected folder still open", explorerWindowOf("Data")},
        {"an unprotected folder", explorerWindowOf("Work")},
        {"the Recycle Bin", explorerWindowOf(kRecycleBin)},
        {"another program", [](Desktop& d) { return d.sim.findByTitle("Notes - Notepad"); }},
        {"the re-opened folder", explorerWindowOf("Photos"), true},
    };
}

TEST(ReliabilityVanishingWindows, AWindowVanishingBeforeAnyCallOfARefreshLeavesEverythingInStep) {
    for (const sim::ExplorerStyle style : {sim::ExplorerStyle::Xp, sim::ExplorerStyle::Win7}) {
        const long calls = Desktop::callsOfARefresh(style);
        ASSERT_GT(calls, 50);
        for (const Victim& victim : victims()) {
            for (long n = 1; n <= calls + 1; ++n) {
                Desktop d(style);
                d.desktop.beforeCall(n, [&d, &victim] {
                    if (const WindowHandle h = victim.window(d)) d.sim.closeWindow(h);
                });
                d.refresh();
                const std::string context = std::string(victim.name) + " vanishes before call " + std::to_string(n) +
                                            (style == sim::ExplorerStyle::Xp ? " (XP)" : " (Windows 7)");
                d.expectConsistent(context);
                if (victim.isTheRebornWindow) continue;  // never found: the refresh says so in its boxes
                EXPECT_TRUE(d.isProtected("D:\\Data")) << context;
                EXPECT_TRUE(d.isProtected("D:\\Photos")) << context;
                if (::testing::Test::HasFailure()) return;
            }
        }
    }
}

TEST(ReliabilityVanishingWindows, AWindowVanishingInTheMiddleOfEveryCommandLeavesEverythingInStep) {
    for (const UserCommand& command : userCommands()) {
        Desktop measured;
        measured.refresh();
        const long before = measured.desktop.calls();
        command.run(measured);
        const long calls = measured.desktop.calls() - before;
        for (long n = 1; n <= calls; ++n) {
            Desktop d;
            d.refresh();
            d.desktop.beforeCall(n, [&d] {
                if (const WindowHandle h = d.sim.findByTitle("Data")) d.sim.closeWindow(h);
            });
            command.run(d);
            d.expectConsistent(std::string(command.name) + ", Data vanishes before call " + std::to_string(n));
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST(ReliabilityHandleReuse, TheClosedFoldersHandleNowNamingAnotherProgramsWindowOfTheSameTitleIsNotTaken) {
    Desktop d;
    // Photos' window is gone; Windows gives its number to a viewer titled "Photos".
    const WindowHandle oldPhotos = d.form.table[d.rowOf("D:\\Photos")].window;
    const WindowHandle viewer = d.sim.openAppWindow("Photos", "C:\\tools\\viewer.exe");
    d.desktop.reuseHandle(oldPhotos, viewer);
    d.sim.explorer.options.openDelayPasses = 60;

    d.refresh();

    d.expectConsistent("after the refresh");
    EXPECT_TRUE(d.isProtected("D:\\Photos"));
    EXPECT_NE(d.handleOf("D:\\Photos"), oldPhotos);
    EXPECT_NE(d.sim.window(viewer).rect, (platform::Rect{0, 0, 1024, 738}));
}

TEST(ReliabilityHandleReuse, AListedWindowsHandleReusedAtAnyCallOfARefreshIsNeverTakenForTheLostFolder) {
    const long calls = Desktop::callsOfARefresh();
    for (long n = 1; n <= calls; ++n) {
        Desktop d;
        // Work's window closes and its number goes to a new window titled like the lost folder.
        d.desktop.beforeCall(n, [&d] {
            const WindowHandle work = d.handleOf("D:\\Work");
            if (work == 0 || d.desktop.windowNamedBy(work) == 0) return;
            d.desktop.reuseHandle(work, d.sim.openAppWindow("Photos", "C:\\tools\\viewer.exe"));
        });
        d.refresh();
        const std::string context = "Work's handle reused before call " + std::to_string(n);
        d.expectConsistent(context, "D:\\Work");
        EXPECT_TRUE(d.isProtected("D:\\Photos")) << context;
        const WindowHandle photos = d.desktop.windowNamedBy(d.handleOf("D:\\Photos"));
        ASSERT_NE(photos, 0) << context;
        EXPECT_EQ(d.sim.window(photos).process, d.sim.explorer.process()) << context;
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(ReliabilityHandleReuse, TheReopenedWindowTakingAClosedWindowsNumberIsListedUnderIt) {
    Desktop d;
    const WindowHandle oldPhotos = d.form.table[d.rowOf("D:\\Photos")].window;
    d.sim.clock.everyPass([&d, oldPhotos] {
        const WindowHandle reborn = d.sim.findByTitle("Photos");
        if (reborn != 0 && d.desktop.windowNamedBy(oldPhotos) == 0) d.desktop.reuseHandle(oldPhotos, reborn);
    });

    d.refresh();

    d.expectConsistent("after the refresh");
    EXPECT_TRUE(d.isProtected("D:\\Photos"));
    EXPECT_EQ(d.handleOf("D:\\Photos"), oldPhotos);
    EXPECT_EQ(d.sim.window(d.desktop.windowNamedBy(oldPhotos)).rect, (platform::Rect{0, 0, 1024, 738}));
}

// Ends the process at its m-th module lookup: its windows are gone and its modules unreadable.
void endProcessAtLookup(Desktop& d, ProcessId process, int m) {
    auto lookups = std::make_shared<int>(0);
    d.desktop.duringModuleLookup = [&d, process, m, lookups](ProcessId id) {
        if (id != process || ++*lookups != m) return false;
        std::vector<WindowHandle> windows;
        for (const WindowHandle h : d.sim.windows.zOrder()) {
            if (d.sim.window(h).process == process) windows.push_back(h);
        }
        for (const WindowHandle h : windows) d.sim.closeWindow(h);
        return true;
    };
}

TEST(ReliabilityProcessExit, ExplorerEndingWhileTheWalkReadsItsModulesLosesNoProtectedFolder) {
    Desktop d;
    endProcessAtLookup(d, d.sim.explorer.process(), 1);

    d.refresh();

    d.expectConsistent("after the refresh");
    // Explorer comes back (the shell restarts it) and re-opens what it is asked to.
    EXPECT_TRUE(d.isProtected("D:\\Data"));
    EXPECT_TRUE(d.isProtected("D:\\Photos"));
    EXPECT_FALSE(d.ticked("D:\\Work"));
    EXPECT_TRUE(d.sim.dialogs.boxes.empty());
}

TEST(ReliabilityProcessExit, ExplorerEndingWhileTheReopenedWindowIsCheckedIsToldInTheFailureBoxes) {
    Desktop d;
    // The walk reads Explorer's modules once; the next look is at the re-opened window.
    endProcessAtLookup(d, d.sim.explorer.process(), 2);

    d.refresh();

    d.expectConsistent("after the refresh");
    EXPECT_EQ(d.rowOf("D:\\Photos"), -1);
    ASSERT_EQ(d.sim.dialogs.boxes.size(), 2u);
    EXPECT_NE(d.sim.dialogs.boxes[1].text.find("D:\\Photos"), std::string::npos);
    EXPECT_EQ(d.sim.shell.calls.size(), 1u);
}

TEST(ReliabilityProcessExit, AnotherProgramEndingWhileItsModulesAreReadIsPassedOver) {
    Desktop d;
    const ProcessId notepad = d.sim.window(d.sim.findByTitle("Notes - Notepad")).process;
    endProcessAtLookup(d, notepad, 1);

    d.refresh();

    d.expectConsistent("after the refresh");
    EXPECT_EQ(d.sim.findByTitle("Notes - Notepad"), 0u);
    EXPECT_TRUE(d.isProtected("D:\\Data"));
    EXPECT_TRUE(d.isProtected("D:\\Photos"));
    EXPECT_NE(d.rowOf("D:\\Work"), -1);
}

TEST(ReliabilityProcessExit, ExplorerEndingDuringTheMinimiseAllPassKeepsTheTickedRows) {
    Desktop d;
    d.refresh();
    endProcessAtLookup(d, d.sim.explorer.process(), 1);

    d.form.otherMenu.minimiseOtherPrograms.onClick();

    d.expectConsistent("after the pass");
    // The windows are gone but the ticked folders wait in the list for the next refresh.
    EXPECT_TRUE(d.isProtected("D:\\Data"));
    EXPECT_TRUE(d.isProtected("D:\\Photos"));
    d.refresh();
    d.expectConsistent("after the next refresh");
    EXPECT_TRUE(d.isProtected("D:\\Data"));
    EXPECT_TRUE(d.isProtected("D:\\Photos"));
}

TEST(ReliabilityUnhonouredClose, AHungDuplicateIsAskedAgainAtEveryRefreshAndNeverListed) {
    Desktop d;
    const WindowHandle duplicate = d.sim.openExplorerWindow("D:\\Work");
    d.sim.windows.window(duplicate).honoursClose = false;
    d.sim.windows.setActive(d.sim.app.mainWindow());
    // Raise the listed Work window above its duplicate: the lower one is the duplicate.
    d.sim.windows.bringToTop(d.handleOf("D:\\Work"));

    d.refresh();
    d.refresh();

    d.expectConsistent("after two refreshes");
    EXPECT_TRUE(d.sim.windows.exists(duplicate));
    EXPECT_EQ(d.sim.window(duplicate).closeRequests, 2);
    int workRows = 0;
    for (int i = 0; i < d.form.table.size(); ++i) workRows += d.form.table[i].path == "D:\\Work";
    EXPECT_EQ(workRows, 1);
    EXPECT_NE(d.form.table[d.rowOf("D:\\Work")].window, duplicate);
}

TEST(ReliabilityUnhonouredClose, ClosingHungWindowsFromTheProgramLeavesThemForTheNextRefresh) {
    const std::vector<UserCommand> closing = {
        {"close one",
         [](ReliabilityFixture& t) {
             t.form.CheckListBox1.userSelect(t.form.CheckListBox1.count() - 1);
             t.form.editMenu.closeOne.onClick();
         }},
        {"partial close", [](ReliabilityFixture& t) { t.form.Button3.OnClick(); }},
        {"close all", [](ReliabilityFixture& t) { t.form.editMenu.closeAll.onClick(); }},
    };
    for (const UserCommand& command : closing) {
        Desktop d;
        d.refresh();
        for (int i = 0; i < d.form.table.size(); ++i) d.sim.window(d.form.table[i].window).honoursClose = false;
        const int rowsBefore = d.form.table.size();

        command.run(d);
        d.sim.clock.processMessages();
        d.expectConsistent(std::string(command.name) + ", before the refresh");
        d.refresh();

        d.expectConsistent(std::string(command.name) + ", after the refresh");
        EXPECT_EQ(d.form.table.size(), rowsBefore) << command.name;  // still open, so listed again
        EXPECT_NE(d.rowOf("D:\\Work"), -1) << command.name;
    }
}

}  // namespace
}  // namespace reliability
