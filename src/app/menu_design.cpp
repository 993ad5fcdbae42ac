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
    caption(f.N24, "  文件  ");
    caption(f.baocunjihe, "保存当前记录（仅打钩的，存为默认.txt）");
    caption(f.lincunwei, "另存为。。。");
    caption(f.diaorumorenjihe, "调入上次退出记录（默认.txt）");
    caption(f.diaoruqitajihe, "重新调入其它记录。。。");
    fill(f, f.N24, {&f.baocunjihe, &f.lincunwei, nullptr, &f.diaorumorenjihe, &f.diaoruqitajihe});
}

void designEditMenu(Form1& f) {
    caption(f.N1, "编辑  ");
    caption(f.quanbuxuanze, "全部选择");
    caption(f.quanbubuxuan, "全部 不选");
    caption(f.fanxiangxuanze, "反向选择");
    caption(f.quanbuzuixiaohua, "全部最小化");
    caption(f.quanbuzuidahua, "全部 最大化");
    caption(f.dangezuixiaohua, "单个最小化");
    caption(f.dangezuidahua, "◎单个 最大化");
    caption(f.guanbidange, "关闭单个窗口（无法重生）");
    caption(f.dagouquanbuguanbi, "部分关闭 保留勾");
    caption(f.guanbiquanbu, "关闭全部窗口（无法重生）");
    caption(f.jisuan, "计算窗口数量");
    caption(f.baohupaixv, "按是否保护 排序");
    caption(f.sansuo, "在任务栏上闪烁指定窗口");
    caption(f.N52, "复制");
    caption(f.fuzilujin, "复制当前完整路径");
    caption(f.fuziwenjianmin, "复制当前文件名");
    caption(f.fuzizuangtailan, "复制状态栏性息");
    caption(f.suaxin, "刷新 （Explorer窗口列表）");
    fill(f, f.N52, {&f.fuzilujin, &f.fuziwenjianmin, &f.fuzizuangtailan});
    fill(f, f.N1,
         {&f.quanbuxuanze,
          &f.quanbubuxuan,
          &f.fanxiangxuanze,
          nullptr,
          &f.quanbuzuixiaohua,
          &f.quanbuzuidahua,
          &f.dangezuixiaohua,
          &f.dangezuidahua,
          nullptr,
          &f.guanbidange,
          &f.dagouquanbuguanbi,
          &f.guanbiquanbu,
          nullptr,
          &f.jisuan,
          &f.baohupaixv,
          &f.sansuo,
          nullptr,
          &f.N52,
          nullptr,
          &f.suaxin});
}

void designOtherMenu(Form1& f) {
    caption(f.N46, "其他操作  ");
    caption(f.Explorer1, "非 Explorer窗口全部最小化");
    caption(f.Explorer2, "非 Explorer窗口全部恢复正常显示");
    caption(f.N70, "查看本程序启动文件夹");
    caption(f.explorer5, "重启动 Explorer");
    caption(f.dakaiExplorer, "打开 Explorer双窗口");
    fill(f, f.N46,
         {&f.Explorer1, nullptr, &f.Explorer2, nullptr, &f.N70, nullptr, &f.explorer5, nullptr, &f.dakaiExplorer});
}

void designSettingsMenu(Form1& f) {
    caption(f.N21, "设置  ");
    caption(f.zidongsuaxin, "自动刷新");
    f.zidongsuaxin.autoCheck = true;
    f.zidongsuaxin.setChecked(false);
    caption(f.N23, "字体大小。。。");
    caption(f.xiansituopan, "程序是否显示在系统托盘上（任务栏右侧）");
    f.xiansituopan.autoCheck = false;  // xiansituopanClick flips it
    f.xiansituopan.setChecked(true);
    caption(f.qidongdiaoru, "启动时自动调入上次退出记录");
    f.qidongdiaoru.autoCheck = true;
    f.qidongdiaoru.setChecked(true);
    caption(f.N44, "主图标选择。。。");
    caption(f.lujintisi, "关闭列表框文件夹路径提示");
    f.lujintisi.autoCheck = true;
    f.lujintisi.setChecked(false);
    caption(f.suofang, "控件随窗体缩放");
    f.suofang.autoCheck = true;
    f.suofang.setVisible(false);
    caption(f.baocun, "保存设置");
    caption(f.congdiaorusezi, "重调入设置文件");

    // Internal operations that other handlers call directly; FormCreate hides the submenu.
    caption(f.qidongyincang, "启动时隐藏");
    caption(f.xunzaodizilan, "寻找地址栏标题");
    caption(f.baocunwenjianjiazi, "保存文件夹集子过程");
    caption(f.diaorujihezi, "重新调入受保护的文件夹集合子过程");
    caption(f.linsi, "临时");
    caption(f.cuangtisuofang, "窗体启动缩放");
    fill(f, f.qidongyincang, {&f.xunzaodizilan, &f.baocunwenjianjiazi, &f.diaorujihezi, &f.linsi, &f.cuangtisuofang});

    fill(f, f.N21,
         {&f.zidongsuaxin, &f.N23, &f.xiansituopan, &f.qidongdiaoru, &f.N44, &f.lujintisi, &f.suofang, nullptr,
          &f.baocun, &f.congdiaorusezi, nullptr, &f.qidongyincang});
}

