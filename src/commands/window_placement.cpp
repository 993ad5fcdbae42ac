#include "commands/window_placement.h"

#include "commands/command_support.h"
#include "text/gbk_text.h"

namespace folvaric {

void refuseZeroHandle(Form1& f) {
    static const std::string text = text::gbk("抱歉，窗口句柄值为0，无法最大化，建议关闭它，重新打开试试看");
    static const std::string caption = text::gbk("出错");
    f.p.dialogs.messageBox(f.p.app.mainWindow(), text, caption, platform::mb::Ok);
}

void moveToArea(Form1& f, WindowHandle h, const platform::Rect& area, const std::string& name) {
    static const std::string cannotMove = text::gbk("无法记忆窗口大小：");
    if (!f.p.desktop.move(h, area, true)) reportStatus(f, cannotMove + name);
}

}  // namespace folvaric
