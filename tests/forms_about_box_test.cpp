// The About box: its picture, its labels' clipboard copies and shell links, and closing it.
#include <gtest/gtest.h>

#include <vector>

#include "forms/about_box.h"
#include "forms/author_contact.h"
#include "support/fixture.h"

using namespace folvaric;
using testing_support::gbk;

namespace {

struct AboutBoxTest : testing_support::Fixture, ::testing::Test {
    AboutBox box{sim.platform()};
    AboutBoxTest() {
        buildAboutBox(box);
        box.handle = 0x5150;
    }
};

TEST_F(AboutBoxTest, IsDesignedAsTheFormGivesItWithItsPicture) {
    EXPECT_EQ(box.caption, "About");
    EXPECT_EQ(box.clientWidth, 369);
    EXPECT_EQ(box.clientHeight, 265);
    EXPECT_EQ(box.ProgramIcon.bounds(), (controls::Bounds{8, 8, 65, 57}));
    EXPECT_TRUE(box.ProgramIcon.stretch);
    EXPECT_EQ(box.ProductName.caption(), "Folvaric2.1");
    EXPECT_EQ(box.ProductName.hint, gbk("双击复制"));
    EXPECT_EQ(box.Version.hint, gbk("双击复制"));
    EXPECT_EQ(box.Comments.hint, gbk("单击复制到剪切板"));
    EXPECT_EQ(box.Label1.caption(), gbk("网站：") + author::webAddress());
    EXPECT_TRUE(box.Label1.font.underline);
    EXPECT_EQ(box.Comments.caption(), gbk("邮件：") + author::mailAddress() + gbk("  （双击打开，单击复制）"));
    EXPECT_EQ(box.OKButton.caption(), "OK");
    EXPECT_EQ(box.OKButton.bounds(), (controls::Bounds{143, 221, 75, 25}));
    EXPECT_FALSE(box.visible);
    // It carries its picture, decoded.
    ASSERT_TRUE(box.ProgramIcon.picture.has_value());
    EXPECT_EQ(box.ProgramIcon.picture->width, 130);
    EXPECT_EQ(box.ProgramIcon.picture->height, 114);
}

TEST_F(AboutBoxTest, CorruptPictureLeavesTheBoxWithoutOneAndTheBoxStillShows) {
    int changes = 0;
    box.ProgramIcon.onChanged = [&] { ++changes; };
    const std::vector<std::uint8_t> broken{0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x01, 0x02};
    loadProgramIcon(box, broken.data(), broken.size());
    EXPECT_FALSE(box.ProgramIcon.picture.has_value());
    EXPECT_EQ(changes, 1);  // the view repaints the empty box
    box.showModeless();
    EXPECT_TRUE(box.visible);
    box.ProductName.userDoubleClick();
    EXPECT_EQ(sim.clipboard.text(), "Folvaric2.1");
}

TEST_F(AboutBoxTest, DoubleClicksCopyExactlyTheProgramNameAndTheAuthorLine) {
    sim.clipboard.setText("something else");
    box.ProductName.userDoubleClick();
    EXPECT_EQ(sim.clipboard.text(), "Folvaric2.1");
    box.Version.userDoubleClick();
    EXPECT_EQ(sim.clipboard.text(), box.Version.caption());
    EXPECT_EQ(sim.clipboard.text(), author::authorLine());
}

TEST_F(AboutBoxTest, ClickOnTheMailLabelCopiesTheBareAddress) {
    box.Comments.userClick();
    EXPECT_EQ(sim.clipboard.text(), author::mailAddress());
    EXPECT_EQ(sim.clipboard.text().find(gbk("邮件")), std::string::npos);
    EXPECT_TRUE(sim.shell.calls.empty());
}

// A double-click arrives as a click followed by the double-click.
TEST_F(AboutBoxTest, DoubleClickOnTheMailLabelCopiesTheAddressAndOpensANewMail) {
    box.Comments.userClick();
    box.Comments.userDoubleClick();
    EXPECT_EQ(sim.clipboard.text(), author::mailAddress());
    ASSERT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(sim.shell.calls[0], (sim::ShellCall{0x5150u, "open", "mailto:" + author::mailAddress(), "", "",
                                                  platform::ShowCommand::ShowNormal}));
}

TEST_F(AboutBoxTest, ClickOnTheWebLabelOpensTheAddress) {
    box.Label1.userClick();
    ASSERT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(sim.shell.calls[0],
              (sim::ShellCall{0x5150u, "open", author::webAddress(), "", "", platform::ShowCommand::ShowNormal}));
}

TEST_F(AboutBoxTest, OkHidesTheBoxAndShowingAgainBringsItBack) {
    int shows = 0;
    int hides = 0;
    box.onShow = [&] { ++shows; };
    box.onHide = [&] { ++hides; };
    box.showModeless();
    box.showModeless();  // already visible: comes forward again
    EXPECT_EQ(shows, 2);
    box.OKButton.userClick();
    EXPECT_FALSE(box.visible);
    EXPECT_EQ(hides, 1);
    box.showModeless();
    EXPECT_TRUE(box.visible);
}

}  // namespace
