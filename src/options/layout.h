#pragma once
#include "options/design_geometry.h"
#include "state/form1.h"

namespace folvaric {

// The smallest list the window may shrink to: two rows of a few characters each.
// Below it the list and the panel would get no room at all.
constexpr int kMinimumListWidth = 48;
constexpr int kMinimumListHeight = 48;

// The smallest outer size of the main window; the view refuses smaller ones
// (WM_GETMINMAXINFO), and the layout rule treats a smaller window as this size.
constexpr int minimumWidth = design::kRightMargin + design::kPanelWidth + design::kListToPanelGap + design::kListLeft +
                             kMinimumListWidth;                                                // 315
constexpr int minimumHeight = design::kBottomMargin + design::kPanelTop + kMinimumListHeight;  // 266

void scaleFormToScreen(Form1& f);     // start-up scaling to the screen
void FormResize(Form1& f);            // keeps the controls attached to the edges
void toggleControlScaling(Form1& f);  // the hidden option "控件随窗体缩放"

// The margins FormResize keeps, measured from the geometry the form has now (its design).
void measureLayoutMargins(Form1& f);

}  // namespace folvaric
