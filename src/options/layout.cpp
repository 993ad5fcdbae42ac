#include "options/layout.h"

#include <algorithm>

#include "text/gbk_text.h"

namespace folvaric {
namespace {

const std::string& restartAdvice() {
    static const std::string t = text::gbk("如果窗体不正常，请重新启动程序");
    return t;
}

const std::string& noticeCaption() {
    static const std::string t = text::gbk("友情提示");
    return t;
}

// screen x design / design screen, the quotient truncated.
int scaled(int screen, int designSize, int designScreen) {
    return static_cast<int>(static_cast<long long>(screen) * designSize / designScreen);
}

}  // namespace

void measureLayoutMargins(Form1& f) {
    f.rightMargin = f.bounds.width - f.Panel1.left() - f.Panel1.width();
    f.bottomMargin = f.bounds.height - f.Panel1.top() - f.Panel1.height();
    f.statusGap = f.StatusBar1.top() - f.Panel1.top() - f.Panel1.height();
}

void scaleFormToScreen(Form1& f) {
    const platform::Rect screen = f.p.desktop.desktopRect();
    const int sw = screen.width();
    const int sh = screen.height();
    const bool larger = sw > design::kScreenWidth || (sw == design::kScreenWidth && sh > design::kScreenHeight);
    if (!larger) return;
    // A wide but low screen would shrink the window below what its controls need.
    f.bounds.height = std::max(minimumHeight, scaled(sh, f.bounds.height, design::kScreenHeight));
    f.bounds.width = std::max(minimumWidth, scaled(sw, f.bounds.width, design::kScreenWidth));
}

void FormResize(Form1& f) {
    if (f.startupScaling) return;
    // A window the view let become smaller than the minimum is laid out as if it had the
    // minimum size, so that no control ever gets a size of zero or less.
    const int w = std::max(f.bounds.width, minimumWidth);
    const int h = std::max(f.bounds.height, minimumHeight);

    const int panelHeight = std::max(1, h - f.bottomMargin - f.Panel1.top());
    f.Panel1.setHeight(panelHeight);
    f.CheckListBox1.setHeight(panelHeight);
    f.Panel1.setLeft(w - f.Panel1.width() - f.rightMargin);
    f.CheckListBox1.setWidth(
        std::max(1, w - f.Panel1.width() - f.rightMargin - f.CheckListBox1.left() - design::kListToPanelGap));
    f.StatusBar1.setTop(f.Panel1.top() + f.Panel1.height() + f.statusGap);
    f.StatusBar1.setWidth(std::max(1, w - f.rightMargin - f.StatusBar1.left()));
}

void toggleControlScaling(Form1& f) {
    if (f.maximised) {
        f.p.desktop.show(f.p.app.mainWindow(), platform::ShowCommand::ShowNormal);
        f.maximised = false;
    }
    f.scaleOption = f.settingsMenu.scaleControls.checked() ? -1 : 0;
    f.p.dialogs.messageBox(f.p.app.mainWindow(), restartAdvice(), noticeCaption(), platform::mb::Ok);
}

}  // namespace folvaric
