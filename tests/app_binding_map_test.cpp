// The command reference: every entry of the three menus, the four buttons, the list's events,
// the status line and the label, each run on the same prepared desktop. The effect that tells
// its handler apart is written beside it, so a swapped binding fails by the entry's name.
#include <map>

#include "text/gbk_codec.h"
#include "text/unicode.h"

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "options/layout.h"
#include "support/fixture.h"

namespace testing_support {
namespace {

using folvaric::Form1;
using platform::WindowHandle;
using State = std::map<std::string, std::string>;

struct BindingScene : Fixture {
    WindowHandle alpha = 0, beta = 0, gamma = 0, delta = 0, notepad = 0, paint = 0;
    int aboutShown = 0, dualShown = 0, mainCloses = 0;

    // Three listed folder windows, Alpha and Gamma ticked, Alpha selected; a folder window opened
    // since (Delta); two windows of other programs, one minimised; a settings file that asks for
    // another list font than the one shown; a large screen.
    BindingScene() {
        sim.setScreen(1920, 1080);
        folvaric::buildForm1(form);
        sim.files.addFile(form.settingsFilePath,
                          "16\r\n" + gbk("宋体") + "\r\n-16777208\r\n1\r\nmain.ico\r\n1\r\n0\r\n0\r\n");
        folvaric::FormCreate(form);
        folvaric::FormResize(form);
        folvaric::FormShow(form);
        shown();
        form.showAboutBox = [this] { ++aboutShown; };
        form.showDualWindow = [this] { ++dualShown; };
        form.closeMainWindow = [this] { ++mainCloses; };
        sim.dialogs.saveAnswers.assign(4, std::nullopt);
        sim.dialogs.openAnswers.assign(4, std::nullopt);
        alpha = sim.openExplorerWindow("C:\\Alpha");
        beta = sim.openExplorerWindow("C:\\Beta");
        gamma = sim.openExplorerWindow("C:\\Gamma");
        notepad = sim.openAppWindow("Notepad", "C:\\Windows\\notepad.exe");
        paint = sim.openAppWindow("Paint", "C:\\Windows\\mspaint.exe");
        sim.window(paint).state = sim::ShowState::Minimised;
        form.editMenu.refresh.userClick();
        delta = sim.openExplorerWindow("C:\\Delta");
        sim.files.addFile(form.defaultSetFile, "Beta\r\nC:\\Beta\r\n");
        sim.files.addFile(form.settingsFilePath,
                          "20\r\n" + gbk("宋体") + "\r\n-16777208\r\n1\r\nmain.ico\r\n1\r\n0\r\n0\r\n");
        form.folderSetFile = form.folderSetDir + "\\work.txt";
        for (int i = 0; i < form.CheckListBox1.count(); ++i) {
            const std::string& name = form.CheckListBox1.item(i);
            form.CheckListBox1.setChecked(i, name != "Beta");
            if (name == "Alpha") form.CheckListBox1.userSelect(i);
        }
    }

    std::string windowState(WindowHandle h) {
        if (!sim.windows.exists(h)) return "closed";
        static const char* const names[] = {"normal", "min", "max", "hidden"};
        const sim::SimWindow& w = sim.window(h);
        // Sizing to the work area is how the program maximises a folder window.
        return names[static_cast<int>(w.state)] +
               std::string(w.rect == platform::Rect{100, 100, 700, 500} ? "" : "+sized");
    }

