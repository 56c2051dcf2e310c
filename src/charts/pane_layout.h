// Where the panes of a view stand in the stack: heights by share, top
// margins by height.
#pragma once

#include <vector>

namespace sm {

// A pane without a share (0, or every share 0) still shows this much.
constexpr int kMinPaneHeight = 20;

struct PanePlace {
  int top = 0;
  int height = 0;
  int top_margin = 15;  // percent of the pane's height
};

// Stacks the panes from the top of a box `box_height` pixels high: each
// pane's height is its share of the sum of the shares. Panes without a
// share get kMinPaneHeight, taken from the box first.
std::vector<PanePlace> StackPanes(const std::vector<int>& shares, int box_height);

// (200 div height) x 3 + 15: 15 for panes taller than 200 pixels, 18 up to
// 200, 21 up to 100... A pane of no height counts as 1 pixel high.
int PaneTopMargin(int height);

}  // namespace sm
