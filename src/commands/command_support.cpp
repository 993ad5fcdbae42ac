#include "commands/command_support.h"

#include "text/gbk_text.h"

namespace folvaric {

bool hasSelectedEntry(const Form1& f) {
    const int selected = f.CheckListBox1.itemIndex();
    return f.CheckListBox1.count() > 0 && selected >= 0 && selected < f.CheckListBox1.count();
}

void refuseWithoutSelection(Form1& f) {
    static const std::string text = text::gbk("没有选择任何一个选项");
    static const std::string caption = text::gbk("出错");
    f.p.dialogs.messageBox(f.p.app.mainWindow(), text, caption, platform::mb::Ok);
}

void reportStatus(Form1& f, const std::string& text) {
    if (f.statusGateOpen()) f.StatusBar1.setSimpleText(text);
}

platform::Rect screenWideWorkArea(Form1& f) {
    const int width = f.p.desktop.desktopRect().right;
    const platform::Rect work = f.p.desktop.workArea();
    return platform::Rect{0, 0, width, work.bottom - work.top};
}

}  // namespace folvaric
