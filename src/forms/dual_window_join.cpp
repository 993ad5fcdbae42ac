#include "forms/dual_window.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

const std::string& handleZeroText() {
    static const std::string t = text::gbk("抱歉，窗口句柄值为0，无法加入，建议关闭它，重新打开试试看");
    return t;
}
const std::string& errorCaption() {
    static const std::string t = text::gbk("出错");
    return t;
}
const std::string& cannotJoinText() {
    static const std::string t = text::gbk("无法加入窗口：");
    return t;
}

}  // namespace

// Always row 0, whatever entry is selected: the pane holds "window 1" of the list.
void joinFirstWindow(Form3& d) {
    Form1& f = d.main;
    if (f.CheckListBox1.count() == 0) return;
    const FolderRow first = f.table.rowOrEmpty(0);
    const WindowHandle window = first.window;
    const std::string& name = first.name;
    if (window == 0) {
        f.p.dialogs.messageBox(d.handle, handleZeroText(), errorCaption(), platform::mb::Ok);
        return;
    }
    // A window that is gone fails these two quietly; the move below reports it.
    f.p.desktop.bringToTop(window);
    f.p.desktop.show(window, platform::ShowCommand::ShowNormal);

    const ScreenPoint at = d.toScreen({d.Panel1.left() + d.Memo1.left(), d.Panel1.top() + d.Memo1.top()});
    const platform::Rect pane{at.x, at.y, at.x + d.Memo1.width(), at.y + d.Memo1.height()};
    if (!f.p.desktop.move(window, pane, true) && f.statusGateOpen()) {
        f.StatusBar1.setSimpleText(cannotJoinText() + name);
    }
}

}  // namespace folvaric
