#include "charts/chart_view_load.h"

#include <stdexcept>

namespace sm {
namespace {

// The definition from site.ini, else from the template in use; empty when
// neither has it.
std::string SeriesDefinitionText(const TSite& site, const std::string& name) {
  std::string text = site.site_ini.ReadString("Chart Series", name);
  if (text.empty() && site.Template()) text = site.Template()->ReadString("Chart Series", name);
  return text;
}

}  // namespace

ChartDefinitionList LoadChartView(TAirspace& airspace, const std::string& view_name) {
  airspace.chart_items.clear();
  TSite& site = airspace.site();
  ChartDefinitionList list;
  for (const auto& [key, value] : site.site_ini.Values(view_name)) {
    PaneValue pane = SplitPaneValue(view_name, key, value);
    bool header_added = false;
    for (const std::string& name : pane.series_names) {
      std::string text = SeriesDefinitionText(site, name);
      if (text.empty()) {
        ReportError(site.ctx,
                    "Cannot create chart series " + name + ". Series not found in " +
                        (site.Template() ? site.Template()->Path() : std::string("smt.dat")),
                    100);
        break;
      }
      SeriesDefinition definition = SplitSeriesDefinition(name, text);
      SeriesStyle style = ParseSeriesStyle(name, definition.style);
      std::unique_ptr<TDataItem> item;
      try {
        item = std::make_unique<TDataItem>(airspace.scope, definition.expression, name);
      } catch (const std::exception&) {
        continue;  // the parser's own failures drop the series like a bad expression
      }
      if (item->invalid) continue;
      if (!header_added) list.push_back(PaneHeader{view_name + "," + key});
      header_added = true;
      list.push_back(SeriesEntry{definition.style, style, item.get()});
      airspace.chart_items.push_back(std::move(item));
    }
  }
  return list;
}

}  // namespace sm
