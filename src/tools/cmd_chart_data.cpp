// smtool chart-data: a chart view's panes and points as the window opens it.
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "airspace/airspace.h"
#include "charts/open_chart_view.h"
#include "core/comma_text.h"
#include "core/numbers.h"
#include "core/text.h"
#include "tools/airspace_arguments.h"
#include "tools/arguments.h"
#include "tools/chart_arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

std::string Bound(bool automatic, double value) { return automatic ? "auto" : FormatGeneral(value, '.', 7); }

std::string Bounds(const ValueAxis& axis) {
  if (axis.auto_min && axis.auto_max) return "auto";
  return Bound(axis.auto_min, axis.min) + "/" + Bound(axis.auto_max, axis.max);
}

std::string PaneBlock(const TGraphObject& graph, const TMyChart& pane) {
  std::string text = "# pane " + pane.Key + ": " + pane.Title + " | " + pane.left.title + " | " + pane.right.title +
                     " | " + std::to_string(pane.HeightShare) + " | L:" + Bounds(pane.left) +
                     " R:" + (pane.right_repeats_left ? std::string("=L") : Bounds(pane.right)) + "\n";
  std::vector<std::string> header{"time"};
  for (const TMySeries* s : pane.series) header.push_back(s->title);
  text += JoinCommaText(header) + "\n";
  const size_t points = pane.series.empty() ? 0 : pane.series.front()->values.size();
  for (size_t i = 0; i < points; ++i) {
    text += FormatDateTime("yyyy-mm-dd hh:nn", graph.view->PointDate(static_cast<int>(i)), FixedFormats());
    for (const TMySeries* s : pane.series) {
      text += ",";
      if (i < s->values.size() && !s->IsGap(i)) text += FormatGeneral(s->values[i], '.', 7);
    }
    text += "\n";
  }
  return text;
}

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"airspace", "chart", "end", "days"}, {"list"});
  a.RequirePositional(1, 1);
  ToolContext tool;
  std::unique_ptr<TSite> site = TSite::Create(tool.ctx(), a.Positional()[0]);
  CreateAirspaces(*site);
  TAirspace& airspace = PickAirspace(*site, a.Value("airspace"));
  std::string text;
  if (a.Flag("list")) {
    for (const std::string& name : airspace.chart_view_list) text += name + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
  }
  ApplyViewArguments(a, tool.ctx().stored_status);
  std::unique_ptr<TGraphObject> graph = OpenChartArgument(a, airspace);
  for (const auto& pane : graph->Charts) text += PaneBlock(*graph, *pane);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace

Command ChartDataCommand() {
  return {"chart-data", "print a chart view's panes and points",
          "SITEDIR [--airspace NAME] --chart VIEW [--end DATE] [--days N] | SITEDIR [--airspace NAME] --list",
          "Opens the chart view of the airspace named (by name or code; the first one by default) as the\n"
          "program does: the range ends at the stored view end and covers the stored view days, or\n"
          "--end (yyyy-mm-dd) and --days; at most 50 days. Per pane it prints\n"
          "  # pane KEY: title | left axis title | right axis title | height share | bounds\n"
          "where bounds is L:min/max R:min/max (each bound a number or auto, an axis wholly automatic\n"
          "as auto, R:=L for a right axis that repeats the left one), then time,<series title>... and a\n"
          "line per point (yyyy-mm-dd hh:mm), empty fields for gaps.\n"
          "--list prints the airspace's chart views, one a line.",
          Run};
}

}  // namespace sm::tool
