// LoadRange: expands a date range of the site's data into rows and fills
// the data series of an airspace and the program's range-load state.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "core/app_context.h"
#include "logdata/data_series.h"
#include "logdata/log_mgr.h"

namespace sm {

struct RangeRequest {
  std::span<TDataSeries* const> series;  // the airspace's data series, in list order
  double day_start = 0;                  // time of day a day starts, as a day fraction
  TDateTime start = 0;                   // both rewritten: whole day + day_start
  TDateTime end = 0;
  int interval = 900;                    // seconds per row
  std::string dump_name;                 // names the rows dump ("<name>.csv" in the site folder)
};

// Loads the range: busy display, range rewritten to whole days at the day
// start, one row per interval, each series' values and status sized to the
// row count and filled, RowTimes shifted by DisplayTimeOffset. `prepare`
// runs after the rows are in (the airspace prepares its expressions there),
// before the rows dump that the "x" command-line letter asks for.
// Throws "Empty data-source" when the manager has no data source.
void LoadRange(AppContext& ctx, TMyLogMgr& mgr, RangeRequest& request, const std::function<void()>& prepare = {});

}  // namespace sm
