// What the window's status bar is told to show.
#pragma once

#include <string>

#include "core/datetime.h"

namespace sm {

// A text of exactly "-" leaves its field alone; a negative date leaves its
// field (or the date text) alone.
struct StatusUpdate {
  std::string message = "-", left = "-", right = "-", date = "-";
  TDateTime date_time = -1, start = -1, end = -1;
};

}  // namespace sm
