#include <utility>

#include "app/error_handler.h"
#include "app/form_design.h"
#include "app/main_form.h"
#include "commands/desktop_commands.h"
#include "commands/marks.h"
#include "commands/ordering.h"
#include "commands/window_commands.h"
#include "forms/help_menu.h"
#include "options/appearance.h"
#include "options/layout.h"
#include "storage/folder_sets.h"
#include "storage/settings_file.h"
#include "tracking/discovery.h"
#include "tracking/refresh.h"

namespace folvaric {
namespace {

using Handler = void (*)(Form1&);

// Every event runs through the general error handler, so that a failed write is shown and
// the program stays usable.
std::function<void()> run(Form1& f, Handler h) {
    return guarded(f, [&f, h] { h(f); });
}

void bind(Form1& f, controls::MenuItem& item, Handler h) {
    item.onClick = run(f, h);
}

void bindFileMenu(Form1& f) {
    bind(f, f.baocunjihe, baocunjiheClick);
    bind(f, f.lincunwei, lincunweiClick);
    bind(f, f.diaorumorenjihe, diaorumorenjiheClick);
    bind(f, f.diaoruqitajihe, diaoruqitajiheClick);
}

void bindEditMenu(Form1& f) {
    bind(f, f.quanbuxuanze, quanbuxuanzeClick);
    bind(f, f.quanbubuxuan, quanbubuxuanClick);
    bind(f, f.fanxiangxuanze, fanxiangxuanzeClick);
    bind(f, f.quanbuzuixiaohua, quanbuzuixiaohuaClick);
    bind(f, f.quanbuzuidahua, quanbuzuidahuaClick);
    bind(f, f.dangezuixiaohua, dangezuixiaohuaClick);
    bind(f, f.dangezuidahua, dangezuidahuaClick);
    bind(f, f.guanbidange, guanbidangeClick);
    bind(f, f.dagouquanbuguanbi, dagouquanbuguanbiClick);
    bind(f, f.guanbiquanbu, guanbiquanbuClick);
    bind(f, f.jisuan, jisuanClick);
    bind(f, f.baohupaixv, baohupaixvClick);
    bind(f, f.sansuo, sansuoClick);
    bind(f, f.fuzilujin, fuzilujinClick);
    bind(f, f.fuziwenjianmin, fuziwenjianminClick);
    bind(f, f.fuzizuangtailan, fuzizuangtailanClick);
    bind(f, f.suaxin, suaxinClick);
}

void bindOtherMenu(Form1& f) {
    bind(f, f.Explorer1, Explorer1Click);
    bind(f, f.Explorer2, Explorer2Click);
    bind(f, f.N70, N70Click);
    bind(f, f.explorer5, explorer5Click);
    bind(f, f.dakaiExplorer, dakaiExplorerClick);
}

void bindSettingsMenu(Form1& f) {
    // zidongsuaxin and qidongdiaoru only flip their ticks; others read them.
    bind(f, f.N23, N23Click);
    bind(f, f.xiansituopan, xiansituopanClick);
    bind(f, f.N44, N44Click);
    bind(f, f.lujintisi, lujintisiClick);
    bind(f, f.suofang, suofangClick);
    bind(f, f.baocun, baocunClick);
    bind(f, f.congdiaorusezi, congdiaoruseziClick);
    bind(f, f.xunzaodizilan, xunzaodizilanClick);
    bind(f, f.baocunwenjianjiazi, baocunwenjianjiaziClick);
    bind(f, f.diaorujihezi, diaorujiheziClick);
    bind(f, f.linsi, linsiClick);
    bind(f, f.cuangtisuofang, cuangtisuofangClick);
}

void bindHelpMenu(Form1& f) {
    bind(f, f.N27, N27Click);
    bind(f, f.N29, N29Click);
    bind(f, f.N33, N33Click);
    bind(f, f.N1001, N1001Click);
    bind(f, f.N100, N100Click);
    bind(f, f.N102, N102Click);
    bind(f, f.N35, N35Click);
    bind(f, f.N89, N89Click);
    bind(f, f.N73, N73Click);
    bind(f, f.baodu, baoduClick);
}

void bindListMenu(Form1& f) {
    bind(f, f.N15, quanbuxuanzeClick);
    bind(f, f.N16, fanxiangxuanzeClick);
    bind(f, f.N17, quanbubuxuanClick);
    bind(f, f.N6, quanbuzuixiaohuaClick);
    bind(f, f.N8, quanbuzuidahuaClick);
    bind(f, f.dangezuixiaohua2, dangezuixiaohuaClick);
    bind(f, f.N19, dangezuidahuaClick);
    bind(f, f.N10, guanbidangeClick);
    bind(f, f.N12, dagouquanbuguanbiClick);
    bind(f, f.N14, guanbiquanbuClick);
    bind(f, f.fuzilujin2, fuzilujinClick);
    bind(f, f.fuziwenjianmin2, fuziwenjianminClick);
}

void bindTrayMenu(Form1& f) {
    bind(f, f.N37, quanbuzuixiaohuaClick);
    bind(f, f.N39, N39Click);
    bind(f, f.Explorer3, Explorer1Click);
    bind(f, f.Explorer4, Explorer2Click);
    bind(f, f.N41, N33Click);
    bind(f, f.N43, N43Click);
}

void bindControls(Form1& f) {
    f.Button4.OnClick = run(f, suaxinClick);
    f.Button1.OnClick = run(f, quanbuzuixiaohuaClick);
    f.Button2.OnClick = run(f, quanbuzuidahuaClick);
    f.Button3.OnClick = run(f, dagouquanbuguanbiClick);

    f.CheckListBox1.OnClickCheck = run(f, CheckListBox1ClickCheck);
    f.CheckListBox1.OnClick = run(f, CheckListBox1Click);
    f.CheckListBox1.OnDblClick = run(f, CheckListBox1DblClick);
    f.CheckListBox1.OnKeyDown = [&f](unsigned key, unsigned shift) {
        runHandler(f, [&] { CheckListBox1KeyDown(f, key, shift); });
    };
    f.CheckListBox1.OnKeyUp = [&f](unsigned key, unsigned shift) {
        runHandler(f, [&] { CheckListBox1KeyUp(f, key, shift); });
    };

    f.StatusBar1.OnDblClick = run(f, StatusBar1DblClick);
    f.GradientLabel1.OnDblClick = run(f, N33Click);
    f.p.app.onRestore = run(f, ApplicationEvents1Restore);
}

}  // namespace

void bindHandlers(Form1& f) {
    bindFileMenu(f);
    bindEditMenu(f);
    bindOtherMenu(f);
    bindSettingsMenu(f);
    bindHelpMenu(f);
    bindListMenu(f);
    bindTrayMenu(f);
    bindControls(f);
}

void buildForm1(Form1& f) {
    if (!f.MainMenu1.root.items.empty()) return;  // built once, as a form is loaded once
    designControls(f);
    designMenus(f);
    bindHandlers(f);
}

}  // namespace folvaric
