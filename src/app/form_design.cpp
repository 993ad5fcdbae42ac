#include "app/form_design.h"

#include "app/program_texts.h"
#include "controls/main_window_themed_controls.h"
#include "options/design_geometry.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

// A font given, as on the form, by its height in pixels at 96 dots per inch.
platform::FontChoice fontOfPixels(const std::string& name, int pixels, std::uint32_t color) {
    platform::FontChoice font;
    font.name = name;
    font.size = (pixels * 72 + 48) / 96;  // points, rounded as the font dialog shows them
    font.color = color;
    return font;
}

void designButton(controls::Button& b, int top, const char* caption, const char* hint) {
    b.setBounds({design::kButtonLeft, top, design::kButtonWidth, design::kButtonHeight});
    b.setCaption(text::gbk(caption));
    b.hint = text::gbk(hint);
    b.showHint = true;
    // A chrome button: silver face; yellow and bold while it is pressed (the view draws that).
    b.color = colour::Silver;
    b.font = fontOfPixels("MS Sans Serif", 16, colour::WindowText);
}

}  // namespace

void designControls(Form1& f) {
    const std::string song = text::gbk("宋体");

    f.caption = app_text::programTitle();
    f.bounds = {f.bounds.left, f.bounds.top, design::kFormWidth, design::kFormHeight};
    f.color = colour::ButtonFace;
    f.font = fontOfPixels("MS Sans Serif", 11, colour::WindowText);

    // Aligned to the top of the client area; the view stretches it across the width.
    f.ToolBar1.setBounds({0, 0, design::kFormWidth - 8, design::kToolBarHeight});
    f.ToolBar1.color = colour::MenuBar;

    f.GradientLabel1.setBounds({design::kLabelLeft, design::kLabelTop, design::kLabelWidth, design::kLabelHeight});
    f.GradientLabel1.setCaption(text::gbk("     Explorer 打开的窗口列表 "));
    f.GradientLabel1.font = fontOfPixels(song, 16, colour::WindowText);
    f.GradientLabel1.font.bold = true;
    f.GradientLabel1.font.italic = true;
    f.GradientLabel1.hint = text::gbk("瞧，微软笨拙的！");
    f.GradientLabel1.showHint = true;

    f.CheckListBox1.setBounds({design::kListLeft, design::kListTop, design::kListWidth, design::kListHeight});
    f.CheckListBox1.itemHeight = design::kListItemHeight;
    f.CheckListBox1.setFont(fontOfPixels(song, 19, colour::WindowText));
    f.CheckListBox1.showHint = true;

    f.Panel1.setBounds({design::kPanelLeft, design::kPanelTop, design::kPanelWidth, design::kPanelHeight});
    designButton(f.Button4, 21, "刷新", "刷新Explorer窗口列表");
    designButton(f.Button1, 80, "全部最小化", "Explorer窗口全部最小化");
    designButton(f.Button2, 140, "全部 最大化", "Explorer窗口全部最大化");
    designButton(f.Button3, 200, "部分关闭 保留勾", "Explorer窗口部分关闭，打勾的保留，其余的关闭");

    f.StatusBar1.setBounds({design::kStatusLeft, design::kStatusTop, design::kStatusWidth, design::kStatusHeight});
    f.StatusBar1.font = fontOfPixels(song, 16, colour::Red);
    f.StatusBar1.hint = text::gbk("双击，复制状态栏性息到剪切板");
    f.StatusBar1.showHint = true;

    // The painted look: the label's gradient and the buttons' chrome faces and glyphs.
    controls::designGradientLabel1(f.GradientLabel1);
    controls::designPanelButtons(f.Button4, f.Button1, f.Button2, f.Button3);

    f.TrayIcon1.visible = true;
    f.TrayIcon1.hide = true;
    f.TrayIcon1.hint = "Folvaric";
}

}  // namespace folvaric
