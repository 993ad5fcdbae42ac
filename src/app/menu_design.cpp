#include "app/form_design.h"

#include <initializer_list>

#include "text/gbk_text.h"

namespace folvaric {
namespace {

using controls::MenuItem;

MenuItem& newSeparator(Form1& f) {
    f.menuSeparators.emplace_back("separator", "-");
    return f.menuSeparators.back();
}

// Appends the items in order; a null entry stands for a separator line.
void fill(Form1& f, MenuItem& parent, std::initializer_list<MenuItem*> items) {
    for (MenuItem* item : items) parent.add(item != nullptr ? *item : newSeparator(f));
}

void caption(MenuItem& item, const char* utf8) {
    item.setCaption(text::gbk(utf8));
}

void designFileMenu(Form1& f) {
    caption(f.fileMenu.title, "  文件  ");
    caption(f.fileMenu.saveDefaultSet, "保存当前记录（仅打钩的，存为默认.txt）");
    caption(f.fileMenu.saveSetAs, "另存为。。。");
    caption(f.fileMenu.loadDefaultSet, "调入上次退出记录（默认.txt）");
    caption(f.fileMenu.loadOtherSet, "重新调入其它记录。。。");
    fill(f, f.fileMenu.title,
         {&f.fileMenu.saveDefaultSet, &f.fileMenu.saveSetAs, nullptr, &f.fileMenu.loadDefaultSet,
          &f.fileMenu.loadOtherSet});
}

void designEditMenu(Form1& f) {
    caption(f.editMenu.title, "编辑  ");
    caption(f.editMenu.tickAll, "全部选择");
    caption(f.editMenu.untickAll, "全部 不选");
    caption(f.editMenu.invertTicks, "反向选择");
    caption(f.editMenu.minimiseAll, "全部最小化");
    caption(f.editMenu.maximiseAll, "全部 最大化");
    caption(f.editMenu.minimiseOne, "单个最小化");
    caption(f.editMenu.maximiseOne, "◎单个 最大化");
    caption(f.editMenu.closeOne, "关闭单个窗口（无法重生）");
    caption(f.editMenu.closeUnticked, "部分关闭 保留勾");
    caption(f.editMenu.closeAll, "关闭全部窗口（无法重生）");
    caption(f.editMenu.countWindows, "计算窗口数量");
    caption(f.editMenu.sortByProtection, "按是否保护 排序");
    caption(f.editMenu.flashWindow, "在任务栏上闪烁指定窗口");
    caption(f.editMenu.copySubmenu, "复制");
    caption(f.editMenu.copyPath, "复制当前完整路径");
    caption(f.editMenu.copyName, "复制当前文件名");
    caption(f.editMenu.copyStatusLine, "复制状态栏性息");
    caption(f.editMenu.refresh, "刷新 （Explorer窗口列表）");
    fill(f, f.editMenu.copySubmenu, {&f.editMenu.copyPath, &f.editMenu.copyName, &f.editMenu.copyStatusLine});
    fill(f, f.editMenu.title,
         {&f.editMenu.tickAll,
          &f.editMenu.untickAll,
          &f.editMenu.invertTicks,
          nullptr,
          &f.editMenu.minimiseAll,
          &f.editMenu.maximiseAll,
          &f.editMenu.minimiseOne,
          &f.editMenu.maximiseOne,
          nullptr,
          &f.editMenu.closeOne,
          &f.editMenu.closeUnticked,
          &f.editMenu.closeAll,
          nullptr,
          &f.editMenu.countWindows,
          &f.editMenu.sortByProtection,
          &f.editMenu.flashWindow,
          nullptr,
          &f.editMenu.copySubmenu,
          nullptr,
          &f.editMenu.refresh});
}

void designOtherMenu(Form1& f) {
    caption(f.otherMenu.title, "其他操作  ");
    caption(f.otherMenu.minimiseOtherPrograms, "非 Explorer窗口全部最小化");
    caption(f.otherMenu.restoreOtherPrograms, "非 Explorer窗口全部恢复正常显示");
    caption(f.otherMenu.openProgramFolder, "查看本程序启动文件夹");
    caption(f.otherMenu.restartExplorer, "重启动 Explorer");
    caption(f.otherMenu.openDualWindow, "打开 Explorer双窗口");
    fill(f, f.otherMenu.title,
         {&f.otherMenu.minimiseOtherPrograms, nullptr, &f.otherMenu.restoreOtherPrograms, nullptr,
          &f.otherMenu.openProgramFolder, nullptr, &f.otherMenu.restartExplorer, nullptr, &f.otherMenu.openDualWindow});
}

void designSettingsMenu(Form1& f) {
    caption(f.settingsMenu.title, "设置  ");
    caption(f.settingsMenu.autoRefresh, "自动刷新");
    f.settingsMenu.autoRefresh.autoCheck = true;
    f.settingsMenu.autoRefresh.setChecked(false);
    caption(f.settingsMenu.chooseFont, "字体大小。。。");
    caption(f.settingsMenu.showInTray, "程序是否显示在系统托盘上（任务栏右侧）");
    f.settingsMenu.showInTray.autoCheck = false;  // toggleTrayIcon flips it
    f.settingsMenu.showInTray.setChecked(true);
    caption(f.settingsMenu.loadSetAtStart, "启动时自动调入上次退出记录");
    f.settingsMenu.loadSetAtStart.autoCheck = true;
    f.settingsMenu.loadSetAtStart.setChecked(true);
    caption(f.settingsMenu.chooseIcon, "主图标选择。。。");
    caption(f.settingsMenu.hidePathTips, "关闭列表框文件夹路径提示");
    f.settingsMenu.hidePathTips.autoCheck = true;
    f.settingsMenu.hidePathTips.setChecked(false);
    caption(f.settingsMenu.scaleControls, "控件随窗体缩放");
    f.settingsMenu.scaleControls.autoCheck = true;
    f.settingsMenu.scaleControls.setVisible(false);
    caption(f.settingsMenu.saveSettings, "保存设置");
    caption(f.settingsMenu.reloadSettings, "重调入设置文件");

    // Internal operations that other handlers call directly; FormCreate hides the submenu.
    caption(f.settingsMenu.hiddenOperations, "启动时隐藏");
    caption(f.settingsMenu.scanAddress, "寻找地址栏标题");
    caption(f.settingsMenu.writeFolderSet, "保存文件夹集子过程");
    caption(f.settingsMenu.readFolderSet, "重新调入受保护的文件夹集合子过程");
    caption(f.settingsMenu.placeholder, "临时");
    caption(f.settingsMenu.scaleAtStart, "窗体启动缩放");
    fill(f, f.settingsMenu.hiddenOperations,
         {&f.settingsMenu.scanAddress, &f.settingsMenu.writeFolderSet, &f.settingsMenu.readFolderSet,
          &f.settingsMenu.placeholder, &f.settingsMenu.scaleAtStart});

    fill(f, f.settingsMenu.title,
         {&f.settingsMenu.autoRefresh, &f.settingsMenu.chooseFont, &f.settingsMenu.showInTray,
          &f.settingsMenu.loadSetAtStart, &f.settingsMenu.chooseIcon, &f.settingsMenu.hidePathTips,
          &f.settingsMenu.scaleControls, nullptr, &f.settingsMenu.saveSettings, &f.settingsMenu.reloadSettings, nullptr,
          &f.settingsMenu.hiddenOperations});
}

void designHelpMenu(Form1& f) {
    caption(f.helpMenu.title, "帮助  ");
    caption(f.helpMenu.help, "帮助");
    caption(f.helpMenu.aboutAuthor, "个人介绍");
    caption(f.helpMenu.about, "关于");
    caption(f.helpMenu.securitySubmenu, "★★★ 杀软神器");
    caption(f.helpMenu.antivirus, "100%杀毒软件");
    caption(f.helpMenu.activeDefence, "主动防御");
    caption(f.helpMenu.accountProtection, "保护你的账号");
    caption(f.helpMenu.writeToAuthor, "欢迎给我来信");
    caption(f.helpMenu.updatePage, "本软升级页面");
    caption(f.helpMenu.customSoftware, "接受定做软件");
    caption(f.helpMenu.antivirusNotice, "紧急声明，关于部分国外杀软报毒的问题");
    f.helpMenu.antivirusNotice.setVisible(false);
    fill(f, f.helpMenu.securitySubmenu,
         {&f.helpMenu.antivirus, &f.helpMenu.activeDefence, &f.helpMenu.accountProtection});
    fill(f, f.helpMenu.title,
         {&f.helpMenu.help, nullptr, &f.helpMenu.aboutAuthor, nullptr, &f.helpMenu.about, nullptr,
          &f.helpMenu.securitySubmenu, nullptr, &f.helpMenu.writeToAuthor, nullptr, &f.helpMenu.updatePage, nullptr,
          &f.helpMenu.customSoftware});
    // The line before the hidden entry goes with it, so the menu does not end in a line.
    MenuItem& beforeHidden = newSeparator(f);
    beforeHidden.setVisible(false);
    f.helpMenu.title.add(beforeHidden);
    f.helpMenu.title.add(f.helpMenu.antivirusNotice);
}

void designListMenu(Form1& f) {
    caption(f.listMenu.tickAll, "全部选择");
    caption(f.listMenu.invertTicks, "反向选择");
    caption(f.listMenu.untickAll, "全部 不选");
    caption(f.listMenu.minimiseAll, "全部最小化");
    caption(f.listMenu.maximiseAll, "全部 最大化");
    caption(f.listMenu.minimiseOne, "单个最小化");
    caption(f.listMenu.maximiseOne, "○单个 最大化");
    caption(f.listMenu.closeOne, "关闭单个窗口（无法重生）");
    caption(f.listMenu.closeUnticked, "部分关闭 保留勾");
    caption(f.listMenu.closeAll, "关闭全部窗口（无法重生）");
    caption(f.listMenu.copySubmenu, "复制");
    caption(f.listMenu.copyPath, "复制当前完整路径");
    caption(f.listMenu.copyName, "复制当前文件名");
    fill(f, f.listMenu.copySubmenu, {&f.listMenu.copyPath, &f.listMenu.copyName});
    fill(f, f.PopupMenu1.root,
         {&f.listMenu.tickAll, &f.listMenu.invertTicks, &f.listMenu.untickAll, nullptr, &f.listMenu.minimiseAll,
          &f.listMenu.maximiseAll, &f.listMenu.minimiseOne, &f.listMenu.maximiseOne, nullptr, &f.listMenu.closeOne,
          &f.listMenu.closeUnticked, &f.listMenu.closeAll, nullptr, &f.listMenu.copySubmenu});
}

void designTrayMenu(Form1& f) {
    caption(f.trayMenu.minimiseAll, "窗口全部最小化");
    caption(f.trayMenu.maximiseAll, "窗口全部 最大化");
    caption(f.trayMenu.otherSubmenu, "其他操作");
    caption(f.trayMenu.minimiseOtherPrograms, "非 Explorer窗口全部最小化");
    caption(f.trayMenu.restoreOtherPrograms, "非 Explorer窗口全部恢复正常显示");
    caption(f.trayMenu.about, "关于");
    caption(f.trayMenu.exit, "退出");
    fill(f, f.trayMenu.otherSubmenu, {&f.trayMenu.minimiseOtherPrograms, &f.trayMenu.restoreOtherPrograms});
    fill(f, f.PopupMenu2.root,
         {&f.trayMenu.minimiseAll, &f.trayMenu.maximiseAll, nullptr, &f.trayMenu.otherSubmenu, nullptr,
          &f.trayMenu.about, nullptr, &f.trayMenu.exit});
}

}  // namespace

void designMenus(Form1& f) {
    designFileMenu(f);
    designEditMenu(f);
    designOtherMenu(f);
    designSettingsMenu(f);
    designHelpMenu(f);
    fill(f, f.MainMenu1.root,
         {&f.fileMenu.title, &f.editMenu.title, &f.otherMenu.title, &f.settingsMenu.title, &f.helpMenu.title});
    designListMenu(f);
    designTrayMenu(f);
}

}  // namespace folvaric
