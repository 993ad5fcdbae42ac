#include "controls/main_window_themed_controls.h"

#include "controls/main_window_glyphs.h"
#include "text/gbk_text.h"

namespace controls {

namespace {

// Fonts are designed by pixel height at 96 dots per inch; 16 pixels are 12 points.
constexpr int kSixteenPixelsInPoints = 12;

void designChromeButton(ChromeBitBtn& b, int top, const std::string& caption, const std::string& hint,
                        const Bitmap& glyph) {
    b.setBounds({15, top, 161, 41});
    b.setCaption(caption);
    b.hint = hint;
    b.showHint = true;
    // The preset first: the writes after it leave its light, shadow, style and frame as they are,
    // so the button keeps reading as chrome.
    b.setBtnColorStyle(TBtnColorStyle::bcsChrome);
    b.setColor(colors::clSilver);
    b.setDownColor(colors::clYellow);
    b.setDownBold(true);
    b.setHotTrackBold(false);
    b.setFlatBorder(false);
    b.setModernBtnStyle(TModernBtnStyle::bsModern);
    b.setGlyph(glyph);
    b.setNumGlyphs(1);
    b.setModalResult(modal::mrIgnore);
    b.setFont(Font{"MS Sans Serif", kSixteenPixelsInPoints, colors::clWindowText});
}

}  // namespace

void designGradientLabel1(GradientLabel& label) {
    static const std::string caption = text::gbk("     Explorer 打开的窗口列表 ");
    static const std::string hint = text::gbk("瞧，微软笨拙的！");
    static const std::string song = text::gbk("宋体");
    label.setBounds({32, 31, 288, 33});
    label.setCaption(caption);
    Font font{song, kSixteenPixelsInPoints, colors::clWindowText};
    font.bold = true;
    font.italic = true;
    label.setFont(font);
    label.hint = hint;
    label.showHint = true;
    label.setLayout(TTextLayout::tlCenter);
    label.setGradient(true);
    label.setGradientColor(colors::clSkyBlue);
    label.setShadowPos(TShadowPosition::spLeftTop);
    label.setShadow(false);
}

void designPanelButtons(ChromeBitBtn& Button4, ChromeBitBtn& Button1, ChromeBitBtn& Button2,
                        ChromeBitBtn& Button3) {
    static const std::string captions[] = {text::gbk("刷新"), text::gbk("全部最小化"),
                                           text::gbk("全部 最大化"), text::gbk("部分关闭 保留勾")};
    static const std::string hints[] = {
        text::gbk("刷新Explorer窗口列表"), text::gbk("Explorer窗口全部最小化"),
        text::gbk("Explorer窗口全部最大化"), text::gbk("Explorer窗口部分关闭，打勾的保留，其余的关闭")};
    designChromeButton(Button4, 21, captions[0], hints[0], refreshGlyph());
    designChromeButton(Button1, 80, captions[1], hints[1], minimiseAllGlyph());
    designChromeButton(Button2, 140, captions[2], hints[2], maximiseAllGlyph());
    designChromeButton(Button3, 200, captions[3], hints[3], partialCloseGlyph());
}

}  // namespace controls
