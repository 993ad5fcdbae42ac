// The main window as designed: its controls and its three menus (what each entry runs:
// app_binding_map_test.cpp).
#include "app/form_design.h"
#include "app_fixture.h"

namespace testing_support {
namespace {

using controls::Bounds;
using controls::MenuItem;

std::vector<std::string> captions(const MenuItem& menu) {
    std::vector<std::string> out;
    for (const MenuItem* item : menu.items) out.push_back(item->caption());
    return out;
}

std::vector<std::string> gbkAll(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* t : utf8) out.push_back(gbk(t));
    return out;
}

struct MenuTest : AppFixture {};

// Every menu and submenu whose entries are all fixed, in order; the menu bar's titles end in blanks.
TEST_F(MenuTest, EachMenuListsItsEntriesInOrder) {
    const std::pair<const MenuItem*, std::vector<std::string>> menus[] = {
        {&form.MainMenu1.root, gbkAll({"  文件  ", "编辑  ", "其他操作  ", "设置  ", "帮助  "})},
        {&form.fileMenu.title, gbkAll({"保存当前记录（仅打钩的，存为默认.txt）", "另存为。。。", "-",
                                       "调入上次退出记录（默认.txt）", "重新调入其它记录。。。"})},
        {&form.editMenu.copySubmenu, gbkAll({"复制当前完整路径", "复制当前文件名", "复制状态栏性息"})},
        {&form.otherMenu.title, gbkAll({"非 Explorer窗口全部最小化", "-", "非 Explorer窗口全部恢复正常显示", "-",
                                        "查看本程序启动文件夹", "-", "重启动 Explorer", "-", "打开 Explorer双窗口"})},
        {&form.settingsMenu.hiddenOperations,
         gbkAll({"寻找地址栏标题", "保存文件夹集子过程", "重新调入受保护的文件夹集合子过程", "临时", "窗体启动缩放"})},
        {&form.helpMenu.title,
         gbkAll({"帮助", "-", "个人介绍", "-", "关于", "-", "★★★ 杀软神器", "-", "欢迎给我来信", "-", "本软升级页面",
                 "-", "接受定做软件", "-", "紧急声明，关于部分国外杀软报毒的问题"})},
        {&form.helpMenu.securitySubmenu, gbkAll({"100%杀毒软件", "主动防御", "保护你的账号"})},
        // The list's menu begins with the marks in its own order, then a line.
        {&form.PopupMenu1.root,
         gbkAll({"全部选择", "反向选择", "全部 不选", "-", "全部最小化", "全部 最大化", "单个最小化", "○单个 最大化",
                 "-", "关闭单个窗口（无法重生）", "部分关闭 保留勾", "关闭全部窗口（无法重生）", "-", "复制"})},
        {&form.listMenu.copySubmenu, gbkAll({"复制当前完整路径", "复制当前文件名"})},
        {&form.PopupMenu2.root,
         gbkAll({"窗口全部最小化", "窗口全部 最大化", "-", "其他操作", "-", "关于", "-", "退出"})},
        {&form.trayMenu.otherSubmenu, gbkAll({"非 Explorer窗口全部最小化", "非 Explorer窗口全部恢复正常显示"})}};
    for (const auto& [menu, entries] : menus) EXPECT_EQ(captions(*menu), entries) << menu->name;
}

TEST_F(MenuTest, TheEditMenuBeginsWithTheThreeMarkCommandsAndEndsWithRefresh) {
    const std::vector<std::string> edit = captions(form.editMenu.title);
    ASSERT_GE(edit.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(edit.begin(), edit.begin() + 3), gbkAll({"全部选择", "全部 不选", "反向选择"}));
    EXPECT_EQ(edit.back(), gbk("刷新 （Explorer窗口列表）"));
    EXPECT_EQ(form.editMenu.maximiseOne.caption(), gbk("◎单个 最大化"));
}

TEST_F(MenuTest, TheSettingsMenuStartsWithItsDesignTicks) {
    EXPECT_EQ(form.settingsMenu.title.items.front(), &form.settingsMenu.autoRefresh);
    EXPECT_TRUE(form.settingsMenu.autoRefresh.autoCheck);
    EXPECT_FALSE(form.settingsMenu.autoRefresh.checked());
    EXPECT_TRUE(form.settingsMenu.showInTray.checked());
    EXPECT_FALSE(form.settingsMenu.showInTray.autoCheck);
    EXPECT_TRUE(form.settingsMenu.loadSetAtStart.autoCheck);
    EXPECT_TRUE(form.settingsMenu.loadSetAtStart.checked());
    EXPECT_TRUE(form.settingsMenu.hidePathTips.autoCheck);
    EXPECT_FALSE(form.settingsMenu.hidePathTips.checked());
    EXPECT_TRUE(form.settingsMenu.scaleControls.autoCheck);
    EXPECT_FALSE(form.settingsMenu.scaleControls.visible());
    EXPECT_EQ(form.settingsMenu.showInTray.caption(), gbk("程序是否显示在系统托盘上（任务栏右侧）"));
    EXPECT_EQ(form.settingsMenu.loadSetAtStart.caption(), gbk("启动时自动调入上次退出记录"));
    EXPECT_EQ(form.settingsMenu.title.items.back(), &form.settingsMenu.hiddenOperations);
}

TEST_F(MenuTest, TheHiddenSubmenuHoldsTheInternalOperationsAndDisappearsAtStart) {
    EXPECT_EQ(form.settingsMenu.hiddenOperations.caption(), gbk("启动时隐藏"));
    writeSettings();
    folvaric::FormCreate(form);
    EXPECT_FALSE(form.settingsMenu.hiddenOperations.visible());
}

TEST_F(MenuTest, TheHelpMenuKeepsItsDocumentsWithTheStatementHidden) {
    EXPECT_FALSE(form.helpMenu.antivirusNotice.visible());
    EXPECT_FALSE(form.helpMenu.title.items[form.helpMenu.title.items.size() - 2]->visible());
}

TEST_F(MenuTest, BuildingTwiceAddsNothing) {
    const std::size_t items = form.editMenu.title.items.size();
    folvaric::buildForm1(form);
    EXPECT_EQ(form.editMenu.title.items.size(), items);
}

struct DesignTest : AppFixture {};

TEST_F(DesignTest, TheControlsStandWhereTheFormPutsThem) {
    EXPECT_EQ(form.caption, "Folvaric2.1");
    EXPECT_EQ(form.bounds.width, 574);
    EXPECT_EQ(form.bounds.height, 483);
    EXPECT_EQ(form.GradientLabel1.bounds(), (Bounds{32, 31, 288, 33}));
    EXPECT_EQ(form.CheckListBox1.bounds(), (Bounds{24, 71, 305, 265}));
    EXPECT_EQ(form.Panel1.bounds(), (Bounds{336, 71, 193, 265}));
    EXPECT_EQ(form.StatusBar1.bounds(), (Bounds{24, 351, 504, 46}));
    EXPECT_EQ(form.Button4.bounds(), (Bounds{15, 21, 161, 41}));
    EXPECT_EQ(form.Button3.bounds(), (Bounds{15, 200, 161, 41}));
    EXPECT_EQ(form.ToolBar1.height(), 23);
    EXPECT_EQ(form.ToolBar1.color, 13682404u);
}

TEST_F(DesignTest, CaptionsHintsAndFontsAreThoseOfTheForm) {
    EXPECT_EQ(form.GradientLabel1.caption(), gbk("     Explorer 打开的窗口列表 "));
    EXPECT_EQ(form.GradientLabel1.hint, gbk("瞧，微软笨拙的！"));
    EXPECT_TRUE(form.GradientLabel1.font.bold && form.GradientLabel1.font.italic);
    EXPECT_EQ(form.Button2.caption(), gbk("全部 最大化"));
    EXPECT_EQ(form.Button3.hint, gbk("Explorer窗口部分关闭，打勾的保留，其余的关闭"));
    EXPECT_EQ(form.StatusBar1.hint, gbk("双击，复制状态栏性息到剪切板"));
    EXPECT_EQ(form.StatusBar1.font.color, folvaric::colour::Red);
    EXPECT_EQ(form.StatusBar1.font.size, 12);  // 16 pixels
    EXPECT_EQ(form.CheckListBox1.font.name, gbk("宋体"));
    EXPECT_EQ(form.CheckListBox1.font.size, 14);  // 19 pixels
    EXPECT_EQ(form.CheckListBox1.itemHeight, 19);
    EXPECT_TRUE(form.CheckListBox1.showHint);
    EXPECT_EQ(form.TrayIcon1.hint, "Folvaric");
}

}  // namespace
}  // namespace testing_support
