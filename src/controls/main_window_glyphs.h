#pragma once
// The glyphs of the main window's four command buttons, drawn in code: 20 x 20 single images on a
// fuchsia background (the lower-left pixel, so the background is transparent when drawn).
#include "controls/bitmap.h"

namespace controls {

Bitmap refreshGlyph();       // Button4 "刷新": a circling arrow
Bitmap minimiseAllGlyph();   // Button1 "全部最小化": windows going down to the taskbar
Bitmap maximiseAllGlyph();   // Button2 "全部 最大化": a window opened to its full size
Bitmap partialCloseGlyph();  // Button3 "部分关闭 保留勾": a ticked box kept, a cross for the rest

}  // namespace controls
