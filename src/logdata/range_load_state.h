// The loaded range, one at a time for the whole program: read by the
// expression, report and chart layers after each LoadRange.
#pragma once

#include <vector>

#include "core/app_context.h"
#include "core/datetime.h"

namespace sm {

class RangeLoadState {
 public:
  int NumDays = 0;
  int RowCount = 0;
  int RowsAfterEnd = 0;
  int RowsWithData = 0;
  std::vector<TDateTime> RowTimes;
  // Added to every library time and taken from every requested start.
  TDateTime DisplayTimeOffset = 0;
};

// The context's range-load state, created on first use.
RangeLoadState& RangeLoad(AppContext& ctx);

}  // namespace sm
