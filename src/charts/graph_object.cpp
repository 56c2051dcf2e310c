#include "charts/graph_object.h"

#include <cmath>
#include <stdexcept>

#include "charts/chart_definition.h"
#include "core/text.h"
#include "logdata/range_load.h"
#include "logdata/range_load_state.h"

namespace sm {
namespace {

std::string FolderName(const std::string& folder) {
  const size_t slash = folder.find_last_of('/');
  return slash == std::string::npos ? folder : folder.substr(slash + 1);
}

double MarginInches(const AppContext& ctx, const char* name) {
  double inches = 0;
  if (!ctx.settings) return 0;
  std::string text = ctx.settings->ReadString(name, "0");
  std::optional<double> value = ReadNumber(text, ctx.formats.Current().decimal_separator);
  if (!value) value = ReadNumber(text, '.');
  if (value) inches = *value;
  return inches;
}

}  // namespace

TGraphObject::TGraphObject(TAirspace& owner, bool day_numbering, TDateTime range_start)
    : airspace(owner), ctx(owner.site().ctx), RangeStart(range_start), DayNumbering(day_numbering) {
  Caption = ProperCase(FolderName(airspace.site().folder)) + " " + airspace.name;
  ctx.ui.ShowStatus(Caption);
  view = std::make_unique<TChartView>(*this);
  const char* names[] = {"TopMargin", "RightMargin", "BottomMargin", "LeftMargin"};
  for (size_t i = 0; i < 4; ++i) print_margin_inches[i] = MarginInches(ctx, names[i]);
}

TGraphObject::~TGraphObject() {
  ClearCharts();
  view.reset();
}

void TGraphObject::Build(const ChartDefinitionList& list) {
  BuildCharts(list);
  FillSeries();
  const int n = SeriesList.empty() ? 0 : static_cast<int>(SeriesList.back()->values.size());
  for (auto& pane : Charts) pane->SetDateRange(0, n - 1);
  if (!Charts.empty()) view->RefreshFromAxis(*Charts.front());
}

void TGraphObject::BuildCharts(const ChartDefinitionList& list) {
  TMyChart* pane = nullptr;
  for (const ChartDefinitionEntry& entry : list) {
    if (const auto* header = std::get_if<PaneHeader>(&entry)) {
      Charts.push_back(std::make_unique<TMyChart>(*this, header->text));
      pane = Charts.back().get();
      continue;
    }
    const auto& s = std::get<SeriesEntry>(entry);
    if (!pane) throw std::logic_error("A chart series comes before its pane");
    SeriesList.push_back(std::make_unique<TMySeries>(*pane, s.item, s.style));
    TMySeries& series = *SeriesList.back();
    pane->series.push_back(&series);
    (s.style.right_axis ? pane->HasRightAxis : pane->HasLeftAxis) = true;
    pane->LegendItems.push_back({series.title, series.colour, series.SwatchHeight()});
  }
  for (auto& p : Charts) {
    if (!p->HasLeftAxis)
      throw std::runtime_error(p->Section + " (" + p->Key + ") - chart must have left axis associated series");
    if (!p->HasRightAxis) {
      p->right_repeats_left = true;
      p->right.SetRange(p->left.min, p->left.max);
    }
  }
}

void TGraphObject::FillSeries() {
  const RangeLoadState& state = RangeLoad(ctx);
  const int n = std::max(0, state.RowCount);
  const int m = std::clamp(state.RowsWithData, 0, n);
  // Points before the first logged record are gaps like those after the
  // last one: nothing was logged there, and a line at 0 would say otherwise.
  const double before_data = (airspace.site().FirstRecord() - airspace.range_start) * kPointsPerDay;
  const int first_with_data = std::clamp(static_cast<int>(std::ceil(before_data - 1e-6)), 0, m);
  for (auto& series : SeriesList) {
    series->values.clear();
    if (!series->DataItem || !series->DataItem->expression)
      throw std::runtime_error("Null data-item in GraphObject.FillSeries");
    if (n == 0) continue;
    series->values.reserve(static_cast<size_t>(n));
    TExpr& expression = *series->DataItem->expression;
    bool valid = true;
    expression.EvalFirst(valid);
    for (int i = 0; i < m; ++i) {
      valid = true;
      // Every row is evaluated in order: running totals and day caches
      // count on it.
      const float value = expression.EvalAt(i, valid);
      // A value that cannot be drawn (infinite) is a gap like a missing one.
      series->values.push_back(std::isfinite(value) && i >= first_with_data ? value : NAN);
    }
    series->values.resize(static_cast<size_t>(n), NAN);
  }
  for (auto& pane : Charts) pane->UpdateAutomaticBounds();
  ++data_version;
}

void TGraphObject::ClearCharts() {
  Charts.clear();
  SeriesList.clear();
}

std::vector<PanePlace> TGraphObject::Layout(int box_height) {
  std::vector<int> shares;
  HeightTotal = 0;
  for (auto& pane : Charts) {
    shares.push_back(pane->HeightShare);
    HeightTotal += pane->HeightShare;
  }
  return StackPanes(shares, box_height);
}

std::array<int, 4> TGraphObject::PrintMargins(int dots_per_inch) const {
  std::array<int, 4> dots{};
  for (size_t i = 0; i < 4; ++i) dots[i] = static_cast<int>(Truncate(print_margin_inches[i] * dots_per_inch));
  return dots;
}

void LoadChartData(TAirspace& airspace) {
  std::vector<std::string> names;
  for (auto& item : airspace.chart_items)
    if (item->expression) CollectSeriesNames(*item->expression, names);
  std::vector<TDataSeries*> series;
  for (const std::string& name : names) {
    TDataSeries* s = airspace.scope.DataSeries(name);
    if (s && std::find(series.begin(), series.end(), s) == series.end()) series.push_back(s);
  }
  RangeRequest request;
  request.series = series;
  request.day_start = airspace.DayStart;
  request.start = airspace.range_start;
  request.end = airspace.range_end;
  request.interval = kChartInterval;
  request.dump_name = airspace.name;
  TSite& site = airspace.site();
  LoadRange(site.ctx, *site.log_mgr, request, [&] {
    for (auto& item : airspace.chart_items)
      if (item->expression) item->expression->Prepare();
  });
  airspace.range_start = request.start;
  airspace.range_end = request.end;
}

}  // namespace sm
