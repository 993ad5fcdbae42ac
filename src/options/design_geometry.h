#pragma once
// The main window as it was laid out for an 800 x 600 screen, in pixels at 96 dots per inch.
// The form's size is its outer size (borders, caption and menu bar included); the buttons'
// places are relative to Panel1.

namespace folvaric {
namespace design {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

constexpr int kFormWidth = 574;
constexpr int kFormHeight = 483;

constexpr int kToolBarHeight = 23;

constexpr int kLabelLeft = 32, kLabelTop = 31, kLabelWidth = 288, kLabelHeight = 33;

constexpr int kListLeft = 24, kListTop = 71, kListWidth = 305, kListHeight = 265;
constexpr int kListItemHeight = 19;

constexpr int kPanelLeft = 336, kPanelTop = 71, kPanelWidth = 193, kPanelHeight = 265;

constexpr int kButtonLeft = 15, kButtonWidth = 161, kButtonHeight = 41;

constexpr int kStatusLeft = 24, kStatusTop = 351, kStatusWidth = 504, kStatusHeight = 46;

// The distances the layout keeps whatever the window's size.
constexpr int kRightMargin = kFormWidth - kPanelLeft - kPanelWidth;    // 45
constexpr int kBottomMargin = kFormHeight - kPanelTop - kPanelHeight;  // 147
constexpr int kStatusGap = kStatusTop - kPanelTop - kPanelHeight;      // 15
// The list stops this far short of the panel.
constexpr int kListToPanelGap = 5;

}  // namespace design
}  // namespace folvaric
