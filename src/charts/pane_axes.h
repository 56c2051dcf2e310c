// Selecting a pane's value axis and shifting or zooming it.
#pragma once

#include "charts/pane.h"

namespace sm {

// Which axis markers show and how the window's LAxisSel/RAxisSel buttons
// stand after an axis is chosen on a pane.
struct AxisSelection {
  bool right_selected = false;
  bool left_marker = true, right_marker = true;
  bool left_button_down = true, right_button_down = false;
  bool right_button_enabled = false;
};

// The right axis counts only on a pane with right-axis series; a pane
// without them shows both markers, and the vertical commands act on both.
AxisSelection SelectAxis(const TMyChart& pane, bool left_selected);

// A tenth of the span up (dir +1) or down (dir -1). On a pane without
// right-axis series the right axis follows the left.
void ShiftY(TMyChart& pane, int dir, bool right_selected);

// Half the span (in) or one and a half times it (out), about the centre.
void ZoomY(TMyChart& pane, bool out, bool right_selected);

}  // namespace sm
