#include "forms/shell_launch.h"

#include "storage/storage_texts.h"
#include "text/gbk_text.h"

namespace folvaric {

std::string shellFailureReason(int result) {
    // The values ShellExecute documents for its failures: a few Win32 error codes, the rest its own.
    struct Reason {
        int result;
        const char* text;
    };
    static const Reason reasons[] = {
        {0, "系统内存或资源不足。"},
        {2, "系统找不到指定的文件。"},
        {3, "系统找不到指定的路径。"},
        {5, "拒绝访问。"},
        {8, "内存不足，无法完成此操作。"},
        {11, "不是有效的应用程序。"},
        {26, "发生共享冲突。"},
        {27, "文件关联不完整或无效。"},
        {28, "DDE 事务超时。"},
        {29, "DDE 事务失败。"},
        {30, "DDE 正忙，无法处理此事务。"},
        {31, "没有与之关联的程序来打开它，请先在系统中为这类文件或地址指定一个打开方式。"},
        {32, "找不到所需的动态链接库。"},
    };
    for (const Reason& r : reasons) {
        if (r.result == result) return text::gbk(r.text);
    }
    return text::gbk("错误代码 ") + std::to_string(result);
}

bool openThroughShellOrReport(platform::Platform& p, platform::WindowHandle owner, const std::string& target,
                              platform::ShowCommand show) {
    const int result = p.shell.execute(owner, "open", target, std::string(), std::string(), show);
    if (result > 32) return true;
    static const std::string cannotOpen = text::gbk("无法打开  ");
    static const std::string reason = text::gbk("原因：");
    p.dialogs.messageBox(owner, cannotOpen + target + "\r\n" + reason + shellFailureReason(result),
                         storage_text::errorCaption(), platform::mb::Ok | platform::mb::IconError);
    return false;
}

}  // namespace folvaric
