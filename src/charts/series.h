// One series of a pane: its style, colour, title and values per point.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "airspace/data_item.h"
#include "charts/chart_definition.h"
#include "charts/series_colours.h"

namespace sm {

class TMyChart;

class TMySeries {
 public:
  // `item` is the airspace's.
  TMySeries(TMyChart& pane, TDataItem* item, const SeriesStyle& style);

  // The legend swatch: 11 pixels wide; 2 high, or twice the pen width for a
  // line series.
  int SwatchHeight() const { return style.type == SeriesType::Line ? 2 * style.width : 2; }
  bool IsGap(size_t point) const { return std::isnan(values[point]); }

  TMyChart& pane;
  TDataItem* DataItem = nullptr;
  SeriesStyle style;
  Rgb colour;
  std::string title;
  int SpecialKind = -1;       // -1 none, 0 direction markers, 1 losses
  std::vector<double> values;  // one per point; NaN is a gap
};

}  // namespace sm
