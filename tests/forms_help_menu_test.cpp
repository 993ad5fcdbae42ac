// The Help menu: documents opened from the folder 帮助, missing ones reported with their full
// path, the About box, the letter invitation and the update page.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/about_box.h"
#include "forms/author_contact.h"
#include "forms/help_menu.h"
#include "support/fixture.h"

using namespace folvaric;
using testing_support::gbk;

namespace {

struct HelpMenu : testing_support::Fixture, ::testing::Test {
    HelpMenu() { sim.files.addFolder("C:\\Folvaric\\" + gbk("帮助")); }
    std::string documentPath(const char* utf8Name) { return "C:\\Folvaric\\" + gbk("帮助\\") + gbk(utf8Name); }
};

struct DocumentEntry {
    void (*handler)(Form1&);
    const char* fileName;  // UTF-8
};

const std::vector<DocumentEntry>& documentEntries() {
    static const std::vector<DocumentEntry> entries{
        {openHelp, "帮助.txt"},
        {openAuthorPage, "个人介绍.txt"},
        {openCustomSoftwarePage, "接受定做软件.txt"},
        {openAntivirusPage, "100%杀毒软件.txt"},
        {openActiveDefencePage, "主动防御.txt"},
        {openAccountProtectionPage, "保护你的账号.txt"},
        {openAntivirusNotice, "紧急声明，关于部分国外杀软报毒的问题.txt"},
    };
    return entries;
}

TEST_F(HelpMenu, EveryDocumentEntryOpensItsFileMaximised) {
    for (const DocumentEntry& entry : documentEntries()) {
        SCOPED_TRACE(entry.fileName);
        sim.shell.calls.clear();
        const std::string path = documentPath(entry.fileName);
        sim.files.addFile(path, "text\r\n");
        entry.handler(form);
        ASSERT_EQ(sim.shell.calls.size(), 1u);
        EXPECT_EQ(sim.shell.calls[0],
                  (sim::ShellCall{sim.app.mainWindow(), "open", path, "", "", platform::ShowCommand::ShowMaximized}));
    }
    EXPECT_TRUE(sim.dialogs.messages.empty());
}

TEST_F(HelpMenu, MissingDocumentIsReportedWithItsFullPathAndNothingOpens) {
    for (const DocumentEntry& entry : documentEntries()) {
        SCOPED_TRACE(entry.fileName);
        sim.dialogs.messages.clear();
        entry.handler(form);
        ASSERT_EQ(sim.dialogs.messages.size(), 1u);
        EXPECT_EQ(sim.dialogs.messages[0], gbk("文件不存在  ") + documentPath(entry.fileName));
    }
    EXPECT_TRUE(sim.shell.calls.empty());
}

TEST_F(HelpMenu, MissingHelpFolderIsReportedLikeAMissingDocument) {
    sim.files.removeFolder("C:\\Folvaric\\" + gbk("帮助"));
    openHelp(form);
    EXPECT_EQ(sim.dialogs.messages, (std::vector<std::string>{gbk("文件不存在  C:\\Folvaric\\帮助\\帮助.txt")}));
}

TEST_F(HelpMenu, DocumentPathFollowsTheProgramFolder) {
    form.appDir = "D:\\" + gbk("工具\\资源");
    EXPECT_EQ(helpDocumentPath(form, help_document::help()), "D:\\" + gbk("工具\\资源\\帮助\\帮助.txt"));
}

TEST_F(HelpMenu, FolderOfTheSameNameIsNoDocument) {
    sim.files.addFolder(documentPath("帮助.txt"));
    openHelp(form);
    EXPECT_TRUE(sim.shell.calls.empty());
    ASSERT_EQ(sim.dialogs.messages.size(), 1u);
}

TEST_F(HelpMenu, AboutShowsTheAboutBox) {
    int shown = 0;
    form.showAboutBox = [&] { ++shown; };
    openAboutBox(form);
    openAboutBox(form);
    EXPECT_EQ(shown, 2);
    form.showAboutBox = nullptr;
    openAboutBox(form);  // before the box exists: nothing happens
    EXPECT_EQ(shown, 2);
}

TEST_F(HelpMenu, LetterInvitationIsAnOkBox) {
    writeToAuthor(form);
    ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sim.dialogs.boxes[0].text,
              gbk("这是我的吐血之作，如果你喜欢欢迎给我来信，我一定回复您，请指出问题。万分感谢！"));
    EXPECT_EQ(sim.dialogs.boxes[0].caption, gbk("欢迎给我来信"));
    EXPECT_EQ(sim.dialogs.boxes[0].flags, platform::mb::Ok);
}

TEST_F(HelpMenu, UpdatePageOpensInTheBrowser) {
    openUpdatePage(form);
    ASSERT_EQ(sim.shell.calls.size(), 1u);
    EXPECT_EQ(sim.shell.calls[0], (sim::ShellCall{sim.app.mainWindow(), "open", author::updatePage(), "", "",
                                                  platform::ShowCommand::ShowNormal}));
}

// Whatever the shell cannot open is reported in one box naming the target and the reason; what
// it opens is not. Help documents, the update page and the About box's links alike.
TEST_F(HelpMenu, AFailedLaunchIsReportedWithTheTargetAndTheReason) {
    AboutBox box{sim.platform()};
    buildAboutBox(box);
    struct Case {
        const char* name;
        std::function<void()> launch;
        std::string target;
        int shellAnswer;  // 42: opened
        const char* reason;
    };
    const std::string document = documentPath("帮助.txt");
    sim.files.addFile(document, "text\r\n");
    const Case cases[] = {
        {"document without a program", [&] { openHelp(form); }, document, 31, "没有与之关联的程序"},
        {"document opened", [&] { openHelp(form); }, document, 42, nullptr},
        {"update page, no browser", [&] { openUpdatePage(form); }, author::updatePage(), 27, "文件关联不完整或无效"},
        {"web label, out of memory", [&] { Label1Click(box); }, author::webAddress(), 0, "系统内存或资源不足"},
        {"mail link, unknown code", [&] { CommentsDblClick(box); }, "mailto:" + author::mailAddress(), 17,
         "错误代码 17"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.dialogs.boxes.clear();
        sim.shell.refusals = {{c.target, c.shellAnswer}};
        c.launch();
        if (c.reason == nullptr) {
            EXPECT_TRUE(sim.dialogs.boxes.empty());
            continue;
        }
        ASSERT_EQ(sim.dialogs.boxes.size(), 1u);
        const auto& shown = sim.dialogs.boxes[0];
        EXPECT_EQ(shown.text.rfind(gbk("无法打开  ") + c.target + "\r\n" + gbk("原因："), 0), 0u);
        EXPECT_NE(shown.text.find(gbk(c.reason)), std::string::npos);
        EXPECT_EQ(shown.caption, gbk("出错"));
    }
}

}  // namespace
