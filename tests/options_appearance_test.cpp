// The tray presence, the list font, the main icon and the path tips.
#include "app_fixture.h"
#include "options/appearance.h"
#include "options/tray_icon.h"

namespace testing_support {
namespace {

using platform::FontChoice;
using sim::ShowState;

struct AppearanceTest : AppFixture {
    AppearanceTest() {
        writeSettings();
        start();
    }
    platform::WindowHandle main() { return sim.app.mainWindow(); }
    ShowState mainState() { return sim.window(main()).state; }
};

struct TrayTest : AppearanceTest {};

TEST_F(TrayTest, TheTrayOptionStartsTickedWithTheIconShown) {
    EXPECT_TRUE(form.settingsMenu.showInTray.checked());
    EXPECT_FALSE(form.settingsMenu.showInTray.autoCheck);
    EXPECT_TRUE(form.TrayIcon1.visible);
    EXPECT_TRUE(form.TrayIcon1.hide);
    EXPECT_NE(form.trayOption, 0);
}

TEST_F(TrayTest, UntickingRemovesTheIconAndKeepsTheTaskbarButtonWhenMinimised) {
    form.settingsMenu.showInTray.userClick();
    EXPECT_FALSE(form.settingsMenu.showInTray.checked());
    EXPECT_EQ(form.trayOption, 0);
    EXPECT_FALSE(form.TrayIcon1.visible);
    EXPECT_FALSE(form.TrayIcon1.hide);

    folvaric::trayIconMinimize(form);
    EXPECT_EQ(mainState(), ShowState::Minimised);  // still on the taskbar
}

TEST_F(TrayTest, TickingAgainShowsTheIconAndStoresMinusOne) {
    form.settingsMenu.showInTray.userClick();
    form.settingsMenu.showInTray.userClick();
    EXPECT_TRUE(form.settingsMenu.showInTray.checked());
    EXPECT_EQ(form.trayOption, -1);
    EXPECT_TRUE(form.TrayIcon1.visible);
    EXPECT_TRUE(form.TrayIcon1.hide);
}

TEST_F(TrayTest, ALeftClickTogglesBetweenTheTrayAndTheScreen) {
    const platform::WindowHandle other = sim.openAppWindow("Notepad", "C:\\WINDOWS\\notepad.exe");
    folvaric::trayIconClicked(form);
    EXPECT_TRUE(sim.app.isMinimised());
    EXPECT_EQ(mainState(), ShowState::Hidden);  // the taskbar button is gone

    folvaric::trayIconClicked(form);
    EXPECT_FALSE(sim.app.isMinimised());
    EXPECT_EQ(mainState(), ShowState::Normal);
    EXPECT_EQ(sim.windows.zOrder().front(), main());
    EXPECT_EQ(sim.windows.activeWindow(), main());
    EXPECT_NE(sim.windows.activeWindow(), other);

    folvaric::trayIconClicked(form);
    EXPECT_TRUE(sim.app.isMinimised());
}

TEST_F(TrayTest, TheTrayIconTakesTheApplicationIconOnlyWhenAskedTo) {
    form.appIconFile = "C:\\Icons\\a.ico";
    EXPECT_EQ(form.TrayIcon1.iconFile, "");
    folvaric::trayIconTakeAppIcon(form);
    EXPECT_EQ(form.TrayIcon1.iconFile, "C:\\Icons\\a.ico");
}

struct FontTest : AppearanceTest {
    FontChoice chosen() {
        FontChoice f;
        f.name = gbk("黑体");
        f.size = 20;
        f.color = 0x0000FF;
        f.bold = true;
        return f;
    }
};

TEST_F(FontTest, CancellingChangesNothing) {
    const FontChoice before = form.CheckListBox1.font;
    const std::string name = form.listFontName;
    const int minimised = sim.app.minimiseCount;
    folvaric::chooseListFont(form);
    EXPECT_EQ(form.CheckListBox1.font, before);
    EXPECT_EQ(form.listFontName, name);
    EXPECT_EQ(sim.app.minimiseCount, minimised);
}

TEST_F(FontTest, AChosenFontGoesToTheListStyleIncludedButOnlyNameSizeAndColourAreKept) {
    sim.dialogs.fontAnswer = chosen();
    form.settingsMenu.chooseFont.userClick();
    EXPECT_EQ(form.CheckListBox1.font, chosen());
    EXPECT_TRUE(form.CheckListBox1.font.bold);
    EXPECT_EQ(form.listFontName, gbk("黑体"));
    EXPECT_EQ(form.listFontSize, 20);
    EXPECT_EQ(form.listFontColor, 0x0000FFu);
    // Minimised and restored at once, so every window is drawn anew.
    EXPECT_EQ(sim.app.minimiseCount, 1);
    EXPECT_EQ(sim.app.restoreCount, 1);
    EXPECT_FALSE(sim.app.isMinimised());

    // The settings file keeps name, size and colour; bold is gone after a restart.
    form.settingsMenu.saveSettings.userClick();
    EXPECT_EQ(fileText(settingsPath()).substr(0, 4 + gbk("黑体").size() + 2), "20\r\n" + gbk("黑体") + "\r\n");
}

TEST_F(FontTest, TheRestoreAfterAFontChangeRefreshesWhenAutoRefreshIsTicked) {
    form.settingsMenu.autoRefresh.setChecked(true);
    sim.openExplorerWindow("C:\\Data");
    sim.dialogs.fontAnswer = chosen();
    form.settingsMenu.chooseFont.userClick();
    ASSERT_EQ(form.CheckListBox1.count(), 1);
    EXPECT_EQ(form.CheckListBox1.item(0), "Data");
}

// A bitmap header (40 bytes, one plane) and nothing more: enough for the file's structure.
std::string bitmapImage() {
    return std::string("\x28\0\0\0", 4) + std::string(8, '\0') + "\x01" + std::string(27, '\0');
}

// An icon file of one 16 x 16 image: the header, one directory entry, then the image, which
// starts with `image` (a bitmap header by default). `type` 2 would make it a cursor.
std::string iconBytes(std::string image = bitmapImage(), int type = 1, int count = 1, std::uint32_t offset = 22) {
    auto le = [](std::uint32_t v, int width) {
        std::string out;
        for (int i = 0; i < width; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
        return out;
    };
    std::string bytes = le(0, 2) + le(static_cast<std::uint32_t>(type), 2) + le(static_cast<std::uint32_t>(count), 2);
    if (count > 0) {
        bytes += std::string("\x10\x10\0\0", 4) + le(1, 2) + le(32, 2) +
                 le(static_cast<std::uint32_t>(image.size()), 4) + le(offset, 4);
    }
    return bytes + image;
}

struct IconTest : AppearanceTest {
    std::string iconFolder() const { return form.appDir + gbk("\\图标\\"); }
};

TEST_F(IconTest, TheDialogOpensInTheIconFolderWithTheIconFilter) {
    form.settingsMenu.chooseIcon.userClick();
    ASSERT_EQ(sim.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(sim.dialogs.openRequests[0].filter, "icon(*.ico)|*.ico");
    EXPECT_EQ(sim.dialogs.openRequests[0].initialDir, iconFolder());
    EXPECT_EQ(sim.dialogs.openRequests[0].fileName, "");
}

TEST_F(IconTest, CancellingChangesNothing) {
    const std::string before = form.iconFileName;
    form.settingsMenu.chooseIcon.userClick();
    EXPECT_EQ(form.iconFileName, before);
    EXPECT_EQ(form.appIconFile, "");
}

TEST_F(IconTest, AnIconFromAnyFolderChangesTheProgramsIconsNowButNotTheTrays) {
    sim.files.addFile("D:\\Art\\" + gbk("蓝色.ICO"), iconBytes());
    sim.dialogs.openAnswers.push_back("D:\\Art\\" + gbk("蓝色.ICO"));
    form.settingsMenu.chooseIcon.userClick();
    EXPECT_EQ(form.iconFileName, gbk("蓝色.ICO"));
    EXPECT_EQ(form.appIconFile, "D:\\Art\\" + gbk("蓝色.ICO"));
    EXPECT_EQ(form.TrayIcon1.iconFile, "");
}

TEST_F(IconTest, TheTrayTakesTheChosenIconAtTheNextSettingsLoad) {
    sim.files.addFile(iconFolder() + "green.ico", iconBytes());
    sim.dialogs.openAnswers.push_back(iconFolder() + "green.ico");
    form.settingsMenu.chooseIcon.userClick();
    form.settingsMenu.saveSettings.userClick();
    form.settingsMenu.reloadSettings.userClick();
    EXPECT_EQ(form.TrayIcon1.iconFile, iconFolder() + "green.ico");
}

TEST_F(IconTest, AMissingFileOrAnotherExtensionIsIgnoredSilently) {
    const std::size_t boxes = sim.dialogs.boxes.size();
    sim.files.addFile("D:\\Art\\picture.bmp", "bmp");
    sim.dialogs.openAnswers.push_back("D:\\Art\\picture.bmp");
    sim.dialogs.openAnswers.push_back("D:\\Art\\gone.ico");
    form.settingsMenu.chooseIcon.userClick();
    form.settingsMenu.chooseIcon.userClick();
    EXPECT_EQ(form.appIconFile, "");
    EXPECT_EQ(form.iconFileName, "main.ico");
    EXPECT_EQ(sim.dialogs.boxes.size(), boxes);
    EXPECT_TRUE(sim.dialogs.messages.empty());
}

// Only a real icon file changes the icon; anything else with the extension is refused in a
// box that names it, and the previous icon stays (also in what the exit would save).
TEST_F(IconTest, OnlyAFileHoldingAnIconIsTaken) {
    const std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + std::string(24, 'p');
    struct Case {
        const char* name;
        std::string bytes;
        bool taken;
    };
    const Case cases[] = {
        {"bitmap image", iconBytes(), true},
        {"png image", iconBytes(png), true},
        {"text", "icon", false},
        {"empty", "", false},
        {"a bitmap file renamed", "BM" + std::string(60, '\0'), false},
        {"a cursor", iconBytes(bitmapImage(), 2), false},
        {"no images", iconBytes("", 1, 0), false},
        {"image past the end", iconBytes(bitmapImage(), 1, 1, 30), false},
        {"image inside the directory", iconBytes(bitmapImage(), 1, 1, 6), false},
        {"image of garbage", iconBytes(std::string(40, '\x01')), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.iconFileName = "main.ico";
        form.appIconFile.clear();
        sim.dialogs.boxes.clear();
        const std::string path = iconFolder() + "chosen.ico";
        sim.files.addFile(path, c.bytes);
        sim.dialogs.openAnswers.push_back(path);
        form.settingsMenu.chooseIcon.userClick();
        EXPECT_EQ(form.appIconFile, c.taken ? path : "");
        EXPECT_EQ(form.iconFileName, c.taken ? "chosen.ico" : "main.ico");
        ASSERT_EQ(sim.dialogs.boxes.size(), c.taken ? 0u : 1u);
        if (!c.taken) {
            EXPECT_NE(sim.dialogs.boxes[0].text.find(path), std::string::npos);
        }
    }
}

struct PathTipTest : AppearanceTest {};

TEST_F(PathTipTest, TheListShowsItsTipExactlyWhileTheOptionIsUnticked) {
    EXPECT_FALSE(form.settingsMenu.hidePathTips.checked());
    EXPECT_TRUE(form.CheckListBox1.showHint);
    form.settingsMenu.hidePathTips.userClick();
    EXPECT_TRUE(form.settingsMenu.hidePathTips.checked());
    EXPECT_FALSE(form.CheckListBox1.showHint);
    form.settingsMenu.hidePathTips.userClick();
    EXPECT_TRUE(form.CheckListBox1.showHint);
}

}  // namespace
}  // namespace testing_support
