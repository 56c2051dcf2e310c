// Reading one chart view of an airspace from the ini files: its panes in
// file order, each followed by the series that could be made for it.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "airspace/airspace.h"
#include "charts/chart_definition.h"

namespace sm {

// A pane header: the view name, "," and the pane key.
struct PaneHeader {
  std::string text;
};

// A series of the pane before it; the data item is owned by the airspace.
struct SeriesEntry {
  std::string style_text;
  SeriesStyle style;
  TDataItem* item = nullptr;
};

using ChartDefinitionEntry = std::variant<PaneHeader, SeriesEntry>;
using ChartDefinitionList = std::vector<ChartDefinitionEntry>;

// Replaces the airspace's chart data items with those of the view. A series
// whose expression does not parse is dropped; one found in neither
// [Chart Series] section is reported (severity 100) and ends its pane's
// list; a pane without series gets no header. Throws for malformed
// definitions (no "(" or "[", a bad style).
ChartDefinitionList LoadChartView(TAirspace& airspace, const std::string& view_name);

}  // namespace sm