    // Everything an entry may change that a user could see or find.
    State observe() {
        sim.windows.deliverCloseRequests();
        State s;
        s["list"] = "";
        for (int i = 0; i < form.CheckListBox1.count(); ++i) {
            s["list"] += (form.CheckListBox1.checked(i) ? "+" : "-") + form.CheckListBox1.item(i) + " ";
        }
        s["selected"] = std::to_string(form.CheckListBox1.itemIndex());
        const std::pair<const char*, WindowHandle> windows[] = {{"Alpha", alpha},     {"Beta", beta},
                                                                {"Gamma", gamma},     {"Delta", delta},
                                                                {"Notepad", notepad}, {"Paint", paint}};
        for (const auto& w : windows) s[w.first] = windowState(w.second);
        s["status"] = opening(form.StatusBar1.simpleText());
        s["clipboard"] = opening(sim.clipboard.text());
        s["box"] = sim.dialogs.boxes.empty() ? "" : opening(sim.dialogs.boxes.back().text);
        s["message"] = sim.dialogs.messages.empty() ? "" : opening(sim.dialogs.messages.back());
        s["shell"] = sim.shell.calls.empty() ? "" : sim.shell.calls.back().file + sim.shell.calls.back().parameters;
        s["fontDialog"] = std::to_string(sim.dialogs.fontRequests);
        s["openDialog"] = std::to_string(sim.dialogs.openRequests.size());
        s["saveDialog"] = std::to_string(sim.dialogs.saveRequests.size());
        s["set"] = lines(sim.files.contents(form.settingsFilePath).value_or(""));
        s["default"] = lines(sim.files.contents(form.defaultSetFile).value_or(""));
        s["work.txt"] = lines(sim.files.contents(form.folderSetDir + "\\work.txt").value_or(""));
        s["listFont"] = std::to_string(form.CheckListBox1.font.size);
        s["formWidth"] = std::to_string(form.bounds.width);
        s["autoRefresh"] = form.settingsMenu.autoRefresh.checked() ? "on" : "off";
        s["loadLast"] = form.settingsMenu.loadSetAtStart.checked() ? "on" : "off";
        s["about"] = std::to_string(aboutShown);
        s["dual"] = std::to_string(dualShown);
        s["exit"] = std::to_string(mainCloses);
        s["appMinimised"] = std::to_string(sim.app.minimiseCount);
        s["appRestored"] = std::to_string(sim.app.restoreCount);
        s["tray"] = form.TrayIcon1.visible ? "on" : "off";
        s["pathTips"] = form.settingsMenu.hidePathTips.checked() ? "on" : "off";
        s["scaling"] = form.settingsMenu.scaleAtStart.checked() ? "on" : "off";
        int flashes = 0;
        for (WindowHandle h : {alpha, beta, gamma}) flashes += sim.windows.exists(h) ? sim.window(h).flashes : 0;
        s["flashes"] = std::to_string(flashes);
        return s;
    }

    // A GBK text in UTF-8, its first 40 characters.
    static std::string opening(const std::string& gbkText) {
        return text::utf16ToUtf8(text::gbkToUtf16(gbkText).substr(0, 40));
    }
    // A file's lines joined with "|".
    static std::string lines(const std::string& gbkText) {
        std::string joined = gbkText;
        for (std::size_t at; (at = joined.find("\r\n")) != std::string::npos;) joined.replace(at, 2, "|");
        return opening(joined);
    }

