#include "tools/chart_arguments.h"

#include <stdexcept>

#include "charts/open_chart_view.h"
#include "core/text.h"
#include "tools/airspace_arguments.h"
#include "tools/command.h"

namespace sm::tool {

void ApplyViewArguments(const Arguments& a, TStoredStatus& status) {
  if (a.Value("end")) status.view_end = static_cast<double>(RequireDay(a.Value("end"), "end"));
  if (auto days = a.Value("days")) {
    long long n = 0;
    if (!TryParseInt(*days, n) || n < 1 || n > 100000) throw UsageError("--days needs a whole number of days");
    status.view_days = static_cast<int>(n);
  }
}

std::unique_ptr<TGraphObject> OpenChartArgument(const Arguments& a, TAirspace& airspace) {
  const std::string chart = a.Required("chart");
  std::unique_ptr<TGraphObject> graph;
  if (!OpenChartView(airspace, chart, graph))
    throw std::runtime_error("Airspace " + airspace.name + " has no chart view " + chart + " with series");
  return graph;
}

}  // namespace sm::tool
