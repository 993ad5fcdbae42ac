#pragma once
// GradientLabel1 and the four chrome buttons of Panel1 as the main window is designed: places,
// captions, hints, fonts, colours and glyphs. Click and double-click handlers are bound by the
// form, not here.
#include "controls/chrome_button.h"
#include "controls/gradient_label.h"

namespace controls {

void designGradientLabel1(GradientLabel& label);

// Button4 "刷新", Button1 "全部最小化", Button2 "全部 最大化", Button3 "部分关闭 保留勾".
void designPanelButtons(ChromeBitBtn& Button4, ChromeBitBtn& Button1, ChromeBitBtn& Button2,
                        ChromeBitBtn& Button3);

}  // namespace controls