    // The keys that changed, each with its new value, in the order of the keys' names.
    static std::string changes(const State& before, const State& after) {
        std::string out;
        for (const auto& kv : after) {
            if (before.at(kv.first) != kv.second) out += (out.empty() ? "" : "; ") + kv.first + "=" + kv.second;
        }
        return out;
    }
};

struct Binding {
    const char* entry;
    void (*act)(BindingScene&);
    const char* effect;  // the keys that change, as `changes` lists them
};

#define MENU(item) [](BindingScene& t) { t.form.item.userClick(); }

const Binding kBindings[] = {
    // 文件
    {"文件/保存当前记录（仅打钩的，存为默认.txt）", MENU(fileMenu.saveDefaultSet),
     "default=Gamma|C:\\Gamma|Alpha|C:\\Alpha|"},
    {"文件/另存为", MENU(fileMenu.saveSetAs), "saveDialog=1"},
    {"文件/调入上次退出记录（默认.txt）", MENU(fileMenu.loadDefaultSet),
     "list=-Delta +Gamma +Beta +Alpha ; selected=-1"},
    {"文件/重新调入其它记录", MENU(fileMenu.loadOtherSet), "openDialog=1"},
    // 编辑
    {"编辑/全部选择", MENU(editMenu.tickAll),
     "list=+Gamma +Beta +Alpha ; status=你已经保护了所有文件夹，如果在windows中被关闭，只要按下刷新，失去的所有文"},
    {"编辑/全部 不选", MENU(editMenu.untickAll),
     "list=-Gamma -Beta -Alpha ; status=注意：所有的文件夹都失去了保护！文件夹无法自动重生！"},
    {"编辑/反向选择", MENU(editMenu.invertTicks),
     "list=-Gamma +Beta -Alpha ; status=打勾的文件夹被保护，如果在windows中被关闭，只要按下刷新，失去的文件夹就立"},
    {"编辑/全部最小化", MENU(editMenu.minimiseAll), "Alpha=min; Beta=min; Gamma=min"},
    {"编辑/全部 最大化", MENU(editMenu.maximiseAll),
     "Alpha=normal+sized; Beta=normal+sized; Gamma=normal+sized; appMinimised=1; appRestored=1"},
    {"编辑/单个最小化", MENU(editMenu.minimiseOne), "Alpha=min"},
    {"编辑/◎单个 最大化", MENU(editMenu.maximiseOne), "Alpha=normal+sized; appMinimised=1"},
    {"编辑/关闭单个窗口（无法重生）", MENU(editMenu.closeOne),
     "Alpha=closed; list=+Gamma -Beta ; selected=-1; status=你在软件中关闭窗口，该文件夹无法自动重生！"},
    {"编辑/部分关闭 保留勾", MENU(editMenu.closeUnticked),
     "Beta=closed; list=+Gamma +Alpha ; selected=-1; status=部分关闭结束，共关闭文件夹数1个"},
    {"编辑/关闭全部窗口（无法重生）", MENU(editMenu.closeAll),
     "Alpha=closed; Beta=closed; Gamma=closed; list=; selected=-1; "
     "status=你在软件中关闭窗口，所有文件夹无法自动重生！"},
    {"编辑/计算窗口数量", MENU(editMenu.countWindows), "box=窗口总数量=3，选择的受保护数量=2，实际有效的受保护数量=2"},
    {"编辑/按是否保护 排序", MENU(editMenu.sortByProtection), "list=+Gamma +Alpha -Beta "},
    {"编辑/在任务栏上闪烁指定窗口", MENU(editMenu.flashWindow), "flashes=1"},
    {"编辑/复制/复制当前完整路径", MENU(editMenu.copyPath), "clipboard=C:\\Alpha"},
    {"编辑/复制/复制当前文件名", MENU(editMenu.copyName), "clipboard=Alpha"},
    {"编辑/复制/复制状态栏性息", MENU(editMenu.copyStatusLine), "clipboard=当前地址：C:\\Alpha"},
    {"编辑/刷新 （Explorer窗口列表）", MENU(editMenu.refresh), "list=-Delta +Gamma -Beta +Alpha ; selected=-1"},
    // 其他操作
    {"其他操作/非 Explorer窗口全部最小化", MENU(otherMenu.minimiseOtherPrograms),
     "Notepad=min; list=-Delta +Gamma -Beta +Alpha ; selected=3"},
    {"其他操作/非 Explorer窗口全部恢复正常显示", MENU(otherMenu.restoreOtherPrograms),
     "Paint=normal; list=-Delta +Gamma -Beta +Alpha ; selected=3"},
    {"其他操作/查看本程序启动文件夹", MENU(otherMenu.openProgramFolder), "shell=Explorer.exe/n,C:\\Folvaric"},
    {"其他操作/重启动 Explorer", MENU(otherMenu.restartExplorer),
     "box=如果你的Explorer卡住了或者死机了这将重启动它，你确信重启动Explore; message=文件不存在  "
     "C:\\Folvaric\\重启动explorer.bat"},
    {"其他操作/打开 Explorer双窗口", MENU(otherMenu.openDualWindow), "dual=1"},
    // 设置, with the hidden internal operations last
    {"设置/自动刷新", MENU(settingsMenu.autoRefresh), "autoRefresh=on"},
    {"设置/字体大小", MENU(settingsMenu.chooseFont), "fontDialog=1"},
    {"设置/程序是否显示在系统托盘上", MENU(settingsMenu.showInTray), "tray=off"},
    {"设置/启动时自动调入上次退出记录", MENU(settingsMenu.loadSetAtStart), "loadLast=on"},
    {"设置/主图标选择", MENU(settingsMenu.chooseIcon), "openDialog=1"},
    {"设置/关闭列表框文件夹路径提示", MENU(settingsMenu.hidePathTips), "pathTips=on"},
    {"设置/控件随窗体缩放", MENU(settingsMenu.scaleControls), "box=如果窗体不正常，请重新启动程序"},
    {"设置/保存设置", MENU(settingsMenu.saveSettings), "set=16|宋体|-16777208|1|main.ico|1|0|0|"},
    {"设置/重调入设置文件", MENU(settingsMenu.reloadSettings), "listFont=20"},
    {"设置/寻找地址栏标题", MENU(settingsMenu.scanAddress), ""},
    {"设置/保存文件夹集子过程", MENU(settingsMenu.writeFolderSet), "work.txt=Gamma|C:\\Gamma|Alpha|C:\\Alpha|"},
    {"设置/重新调入受保护的文件夹集合子过程", MENU(settingsMenu.readFolderSet),
     "box=设置文件不存在,无法读取  C:\\Folvaric\\文件夹集合保存目录\\work"},
    {"设置/临时", MENU(settingsMenu.placeholder), ""},
    {"设置/窗体启动缩放", MENU(settingsMenu.scaleAtStart), "formWidth=3304"},
    // 帮助
    {"帮助/帮助", MENU(helpMenu.help), "message=文件不存在  C:\\Folvaric\\帮助\\帮助.txt"},
    {"帮助/个人介绍", MENU(helpMenu.aboutAuthor), "message=文件不存在  C:\\Folvaric\\帮助\\个人介绍.txt"},
    {"帮助/关于", MENU(helpMenu.about), "about=1"},
    {"帮助/100%杀毒软件", MENU(helpMenu.antivirus), "message=文件不存在  C:\\Folvaric\\帮助\\100%杀毒软件.txt"},
    {"帮助/主动防御", MENU(helpMenu.activeDefence), "message=文件不存在  C:\\Folvaric\\帮助\\主动防御.txt"},
    {"帮助/保护你的账号", MENU(helpMenu.accountProtection), "message=文件不存在  C:\\Folvaric\\帮助\\保护你的账号.txt"},
    {"帮助/欢迎给我来信", MENU(helpMenu.writeToAuthor),
     "box=这是我的吐血之作，如果你喜欢欢迎给我来信，我一定回复您，请指出问题。万分感谢！"},
    {"帮助/本软升级页面", MENU(helpMenu.updatePage), "shell=http://folvaric.example.com/update.html"},
    {"帮助/接受定做软件", MENU(helpMenu.customSoftware), "message=文件不存在  C:\\Folvaric\\帮助\\接受定做软件.txt"},
    {"帮助/紧急声明，关于部分国外杀软报毒的问题", MENU(helpMenu.antivirusNotice),
     "message=文件不存在  C:\\Folvaric\\帮助\\紧急声明，关于部分国外杀软报毒的问题"},
    // the list's menu
    {"列表/全部选择", MENU(listMenu.tickAll),
     "list=+Gamma +Beta +Alpha ; status=你已经保护了所有文件夹，如果在windows中被关闭，只要按下刷新，失去的所有文"},
    {"列表/反向选择", MENU(listMenu.invertTicks),
     "list=-Gamma +Beta -Alpha ; status=打勾的文件夹被保护，如果在windows中被关闭，只要按下刷新，失去的文件夹就立"},
    {"列表/全部 不选", MENU(listMenu.untickAll),
     "list=-Gamma -Beta -Alpha ; status=注意：所有的文件夹都失去了保护！文件夹无法自动重生！"},
    {"列表/全部最小化", MENU(listMenu.minimiseAll), "Alpha=min; Beta=min; Gamma=min"},
    {"列表/全部 最大化", MENU(listMenu.maximiseAll),
     "Alpha=normal+sized; Beta=normal+sized; Gamma=normal+sized; appMinimised=1; appRestored=1"},
    {"列表/单个最小化", MENU(listMenu.minimiseOne), "Alpha=min"},
    {"列表/○单个 最大化", MENU(listMenu.maximiseOne), "Alpha=normal+sized; appMinimised=1"},
    {"列表/关闭单个窗口（无法重生）", MENU(listMenu.closeOne),
     "Alpha=closed; list=+Gamma -Beta ; selected=-1; status=你在软件中关闭窗口，该文件夹无法自动重生！"},
    {"列表/部分关闭 保留勾", MENU(listMenu.closeUnticked),
     "Beta=closed; list=+Gamma +Alpha ; selected=-1; status=部分关闭结束，共关闭文件夹数1个"},
    {"列表/关闭全部窗口（无法重生）", MENU(listMenu.closeAll),
     "Alpha=closed; Beta=closed; Gamma=closed; list=; selected=-1; "
     "status=你在软件中关闭窗口，所有文件夹无法自动重生！"},
    {"列表/复制/复制当前完整路径", MENU(listMenu.copyPath), "clipboard=C:\\Alpha"},
    {"列表/复制/复制当前文件名", MENU(listMenu.copyName), "clipboard=Alpha"},
    // the tray menu
    {"托盘/窗口全部最小化", MENU(trayMenu.minimiseAll), "Alpha=min; Beta=min; Gamma=min"},
    {"托盘/窗口全部 最大化", MENU(trayMenu.maximiseAll), "Alpha=normal+sized; Beta=normal+sized; Gamma=normal+sized"},
    {"托盘/其他操作/非 Explorer窗口全部最小化", MENU(trayMenu.minimiseOtherPrograms),
     "Notepad=min; list=-Delta +Gamma -Beta +Alpha ; selected=3"},
    {"托盘/其他操作/非 Explorer窗口全部恢复正常显示", MENU(trayMenu.restoreOtherPrograms),
     "Paint=normal; list=-Delta +Gamma -Beta +Alpha ; selected=3"},
    {"托盘/关于", MENU(trayMenu.about), "about=1"},
    {"托盘/退出", MENU(trayMenu.exit), "exit=1"},
    // buttons, list, status line, label
    {"按钮/刷新", [](BindingScene& t) { t.form.Button4.userClick(); }, "list=-Delta +Gamma -Beta +Alpha ; selected=-1"},
    {"按钮/全部最小化", [](BindingScene& t) { t.form.Button1.userClick(); }, "Alpha=min; Beta=min; Gamma=min"},
    {"按钮/全部 最大化", [](BindingScene& t) { t.form.Button2.userClick(); },
     "Alpha=normal+sized; Beta=normal+sized; Gamma=normal+sized; appMinimised=1; appRestored=1"},
    {"按钮/部分关闭", [](BindingScene& t) { t.form.Button3.userClick(); },
     "Beta=closed; list=+Gamma +Alpha ; selected=-1; status=部分关闭结束，共关闭文件夹数1个"},
    {"列表/单击", [](BindingScene& t) { t.form.CheckListBox1.userSelect(0); },
     "selected=0; status=当前地址：C:\\Gamma"},
    {"列表/打钩", [](BindingScene& t) { t.form.CheckListBox1.userToggle(1); }, "list=+Gamma +Beta +Alpha ; selected=1"},
    {"列表/双击", [](BindingScene& t) { t.form.CheckListBox1.userDoubleClick(); },
     "Alpha=normal+sized; appMinimised=1"},
    {"状态栏/双击", [](BindingScene& t) { t.form.StatusBar1.userDoubleClick(); }, "clipboard=当前地址：C:\\Alpha"},
    {"标签/双击", [](BindingScene& t) { t.form.GradientLabel1.userDoubleClick(); }, "about=1"},
};

TEST(BindingMap, EveryEntryRunsItsOwnCommand) {
    for (const Binding& b : kBindings) {
        BindingScene scene;
        const State before = scene.observe();
        b.act(scene);
        EXPECT_EQ(BindingScene::changes(before, scene.observe()), b.effect) << "entry " << b.entry;
    }
}

}  // namespace
}  // namespace testing_support
