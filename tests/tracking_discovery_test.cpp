// Listing the Explorer folder windows and reading the folder each one shows.
#include <gtest/gtest.h>

#include "tracking_fixture.h"

namespace tracking_test {
namespace {

using sim::ExplorerStyle;
using sim::TitleMode;
using Strings = std::vector<std::string>;
using folvaric::AddressFailure;

using DiscoveryTest = TrackingFixture;

TEST_F(DiscoveryTest, TitlesThatAreFullPathsGiveTheLastComponentAndDriveRootsStayWhole) {
    sim.explorer.options.titleMode = TitleMode::FullPath;
    const WindowHandle data = sim.openExplorerWindow("D:\\Data");
    const WindowHandle root = sim.openExplorerWindow("D:\\");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowNames(), (Strings{"D:\\", "Data"}));  // topmost first
    EXPECT_EQ(rowPaths(), (Strings{"D:\\", "D:\\Data"}));
    EXPECT_EQ(rowHandles(), (std::vector<WindowHandle>{root, data}));
    EXPECT_TRUE(form.pathsResolvable);
    EXPECT_EQ(resolvedPaths(), 2);
}

TEST_F(DiscoveryTest, XpAddressEditGivesThePathBehindAPlainName) {
    sim.files.addFolder(gbk("D:\\资料\\文档"));
    sim.openExplorerWindow(gbk("D:\\资料\\文档"));
    sim.openExplorerWindow("C:\\WINDOWS");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowNames(), (Strings{"WINDOWS", gbk("文档")}));
    EXPECT_EQ(rowPaths(), (Strings{"C:\\WINDOWS", gbk("D:\\资料\\文档")}));
}

TEST_F(DiscoveryTest, Win7AddressToolbarIsCutAfterItsLabelWithoutSplittingCharacters) {
    sim.explorer.options.style = ExplorerStyle::Win7;
    // 0xD5 0x5C is one character whose second byte looks like a backslash.
    const std::string folder = gbk("D:\\资料\\") + "\xD5\x5C" + "x";
    sim.files.addFolder(folder);
    sim.openExplorerWindow(folder);
    sim.openExplorerWindow("D:\\");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowPaths(), (Strings{"D:\\", folder}));
    EXPECT_EQ(rowNames()[1], std::string("\xD5\x5C") + "x");
}

TEST_F(DiscoveryTest, Win7ToolbarOfAnEnglishSystemReadsTheSameWay) {
    sim.files.addFolder("D:\\Data");
    win7Window("Data", "Address: D:\\Data");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowPaths(), (Strings{"D:\\Data"}));
}

TEST_F(DiscoveryTest, ComputerViewIsReadOnBothGenerations) {
    sim.openExplorerWindow(gbk("我的电脑"));
    win7Window(gbk("计算机"), gbk("地址: 计算机"));
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowPaths(), (Strings{gbk("计算机"), gbk("我的电脑")}));
    EXPECT_EQ(resolvedPaths(), 0);  // the computer view proves nothing about folder paths
    EXPECT_TRUE(form.pathsResolvable);
}

TEST_F(DiscoveryTest, TwoWindowsOfOneFolderKeepTheUpperAndCloseTheLower) {
    const WindowHandle lower = sim.openExplorerWindow("D:\\Data");
    sim.openExplorerWindow("D:\\Other");
    const WindowHandle upper = sim.openExplorerWindow("D:\\Data");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowHandles().size(), 2u);
    EXPECT_EQ(rowHandles()[0], upper);
    EXPECT_EQ(rowPaths(), (Strings{"D:\\Data", "D:\\Other"}));
    EXPECT_EQ(sim.window(lower).closeRequests, 1);
    EXPECT_EQ(sim.window(upper).closeRequests, 0);
    sim.clock.processMessages();  // Explorer handles the request
    EXPECT_FALSE(sim.windows.isWindow(lower));
}

TEST_F(DiscoveryTest, PathsCompareByteForByteForDuplicates) {
    sim.files.addFolder("D:\\Data");
    xpWindow("Data", "D:\\Data");
    xpWindow("data", "d:\\data");  // the same folder to Windows, another text to the program
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(form.table.size(), 2);
}

