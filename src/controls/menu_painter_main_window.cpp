#include "controls/menu_painter_main_window.h"

#include "text/gbk_text.h"

namespace controls {

void designMenuPainter1(TMenuPainter& p) {
    p.setDimLevel(30);
    p.setGrayLevel(10);
    Font font;
    font.name = text::gbk("宋体");
    font.size = 9;  // 12 pixels at 96 dots per inch
    font.color = xp_colors::clMenuText;
    p.setFont(font);
    p.setColor(colors::clBtnFace);
    p.setDrawMenuBar(true);
    p.setIconBackColor(0xBFBFBE);
    p.setMenuBarColor(0xD0C6E4);
    p.setSelectColor(xp_colors::clHighlight);
    p.setSelectBorderColor(xp_colors::clHighlight);
    p.setSelectFontColor(xp_colors::clMenuText);
    p.setDisabledColor(xp_colors::clPurple);
    p.setSeparatorColor(xp_colors::clMoneyGreen);
    p.setCheckedColor(xp_colors::clMaroon);
    p.setIconWidth(24);
    p.setDrawSelect(true);
    p.setUseSystemColors(false);
    p.setUseDimColor(true);
    p.setOverrideOwnerDraw(false);
    p.setGradient(true);
    p.setFlatMenu(false);
    p.setAutoDetect(true);
    p.setXPControls(XPControls::all().without({TXPControl::xcToolbar, TXPControl::xcControlbar,
                                               TXPControl::xcCheckBox, TXPControl::xcRadioButton}));
    p.setXPContainers(XPContainers::all());
    p.setActive(false);
}

PainterForm describeMainWindow(const MainWindowMenus& menus, const MainWindowSites& sites) {
    PainterForm form;
    form.name = "Form1";
    form.menus = {
        {&menus.MainMenu1, true, 0, menus.ImageList2, false},
        {&menus.PopupMenu1, false, 0, menus.ImageList2, false},
        {&menus.PopupMenu2, false, 0, nullptr, false},
    };
    form.controls = {
        {"ToolBar1", "TToolBar", ControlFamily::ToolBar, 0, -1, nullptr},
        {"GradientLabel1", "TGradientLabel", ControlFamily::Other, 0, -1, nullptr},
        {"CheckListBox1", "TCheckListBox", ControlFamily::ListBox, 0, -1, sites.CheckListBox1},
        {"Panel1", "TPanel", ControlFamily::Panel, 0, -1, sites.Panel1},
        {"StatusBar1", "TStatusBar", ControlFamily::Other, 0, -1, nullptr},
    };
    const int panel = controlIndex(form, "Panel1");
    for (const char* button : {"Button4", "Button1", "Button2", "Button3"}) {
        form.controls.push_back({button, "TChromeBitBtn", ControlFamily::Other, 0, panel, nullptr});
    }
    return form;
}

int controlIndex(const PainterForm& form, const std::string& name) {
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        if (form.controls[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace controls
