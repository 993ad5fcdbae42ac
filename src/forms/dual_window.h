#pragma once
// TForm3, the Explorer dual window: a tool bar, then a panel split into two stacked memo panes by
// a fuchsia splitter. Its one command, "加入窗口1", lays the Explorer window of the main list's
// first row over the upper pane.
#include <functional>

#include "controls/simple_controls.h"
#include "forms/form_window.h"
#include "state/form1.h"

namespace folvaric {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// A tool-bar button in check style: pressed, it stays down until pressed again.
class CheckToolButton : public controls::Button {
public:
    using controls::Button::Button;
    bool down() const { return down_; }
    void userPress() {
        down_ = !down_;
        userClick();
    }

private:
    bool down_ = false;
};

// The splitter keeps at least this much of each pane, as the form's splitter does by default.
constexpr int kSplitterMinPane = 30;
// The panel's raised bevel: aligned children sit one pixel inside it.
constexpr int kPanelBevel = 1;

struct Form3 : FormWindow {
    explicit Form3(Form1& mainForm) : main(mainForm) {}

    Form1& main;  // the window table, the run-state flags and the status line live there

    controls::Panel ToolBar1{"ToolBar1"};
    CheckToolButton ToolButton1{"ToolButton1"};
    controls::Panel Panel1{"Panel1"};
    controls::Label Memo1{"Memo1"};  // caption = the pane's text
    controls::Panel Splitter1{"Splitter1"};
    controls::Label Memo2{"Memo2"};

    controls::Menu MainMenu1{"MainMenu1"};
    controls::MenuItem N1{"N1"}, qidongyincang{"qidongyincang"}, jiarucuangkou1{"jiarucuangkou1"};

    // Where the client area's top-left corner is on the screen.
    ScreenPoint clientOrigin;
    // Client-to-screen of this window; the view sets the real one. Without it, clientOrigin.
    std::function<ScreenPoint(ScreenPoint)> clientToScreen;
    ScreenPoint toScreen(ScreenPoint client) const;

    // The client area changed size: the panes follow their alignment.
    void resizeClient(int width, int height);
    // The user dragged the splitter so that Memo1 would be this high (kept within the panel).
    void userDragSplitter(int memo1Height);
};

// The form as designed (position, sizes, captions, menu), with its events bound.
void buildForm3(Form3& d);

void FormCreate(Form3& d);
void ToolButton1Click(Form3& d);
void joinFirstWindow(Form3& d);

}  // namespace folvaric
