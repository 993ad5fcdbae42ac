#pragma once
// The main form as designed: what building it from its form file gives, before FormCreate.
#include "state/form1.h"

namespace folvaric {

// Colour values as the forms write them: 0x00BBGGRR, or 0xFF0000nn for system colour nn.
namespace colour {
constexpr std::uint32_t WindowText = 0xFF000008;
constexpr std::uint32_t ButtonFace = 0xFF00000F;
constexpr std::uint32_t Red = 0x000000FF;
constexpr std::uint32_t Silver = 0x00C0C0C0;
constexpr std::uint32_t SkyBlue = 0x00F0CAA6;
constexpr std::uint32_t MenuBar = 13682404;         // RGB(228,198,208), the toolbar strip and the menu bar
constexpr std::uint32_t FormBackground = 10400707;  // RGB(195,179,158), set by FormCreate
}  // namespace colour

// Geometry, captions, hints, fonts and colours of the form and its controls.
void designControls(Form1& f);
// The three menus: structure, captions, separators, ticks and visibility.
void designMenus(Form1& f);
// Every menu item, button and list event, the status line and the restore event to its handler.
void bindHandlers(Form1& f);

}  // namespace folvaric
