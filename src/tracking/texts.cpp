#include "tracking/texts.h"

#include "state/form1.h"
#include "text/folder_path.h"
#include "text/gbk_text.h"

// One GBK copy of each text for the life of the process.
#define FOLVARIC_TEXT(name, utf8)                     \
    const std::string& name() {                       \
        static const std::string s = text::gbk(utf8); \
        return s;                                     \
    }

namespace folvaric::tracking_text {

FOLVARIC_TEXT(errorCaption, "出错")
FOLVARIC_TEXT(searchFailedOnce, "由标题寻找句柄发生小错误，试着再找一次看看能否找到")
FOLVARIC_TEXT(myComputerXp, "我的电脑")
FOLVARIC_TEXT(computerWin7, "计算机")
FOLVARIC_TEXT(xpAddressUnreadable, "winxp地址栏路径名不存在  ")
FOLVARIC_TEXT(win7AddressUnreadable, "win7标题栏路径名不存在  ")
FOLVARIC_TEXT(vistaOrWin7, "vista or win7")
FOLVARIC_TEXT(addressPrefix, "地址: ")
FOLVARIC_TEXT(refreshStarted, "开始刷新 Explorer窗口列表，请稍候。。。")
FOLVARIC_TEXT(noExplorerWindow, "windows资源管理器文件夹一个也没有打开，请打开windows资源管理器")
FOLVARIC_TEXT(lookingForLostFolders, "正在寻找被关闭的文件夹。。。。。。")
FOLVARIC_TEXT(folderStillOpen, "文件夹有重复，拒绝重生")
FOLVARIC_TEXT(folderVanished, "加载失败，路径不存在  ")
FOLVARIC_TEXT(rebirthStarted, "开始自动生成被关闭的文件夹，请稍候。。。。。。")
FOLVARIC_TEXT(sizingStarted, "自动恢复的文件夹开始最大化。。。。。。")
FOLVARIC_TEXT(cannotSize, "无法记忆窗口大小：")
FOLVARIC_TEXT(nothingProtected, "刷新结束，你没有保护任何一个文件夹,如果左面打勾就可以保证自动重生")
FOLVARIC_TEXT(nothingLost, "刷新结束，有效的受保护文件夹一个也没有被系统关闭")
FOLVARIC_TEXT(someNotFound, "刷新结束，有些文件夹找不到句柄，无法恢复文件夹，请再按一次刷新试试看！")
FOLVARIC_TEXT(protectionBroken, "刷新结束，文件夹自动重生保护失效，失去的文件夹无法恢复")

#undef FOLVARIC_TEXT

const std::string& tooManyWindows() {
    static const std::string s =
        text::gbk("打开窗口太多，大于") + text::decimal(kMaxRows) + text::gbk("，超出的无法执行");
    return s;
}

std::string searchFailed(const std::string& name, const std::string& path) {
    static const std::string head = text::gbk("由标题寻找句柄失败，无法恢复该文件夹，路径找不到，标题：=");
    static const std::string middle = text::gbk(",路径：=");
    static const std::string tail = text::gbk("，你可能需要再按一次刷新");
    return head + "\"" + name + "\"" + middle + "\"" + path + "\"" + tail;
}

std::string rebirthDone(int reborn) {
    static const std::string head = text::gbk("文件夹自动重生过程结束，共恢复文件夹数");
    static const std::string tail = text::gbk("个");
    return head + text::decimal(reborn) + tail;
}

bool isComputerName(const std::string& text) {
    return text::isComputerFolderName(text);
}

}  // namespace folvaric::tracking_text
