// The open chart view: its panes and series built from the airspace's chart
// definition list, filled from the loaded range, and its range model. At
// most one exists at a time; the window draws it.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "airspace/airspace.h"
#include "charts/chart_view.h"
#include "charts/chart_view_load.h"
#include "charts/pane.h"
#include "charts/pane_layout.h"
#include "charts/series.h"

namespace sm {

class TGraphObject {
 public:
  // Shows the caption as the status message and puts the user's formats in
  // force for as long as the view exists.
  TGraphObject(TAirspace& airspace, bool day_numbering, TDateTime range_start);
  ~TGraphObject();
  TGraphObject(const TGraphObject&) = delete;
  TGraphObject& operator=(const TGraphObject&) = delete;

  // BuildCharts, FillSeries, then every pane shows all points.
  void Build(const ChartDefinitionList& list);
  // One pane per header, one series per entry. Throws for a pane without a
  // left-axis series; a pane without right-axis series repeats its left
  // axis on the right.
  void BuildCharts(const ChartDefinitionList& list);
  // Every series gets RowCount points of the last load: the expression's
  // values for the rows with data, gaps after them.
  void FillSeries();
  void ClearCharts();

  // Heights and top margins of the panes stacked in a box; sets HeightTotal.
  std::vector<PanePlace> Layout(int box_height);
  // The print margins (top, right, bottom, left) in printer dots.
  std::array<int, 4> PrintMargins(int dots_per_inch) const;

  TAirspace& airspace;
  AppContext& ctx;
  std::string Caption;
  int HeightTotal = 0;
  // Counts the fillings of the series, so that a drawing knows its data is stale.
  int data_version = 0;
  TDateTime RangeStart = 0;
  bool DayNumbering = false;
  std::array<double, 4> print_margin_inches{};  // TopMargin, RightMargin, BottomMargin, LeftMargin
  // The window's start and end date fields; none in smtool.
  std::function<void(TDateTime start, TDateTime end)> show_dates;

  std::unique_ptr<TChartView> view;
  std::vector<std::unique_ptr<TMyChart>> Charts;
  std::vector<std::unique_ptr<TMySeries>> SeriesList;
};

// Loads the airspace's range [range_start, range_end) at 900 seconds for the
// series its chart data items use, preparing their expressions.
void LoadChartData(TAirspace& airspace);

}  // namespace sm
