#include <algorithm>

#include "forms/dual_window.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

// Design geometry, pixels at 96 dots per inch.
constexpr controls::Bounds kFormBounds{95, 103, 683, 430};
constexpr int kDesignClientWidth = 675;
constexpr int kDesignClientHeight = 376;
constexpr int kToolBarHeight = 33;
constexpr int kMemo1DesignHeight = 192;
constexpr int kSplitterHeight = 24;
constexpr std::uint32_t kFuchsia = 0x00FF00FF;  // clFuchsia, 0x00BBGGRR

void caption(controls::MenuItem& item, const char* utf8) {
    item.setCaption(text::gbk(utf8));
}

// The panes inside Panel1 for the current Memo1 height: Memo1 on top, the splitter below it,
// Memo2 taking what is left.
void alignPanes(Form3& d, int memo1Height) {
    const int innerWidth = std::max(0, d.Panel1.width() - 2 * kPanelBevel);
    const int innerHeight = std::max(0, d.Panel1.height() - 2 * kPanelBevel);
    d.Memo1.setBounds({kPanelBevel, kPanelBevel, innerWidth, memo1Height});
    d.Splitter1.setBounds({kPanelBevel, kPanelBevel + memo1Height, innerWidth, kSplitterHeight});
    const int rest = std::max(0, innerHeight - memo1Height - kSplitterHeight);
    d.Memo2.setBounds({kPanelBevel, kPanelBevel + memo1Height + kSplitterHeight, innerWidth, rest});
}

}  // namespace

ScreenPoint Form3::toScreen(ScreenPoint client) const {
    if (clientToScreen) return clientToScreen(client);
    return {clientOrigin.x + client.x, clientOrigin.y + client.y};
}

void Form3::resizeClient(int width, int height) {
    clientWidth = std::max(0, width);
    clientHeight = std::max(0, height);
    ToolBar1.setBounds({0, 0, clientWidth, kToolBarHeight});
    Panel1.setBounds({0, kToolBarHeight, clientWidth, std::max(0, clientHeight - kToolBarHeight)});
    // A top-aligned pane keeps its height when the window shrinks; the lower pane gives way.
    alignPanes(*this, Memo1.height());
}

void Form3::userDragSplitter(int memo1Height) {
    const int innerHeight = Panel1.height() - 2 * kPanelBevel;
    const int highest = innerHeight - kSplitterHeight - kSplitterMinPane;
    if (highest < kSplitterMinPane) return;  // no room to move it at all
    alignPanes(*this, std::clamp(memo1Height, kSplitterMinPane, highest));
}

void buildForm3(Form3& d) {
    d.caption = text::gbk("Explorer双窗口");
    d.bounds = kFormBounds;
    d.clientOrigin = {kFormBounds.left, kFormBounds.top};

    d.ToolButton1.setCaption("ToolButton1");
    d.ToolButton1.setBounds({0, 0, 79, 24});
    d.Splitter1.color = kFuchsia;
    d.Memo1.setCaption("Memo1");
    d.Memo2.setCaption("Memo2");
    d.Memo1.setHeight(kMemo1DesignHeight);
    d.resizeClient(kDesignClientWidth, kDesignClientHeight);

    caption(d.N1, "  文件  ");
    caption(d.qidongyincang, "启动隐藏  ");
    caption(d.jiarucuangkou1, "加入窗口1");
    d.qidongyincang.add(d.jiarucuangkou1);
    d.MainMenu1.root.add(d.N1);
    d.MainMenu1.root.add(d.qidongyincang);

    d.jiarucuangkou1.onClick = [&d] { joinFirstWindow(d); };
    d.ToolButton1.OnClick = [&d] { ToolButton1Click(d); };
    FormCreate(d);
}

void FormCreate(Form3&) {}

void ToolButton1Click(Form3&) {}

}  // namespace folvaric
