// Opening a chart view of an airspace: the range from the stored view
// status, the load, the panes and series.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "charts/graph_object.h"

namespace sm {

struct ChartRange {
  TDateTime start = 0, end = 0;
};

// The range a view opens with. The stored end: below 0 the day after the
// last logged time, 0 or later than the data that time, else itself; as a
// whole day at the day start. The start lies the stored days before it
// (at least one day). `shown` is that range before it is cut to 50 days.
ChartRange OpeningRange(TDateTime stored_end, int stored_days, TDateTime last_record, TDateTime day_start,
                        ChartRange* shown = nullptr);

// Builds the named view of the airspace into `graph`, destroying the view
// there first. False when the name is not one of the airspace's chart views
// (the old view stays) or none of its series could be made (no view).
// Throws for malformed definitions and a pane without a left-axis series
// (no view).
bool OpenChartView(TAirspace& airspace, const std::string& view_name, std::unique_ptr<TGraphObject>& graph,
                   const std::function<void(TDateTime, TDateTime)>& show_dates = {});

}  // namespace sm