void designHelpMenu(Form1& f) {
    caption(f.N26, "帮助  ");
    caption(f.N27, "帮助");
    caption(f.N29, "个人介绍");
    caption(f.N33, "关于");
    caption(f.N97, "★★★ 杀软神器");
    caption(f.N1001, "100%杀毒软件");
    caption(f.N100, "主动防御");
    caption(f.N102, "保护你的账号");
    caption(f.N35, "欢迎给我来信");
    caption(f.N89, "本软升级页面");
    caption(f.N73, "接受定做软件");
    caption(f.baodu, "紧急声明，关于部分国外杀软报毒的问题");
    f.baodu.setVisible(false);
    fill(f, f.N97, {&f.N1001, &f.N100, &f.N102});
    fill(
        f, f.N26,
        {&f.N27, nullptr, &f.N29, nullptr, &f.N33, nullptr, &f.N97, nullptr, &f.N35, nullptr, &f.N89, nullptr, &f.N73});
    // The line before the hidden entry goes with it, so the menu does not end in a line.
    MenuItem& beforeHidden = newSeparator(f);
    beforeHidden.setVisible(false);
    f.N26.add(beforeHidden);
    f.N26.add(f.baodu);
}

void designListMenu(Form1& f) {
    caption(f.N15, "全部选择");
    caption(f.N16, "反向选择");
    caption(f.N17, "全部 不选");
    caption(f.N6, "全部最小化");
    caption(f.N8, "全部 最大化");
    caption(f.dangezuixiaohua2, "单个最小化");
    caption(f.N19, "○单个 最大化");
    caption(f.N10, "关闭单个窗口（无法重生）");
    caption(f.N12, "部分关闭 保留勾");
    caption(f.N14, "关闭全部窗口（无法重生）");
    caption(f.N57, "复制");
    caption(f.fuzilujin2, "复制当前完整路径");
    caption(f.fuziwenjianmin2, "复制当前文件名");
    fill(f, f.N57, {&f.fuzilujin2, &f.fuziwenjianmin2});
    fill(f, f.PopupMenu1.root,
         {&f.N15, &f.N16, &f.N17, nullptr, &f.N6, &f.N8, &f.dangezuixiaohua2, &f.N19, nullptr, &f.N10, &f.N12, &f.N14,
          nullptr, &f.N57});
}

void designTrayMenu(Form1& f) {
    caption(f.N37, "窗口全部最小化");
    caption(f.N39, "窗口全部 最大化");
    caption(f.N48, "其他操作");
    caption(f.Explorer3, "非 Explorer窗口全部最小化");
    caption(f.Explorer4, "非 Explorer窗口全部恢复正常显示");
    caption(f.N41, "关于");
    caption(f.N43, "退出");
    fill(f, f.N48, {&f.Explorer3, &f.Explorer4});
    fill(f, f.PopupMenu2.root, {&f.N37, &f.N39, nullptr, &f.N48, nullptr, &f.N41, nullptr, &f.N43});
}

}  // namespace

void designMenus(Form1& f) {
    designFileMenu(f);
    designEditMenu(f);
    designOtherMenu(f);
    designSettingsMenu(f);
    designHelpMenu(f);
    fill(f, f.MainMenu1.root, {&f.N24, &f.N1, &f.N46, &f.N21, &f.N26});
    designListMenu(f);
    designTrayMenu(f);
}

}  // namespace folvaric
