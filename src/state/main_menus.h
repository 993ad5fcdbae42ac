#pragma once
// The items of the main window's menus, grouped by menu. Each item keeps the name the form gives
// it as its name string, so a form name such as "N10" finds its field here.
#include "controls/simple_controls.h"

namespace folvaric {

// The "文件" menu.
struct FileMenu {
    controls::MenuItem title{"N24"};                       // 文件
    controls::MenuItem saveDefaultSet{"baocunjihe"};       // 保存当前记录（仅打钩的，存为默认.txt）
    controls::MenuItem saveSetAs{"lincunwei"};             // 另存为。。。
    controls::MenuItem loadDefaultSet{"diaorumorenjihe"};  // 调入上次退出记录（默认.txt）
    controls::MenuItem loadOtherSet{"diaoruqitajihe"};     // 重新调入其它记录。。。
};

// The "编辑" menu.
struct EditMenu {
    controls::MenuItem title{"N1"};                         // 编辑
    controls::MenuItem tickAll{"quanbuxuanze"};             // 全部选择
    controls::MenuItem untickAll{"quanbubuxuan"};           // 全部 不选
    controls::MenuItem invertTicks{"fanxiangxuanze"};       // 反向选择
    controls::MenuItem minimiseAll{"quanbuzuixiaohua"};     // 全部最小化
    controls::MenuItem maximiseAll{"quanbuzuidahua"};       // 全部 最大化
    controls::MenuItem minimiseOne{"dangezuixiaohua"};      // 单个最小化
    controls::MenuItem maximiseOne{"dangezuidahua"};        // ◎单个 最大化
    controls::MenuItem closeOne{"guanbidange"};             // 关闭单个窗口（无法重生）
    controls::MenuItem closeUnticked{"dagouquanbuguanbi"};  // 部分关闭 保留勾
    controls::MenuItem closeAll{"guanbiquanbu"};            // 关闭全部窗口（无法重生）
    controls::MenuItem countWindows{"jisuan"};              // 计算窗口数量
    controls::MenuItem sortByProtection{"baohupaixv"};      // 按是否保护 排序
    controls::MenuItem flashWindow{"sansuo"};               // 在任务栏上闪烁指定窗口
    controls::MenuItem copySubmenu{"N52"};                  // 复制
    controls::MenuItem copyPath{"fuzilujin"};               // 复制当前完整路径
    controls::MenuItem copyName{"fuziwenjianmin"};          // 复制当前文件名
    controls::MenuItem copyStatusLine{"fuzizuangtailan"};   // 复制状态栏性息
    controls::MenuItem refresh{"suaxin"};                   // 刷新 （Explorer窗口列表）
};

// The "其他操作" menu.
struct OtherMenu {
    controls::MenuItem title{"N46"};                        // 其他操作
    controls::MenuItem minimiseOtherPrograms{"Explorer1"};  // 非 Explorer窗口全部最小化
    controls::MenuItem restoreOtherPrograms{"Explorer2"};   // 非 Explorer窗口全部恢复正常显示
    controls::MenuItem openProgramFolder{"N70"};            // 查看本程序启动文件夹
    controls::MenuItem restartExplorer{"explorer5"};        // 重启动 Explorer
    controls::MenuItem openDualWindow{"dakaiExplorer"};     // 打开 Explorer双窗口
};

// The "设置" menu, with the hidden submenu of internal operations.
struct SettingsMenu {
    controls::MenuItem title{"N21"};                       // 设置
    controls::MenuItem autoRefresh{"zidongsuaxin"};        // 自动刷新
    controls::MenuItem chooseFont{"N23"};                  // 字体大小。。。
    controls::MenuItem showInTray{"xiansituopan"};         // 程序是否显示在系统托盘上（任务栏右侧）
    controls::MenuItem loadSetAtStart{"qidongdiaoru"};     // 启动时自动调入上次退出记录
    controls::MenuItem chooseIcon{"N44"};                  // 主图标选择。。。
    controls::MenuItem hidePathTips{"lujintisi"};          // 关闭列表框文件夹路径提示
    controls::MenuItem scaleControls{"suofang"};           // 控件随窗体缩放
    controls::MenuItem saveSettings{"baocun"};             // 保存设置
    controls::MenuItem reloadSettings{"congdiaorusezi"};   // 重调入设置文件
    controls::MenuItem hiddenOperations{"qidongyincang"};  // 启动时隐藏
    controls::MenuItem scanAddress{"xunzaodizilan"};       // 寻找地址栏标题
    controls::MenuItem writeFolderSet{"baocunwenjianjiazi"};  // 保存文件夹集子过程
    controls::MenuItem readFolderSet{"diaorujihezi"};         // 重新调入受保护的文件夹集合子过程
    controls::MenuItem placeholder{"linsi"};                  // 临时
    controls::MenuItem scaleAtStart{"cuangtisuofang"};        // 窗体启动缩放
};

// The "帮助" menu.
struct HelpMenu {
    controls::MenuItem title{"N26"};               // 帮助
    controls::MenuItem help{"N27"};                // 帮助
    controls::MenuItem aboutAuthor{"N29"};         // 个人介绍
    controls::MenuItem about{"N33"};               // 关于
    controls::MenuItem securitySubmenu{"N97"};     // ★★★ 杀软神器
    controls::MenuItem antivirus{"N1001"};         // 100%杀毒软件
    controls::MenuItem activeDefence{"N100"};      // 主动防御
    controls::MenuItem accountProtection{"N102"};  // 保护你的账号
    controls::MenuItem writeToAuthor{"N35"};       // 欢迎给我来信
    controls::MenuItem updatePage{"N89"};          // 本软升级页面
    controls::MenuItem customSoftware{"N73"};      // 接受定做软件
    controls::MenuItem antivirusNotice{"baodu"};   // 紧急声明，关于部分国外杀软报毒的问题
};

// The list's context menu.
struct ListMenu {
    controls::MenuItem tickAll{"N15"};                   // 全部选择
    controls::MenuItem invertTicks{"N16"};               // 反向选择
    controls::MenuItem untickAll{"N17"};                 // 全部 不选
    controls::MenuItem minimiseAll{"N6"};                // 全部最小化
    controls::MenuItem maximiseAll{"N8"};                // 全部 最大化
    controls::MenuItem minimiseOne{"dangezuixiaohua2"};  // 单个最小化
    controls::MenuItem maximiseOne{"N19"};               // ○单个 最大化
    controls::MenuItem closeOne{"N10"};                  // 关闭单个窗口（无法重生）
    controls::MenuItem closeUnticked{"N12"};             // 部分关闭 保留勾
    controls::MenuItem closeAll{"N14"};                  // 关闭全部窗口（无法重生）
    controls::MenuItem copySubmenu{"N57"};               // 复制
    controls::MenuItem copyPath{"fuzilujin2"};           // 复制当前完整路径
    controls::MenuItem copyName{"fuziwenjianmin2"};      // 复制当前文件名
};

// The tray menu.
struct TrayMenu {
    controls::MenuItem minimiseAll{"N37"};                  // 窗口全部最小化
    controls::MenuItem maximiseAll{"N39"};                  // 窗口全部 最大化
    controls::MenuItem otherSubmenu{"N48"};                 // 其他操作
    controls::MenuItem minimiseOtherPrograms{"Explorer3"};  // 非 Explorer窗口全部最小化
    controls::MenuItem restoreOtherPrograms{"Explorer4"};   // 非 Explorer窗口全部恢复正常显示
    controls::MenuItem about{"N41"};                        // 关于
    controls::MenuItem exit{"N43"};                         // 退出
};

}  // namespace folvaric
