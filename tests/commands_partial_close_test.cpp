#include <algorithm>

#include "commands/window_commands.h"
#include "commands_fixture.h"

using namespace folvaric;
using testing_support::CommandsFixture;
using testing_support::gbk;

namespace {

struct PartialClose : CommandsFixture {
    std::vector<WindowHandle> destroyed;  // children included
    // The order in which these windows went; their children go with them.
    std::vector<WindowHandle> closedAmong(std::initializer_list<WindowHandle> windows) const {
        std::vector<WindowHandle> out;
        for (WindowHandle h : destroyed) {
            if (std::find(windows.begin(), windows.end(), h) != windows.end()) out.push_back(h);
        }
        return out;
    }
    PartialClose() {
        sim.windows.onDestroyed = [this](WindowHandle h) { destroyed.push_back(h); };
    }
    std::string soundFile() const { return form.soundDir + gbk("\\按钮声_1.wav"); }
};

TEST_F(PartialClose, ClosesUntickedFromLastToFirstAndKeepsTheTicked) {
    shown();
    sim.files.addFile(soundFile(), "RIFF");
    const WindowHandle a = addFolder("C:\\A", true);
    const WindowHandle b = addFolder("C:\\B");
    const WindowHandle c = addFolder("C:\\C", true);
    const WindowHandle d = addFolder("C:\\D");
    closeUntickedWindows(form);
    sim.clock.processMessages();
    EXPECT_EQ(closedAmong({a, b, c, d}), (std::vector<WindowHandle>{d, b}));
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(handles(), (std::vector<WindowHandle>{a, c}));
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true}));
    EXPECT_EQ(status(), gbk("部分关闭结束，共关闭文件夹数") + "2" + gbk("个"));
    EXPECT_EQ(sim.sound.played, (std::vector<std::string>{soundFile()}));
    EXPECT_TRUE(listMatchesTable());
    EXPECT_TRUE(listHasFocus());
}

TEST_F(PartialClose, EverythingTickedClosesNothingAndIsSilent) {
    shown();
    sim.files.addFile(soundFile(), "RIFF");
    addFolder("C:\\A", true);
    addFolder("C:\\B", true);
    closeUntickedWindows(form);
    EXPECT_EQ(form.table.size(), 2);
    EXPECT_EQ(status(), gbk("部分关闭结束，没有关闭任何文件夹"));
    EXPECT_TRUE(sim.sound.played.empty());
}

TEST_F(PartialClose, MissingSoundFilePlaysNothing) {
    shown();
    addFolder("C:\\A");
    addFolder("C:\\B");
    addFolder("C:\\C");
    closeUntickedWindows(form);
    EXPECT_EQ(form.table.size(), 0);
    EXPECT_EQ(status(), gbk("部分关闭结束，共关闭文件夹数") + "3" + gbk("个"));
    EXPECT_TRUE(sim.sound.played.empty());
    EXPECT_TRUE(listMatchesTable());
}

TEST_F(PartialClose, BeforeTheFirstShowingTheStatusLineIsLeftAlone) {
    addFolder("C:\\A");
    closeUntickedWindows(form);
    EXPECT_EQ(form.table.size(), 0);
    EXPECT_EQ(status(), "");
}

}  // namespace
