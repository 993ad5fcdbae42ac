// The refresh pumps the message queue while it waits for Explorer, so every command of the
// program can run in the middle of it, at any of its passes, and while one of its message
// boxes is up. Whatever ran, when the refresh ends the list and the table are in step, no row
// stands for another folder's window, and the protected folders are still protected.
#include <gtest/gtest.h>

#include "reliability_fixture.h"
#include "storage/folder_set_format.h"

namespace reliability {
namespace {

const std::string kSearchAgain = gbk("由标题寻找句柄发生小错误，试着再找一次看看能否找到");
const std::string kSearchFailed = gbk("由标题寻找句柄失败");

// Data and Photos protected, Photos' window closed outside the program; Work open, unticked.
struct Desktop : ReliabilityFixture {
    Desktop() { protectDataAndPhotosThenLosePhotos(); }

    // After the interrupted refresh and after the next one: in step, and, unless the command
    // took protection away, both folders protected; after the next one each by its own window.
    void expectWholeAfterwards(const UserCommand& command, const std::string& context) {
        expectConsistent(context);
        if (command.keepsProtection) {
            EXPECT_TRUE(isProtected("D:\\Data")) << context;
            EXPECT_TRUE(isProtected("D:\\Photos")) << context;
        }
        sim.dialogs.answer = nullptr;
        refresh();
        expectConsistent(context + ", next refresh");
        if (!command.keepsProtection) return;
        for (const char* path : {"D:\\Data", "D:\\Photos"}) {
            EXPECT_TRUE(isProtected(path)) << context << ", next refresh";
            EXPECT_NE(desktop.windowNamedBy(handleOf(path)), 0u) << path << ": " << context << ", next refresh";
        }
    }
};

long passesOfARefresh() {
    Desktop clean;
    const long before = clean.sim.clock.passes();
    clean.refresh();
    return clean.sim.clock.passes() - before;
}

TEST(ReliabilityCommandsDuringRefresh, EveryCommandAtEveryPassOfARefreshWithRebirth) {
    const long passes = passesOfARefresh();
    ASSERT_GT(passes, 60);  // the first pause, the settle wait, the search and the sizing pause
    for (const UserCommand& command : userCommands()) {
        for (long k = 1; k <= passes; ++k) {
            Desktop d;
            d.sim.clock.afterPasses(static_cast<int>(k), [&d, &command] { command.run(d); });
            d.refresh();
            d.expectWholeAfterwards(command, std::string(command.name) + " at pass " + std::to_string(k));
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST(ReliabilityCommandsDuringRefresh, ExitAtAnyPassSavesEveryProtectedFolder) {
    const long passes = passesOfARefresh();
    for (long k = 1; k <= passes; ++k) {
        Desktop d;
        d.sim.clock.afterPasses(static_cast<int>(k), [&d] { folvaric::FormClose(d.form); });
        d.refresh();
        const std::string saved = d.sim.files.contents(d.form.defaultSetFile).value_or("");
        const std::string context = "exit at pass " + std::to_string(k);
        // Photos is in the list again or still only in the refresh's snapshot: either way saved.
        EXPECT_NE(saved.find("Data\r\nD:\\Data\r\n"), std::string::npos) << context;
        EXPECT_NE(saved.find("Photos\r\nD:\\Photos\r\n"), std::string::npos) << context;
        EXPECT_EQ(saved.find("D:\\Work"), std::string::npos) << context;
        if (::testing::Test::HasFailure()) return;
    }
}

// A log-off right after a command, while the refresh still waits: what the command left
// behind must not make the log-off's save forget a protected folder (the sort once wrote its
// scratch rows into the running refresh's snapshot, and the save then lost Photos).
TEST(ReliabilityCommandsDuringRefresh, EveryCommandThenALogOffAtTheNextPassSavesEveryProtectedFolder) {
    const long passes = passesOfARefresh();
    for (const UserCommand& command : userCommands()) {
        if (!command.keepsProtection) continue;
        for (long k = 1; k < passes; ++k) {
            Desktop d;
            d.sim.clock.afterPasses(static_cast<int>(k), [&d, &command] { command.run(d); });
            d.sim.clock.afterPasses(static_cast<int>(k + 1), [&d] { folvaric::sessionEnding(d.form); });
            d.refresh();
            const std::string saved = d.sim.files.contents(d.form.defaultSetFile).value_or("");
            const std::string context = std::string(command.name) + " at pass " + std::to_string(k);
            EXPECT_NE(saved.find("Data\r\nD:\\Data\r\n"), std::string::npos) << context;
            EXPECT_NE(saved.find("Photos\r\nD:\\Photos\r\n"), std::string::npos) << context;
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST(ReliabilityCommandsDuringRefresh, EveryCommandInsideTheSearchAgainBox) {
    for (const UserCommand& command : userCommands()) {
        Desktop d;
        // Explorer is slow: the first search attempt gives up, the second finds the window.
        d.sim.explorer.options.openDelayPasses = 300;
        d.sim.dialogs.answer = [&d, &command](const sim::MessageBoxRecord& box) {
            if (box.text == kSearchAgain) {
                command.run(d);
                for (int i = 0; i < 5; ++i) d.sim.clock.processMessages();
            }
            return platform::mb::IdOk;
        };
        d.refresh();
        const std::string context = std::string(command.name) + " inside the box";
        d.expectWholeAfterwards(command, context);
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(ReliabilityCommandsDuringRefresh, EveryCommandInsideBothBoxesOfAFolderNeverFound) {
    for (const UserCommand& command : userCommands()) {
        Desktop d;
        d.sim.explorer.options.openDelayPasses = 100000;  // Explorer never shows the window
        int runs = 0;
        d.sim.dialogs.answer = [&](const sim::MessageBoxRecord& box) {
            const bool searchBox = box.text == kSearchAgain || box.text.rfind(kSearchFailed, 0) == 0;
            if (searchBox && runs < 2) {
                ++runs;
                command.run(d);
                for (int i = 0; i < 5; ++i) d.sim.clock.processMessages();
            }
            return platform::mb::IdOk;
        };
        d.refresh();
        const std::string context = std::string(command.name) + " inside both boxes";
        EXPECT_EQ(runs, 2) << context;
        d.expectConsistent(context);
        // The folder stays unlisted, as the second box said; Data keeps its tick.
        if (command.keepsProtection) {
            EXPECT_TRUE(d.isProtected("D:\\Data")) << context;
        }
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(ReliabilityCommandsDuringRefresh, TheWindowArrivingWhileTheBoxIsUpIsFoundByTheSecondAttempt) {
    Desktop d;
    d.sim.explorer.options.openDelayPasses = 100000;
    d.sim.dialogs.answer = [&d](const sim::MessageBoxRecord& box) {
        if (box.text == kSearchAgain) {
            // While the user reads the box, Explorer catches up and other events arrive.
            d.sim.explorer.openFolder("D:\\Photos", platform::ShowCommand::ShowMinNoActive);
            d.form.editMenu.refresh.onClick();
            d.form.CheckListBox1.userToggle(0);
            d.sim.clock.processMessages();
        }
        return platform::mb::IdOk;
    };

    d.refresh();

    d.expectConsistent("after the refresh");
    EXPECT_TRUE(d.isProtected("D:\\Photos"));
    EXPECT_EQ(d.sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(d.form.lastRefresh.reborn, 1);
}

TEST(ReliabilityCommandsDuringRefresh, ACommandRunningTheTableFullWhileTheRefreshWaitsIsToldOnce) {
    Desktop d;
    // Almost full: the first refresh leaves room for exactly the one lost folder.
    for (int i = d.form.table.size(); i < folvaric::kMaxRows - 1; ++i)
        d.sim.openExplorerWindow("D:\\Many\\F" + std::to_string(i));
    // While the refresh waits, a pass over the desktop lists the re-opened window as well
    // as one more folder, and the table is full before the rebirth can add its row.
    d.sim.clock.afterPasses(30, [&d] {
        d.sim.openExplorerWindow("D:\\Many\\Extra");
        d.form.otherMenu.minimiseOtherPrograms.onClick();
    });

    d.refresh();

    d.expectConsistent("after the refresh");
    EXPECT_LE(d.form.table.size(), folvaric::kMaxRows);
    int capacityBoxes = 0;
    for (const sim::MessageBoxRecord& box : d.sim.dialogs.boxes)
        capacityBoxes += box.text.find("3000") != std::string::npos;
    EXPECT_GE(capacityBoxes, 1);
    EXPECT_TRUE(d.isProtected("D:\\Data"));
}

}  // namespace
}  // namespace reliability
