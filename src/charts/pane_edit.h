// Applying what the "Edit Chart" dialog holds to a pane: the parameters
// stored as the pane's override, taken back when they cannot be applied.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "charts/pane.h"

namespace sm {

// The nine parameter fields in their stored order (LeftTitle .. RightMax);
// fields a definition leaves out are empty.
using PaneFields = std::array<std::string, 9>;

PaneFields EditFieldsOf(const TMyChart& pane);

// The height field the dialog accepts: a whole number from 10 to 90.
bool IsValidHeightText(const std::string& text);
// A bound field: empty (automatic) or a number in the current format.
bool IsValidBoundText(const std::string& text, char decimal_separator);

// Stores the edited fields (the right axis' only when the pane has
// right-axis series) in smuser.ini and applies them; `relayout` runs when the
// height changed. Fields that cannot be applied put the previous override
// back and throw "Invalid chart parameters".
void ApplyPaneEdit(TMyChart& pane, const PaneFields& edited, const std::function<void()>& relayout);

}  // namespace sm
