#include "charts/open_chart_view.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"

namespace sm {

ChartRange OpeningRange(TDateTime stored_end, int stored_days, TDateTime last_record, TDateTime day_start,
                        ChartRange* shown) {
  TDateTime end = stored_end;
  if (end < 0)
    end = last_record + 1;
  else if (end == 0 || end > last_record)
    end = last_record;
  ChartRange range;
  range.end = std::trunc(end) + day_start;
  // A stored length below a day would give no points or a reversed range.
  range.start = range.end - std::max(stored_days, 1);
  if (shown) *shown = range;
  if (Truncate(range.end - range.start) * kPointsPerDay > MaxChartPoints)
    range.start = range.end - MaxChartPoints / kPointsPerDay;
  return range;
}

bool OpenChartView(TAirspace& airspace, const std::string& view_name, std::unique_ptr<TGraphObject>& graph,
                   const std::function<void(TDateTime, TDateTime)>& show_dates) {
  const auto& names = airspace.chart_view_list;
  if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return IEquals(n, view_name); }))
    return false;
  // The old view's series point at the chart data items about to be replaced.
  graph.reset();
  ChartDefinitionList list = LoadChartView(airspace, view_name);
  if (airspace.chart_items.empty()) return false;

  AppContext& ctx = airspace.site().ctx;
  ChartRange shown;
  const ChartRange range = OpeningRange(ctx.stored_status.view_end, ctx.stored_status.view_days,
                                        airspace.site().LastRecord(), airspace.DayStart, &shown);
  if (show_dates) show_dates(shown.start, shown.end);
  airspace.range_start = range.start;
  airspace.range_end = range.end;
  LoadChartData(airspace);

  graph = std::make_unique<TGraphObject>(airspace, ctx.stored_status.is_batch, airspace.range_start);
  graph->show_dates = show_dates;
  try {
    graph->Build(list);
  } catch (...) {
    graph.reset();
    airspace.ReleaseData();
    throw;
  }
  airspace.ReleaseData();
  return true;
}

}  // namespace sm