TEST_F(DiscoveryTest, SameDisplayNameInDifferentFoldersListsBoth) {
    sim.openExplorerWindow("D:\\a\\Data");
    sim.openExplorerWindow("E:\\b\\Data");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowNames(), (Strings{"Data", "Data"}));
    EXPECT_EQ(rowPaths(), (Strings{"E:\\b\\Data", "D:\\a\\Data"}));
}

TEST_F(DiscoveryTest, SpecialViewsHaveNoPathWithoutBreakingPathResolution) {
    sim.explorer.openSpecialView(gbk("回收站"));
    win7Window(gbk("外观和个性化"), gbk("地址: 控制面板\\外观和个性化"));
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowNames(), (Strings{gbk("外观和个性化"), gbk("回收站")}));
    EXPECT_EQ(rowPaths(), (Strings{"", ""}));
    EXPECT_TRUE(form.pathsResolvable);
}

TEST_F(DiscoveryTest, AWindowWithoutReadablePathThatIsNoSpecialViewBreaksPathResolution) {
    sim.explorer.options.xpAddressShowsFullPath = false;  // the edit box shows "Data" only
    sim.openExplorerWindow("D:\\Data");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowPaths(), (Strings{""}));
    EXPECT_FALSE(form.pathsResolvable);
    EXPECT_EQ(form.pathFailReason, AddressFailure::XpAddressEdit);
    EXPECT_EQ(form.pathFailText, gbk("winxp地址栏路径名不存在  ") + "Data");
}

TEST_F(DiscoveryTest, NetworkPathInTheEditBoxSetsReasonOne) {
    xpWindow("share", "\\\\server\\share");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowNames(), (Strings{"share"}));
    EXPECT_EQ(rowPaths(), (Strings{""}));
    EXPECT_FALSE(form.pathsResolvable);
    EXPECT_EQ(form.pathFailReason, AddressFailure::XpAddressEdit);
    EXPECT_EQ(form.pathFailText, gbk("winxp地址栏路径名不存在  ") + "\\\\server\\share");
}

TEST_F(DiscoveryTest, AReadableWindowOfTheSameWalkClearsTheFailure) {
    sim.openExplorerWindow("D:\\Data");
    xpWindow("share", "\\\\server\\share");  // above the readable one
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowPaths(), (Strings{"", "D:\\Data"}));
    EXPECT_TRUE(form.pathsResolvable);
    EXPECT_EQ(form.pathFailReason, AddressFailure::None);
}

TEST_F(DiscoveryTest, Win7ToolbarWithoutAFolderSetsReasonTwoWithTheWholeText) {
    win7Window("share", gbk("地址: \\\\server\\share"));
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowPaths(), (Strings{""}));
    EXPECT_EQ(form.pathFailReason, AddressFailure::AddressToolbar);
    EXPECT_EQ(form.pathFailText, gbk("win7标题栏路径名不存在  ") + gbk("地址: \\\\server\\share"));
    EXPECT_FALSE(form.pathsResolvable);
}

TEST_F(DiscoveryTest, AnEditBoxShowingAnotherFolderIsNotTheAddress) {
    // A readable path that does not belong to the window named "Data".
    xpWindow("Data", "C:\\WINDOWS");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowPaths(), (Strings{""}));
    EXPECT_FALSE(form.pathsResolvable);
    EXPECT_EQ(form.pathFailReason, AddressFailure::XpAddressEdit);
}

TEST_F(DiscoveryTest, TheFirstMatchingEditBoxWinsAndEmptyOnesAreSkipped) {
    sim.files.addFolder("D:\\Data");
    sim.files.addFolder("E:\\Data");
    const WindowHandle top = xpWindow("Data", "");
    sim.windows.createChild(top, "Edit", "", "D:\\Data");
    sim.windows.createChild(top, "Edit", "", "E:\\Data");
    EXPECT_TRUE(enumerate());
    EXPECT_EQ(rowPaths(), (Strings{"D:\\Data"}));
}

TEST_F(DiscoveryTest, AddressScanCanBeRunOnItsOwn) {
    const WindowHandle w = sim.openExplorerWindow("D:\\Data");
    EXPECT_EQ(folvaric::readWindowAddress(form, w, "Data").path, "D:\\Data");
    EXPECT_EQ(folvaric::readWindowAddress(form, sim.app.mainWindow(), "Data").path, "");
}

}  // namespace
}  // namespace tracking_test
