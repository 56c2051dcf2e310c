#include "charts/chart_view.h"

#include <algorithm>
#include <cmath>

#include "charts/date_labels.h"
#include "charts/graph_object.h"
#include "core/text.h"

namespace sm {

TChartView::TChartView(TGraphObject& graph) : graph_(graph) {
  AppContext& ctx = graph_.ctx;
  ctx.formats.RestoreLocaleFormats(false, ctx.startup.iso_formatting);
  DayLabelFormat = DayLabelFormatOf(ctx.formats.Current());
}

TChartView::~TChartView() { graph_.ctx.formats.UseFixedFormats(); }

TDateTime TChartView::PointDate(int index) const { return graph_.airspace.range_start + index / 96.0; }

int TChartView::PointOf(TDateTime date) const {
  return static_cast<int>(RoundHalfEven((date - graph_.airspace.range_start) * 96));
}

void TChartView::RefreshFromAxis(const TMyChart& pane) {
  FirstIndex = static_cast<int>(Truncate(pane.bottom.min));
  EndIndex = static_cast<int>(Truncate(pane.bottom.max + 1));
  PointCount = pane.series.empty() ? 0 : static_cast<int>(pane.series.front()->values.size());
  Days = (EndIndex - FirstIndex) / 96;
}

void TChartView::ScrollDays(int n) {
  NewFirst = FirstIndex + 96 * n;
  NewEnd = EndIndex + 96 * n;
  ApplyRange();
}

void TChartView::ScrollScreens(int n) { ScrollDays(n * Days); }

void TChartView::ShowEndingAt(TDateTime date) {
  NewEnd = PointOf(date);
  NewFirst = NewEnd - ScreenSpan();
  ApplyRange();
}

void TChartView::ShowStartingAt(TDateTime date) {
  NewFirst = PointOf(date);
  NewEnd = NewFirst + ScreenSpan();
  ApplyRange();
}

void TChartView::ZoomDates(bool out) {
  if (graph_.Charts.empty()) return;
  const DateAxis& axis = graph_.Charts.front()->bottom;
  const int shown = static_cast<int>(RoundHalfEven((axis.max - axis.min) / 96));
  int k = static_cast<int>(std::find_if(ZoomDays.begin(), ZoomDays.end(), [&](int d) { return d >= shown; }) -
                           ZoomDays.begin());
  k = std::clamp(out ? k + 1 : k - 1, 0, static_cast<int>(ZoomDays.size()) - 1);
  const int d = ZoomDays[static_cast<size_t>(k)];
  if (d == shown) return;
  const int half = (shown - d) / 2;
  NewFirst = static_cast<int>(RoundHalfEven(axis.min)) + 96 * half;
  NewEnd = NewFirst + 96 * d;
  ApplyRange();
}

void TChartView::ApplyRange() {
  AppContext& ctx = graph_.ctx;
  BusyScope busy(ctx.ui);
  if (graph_.Charts.empty()) return;
  const DateAxis& axis = graph_.Charts.front()->bottom;
  if (NewFirst == axis.min && NewEnd == axis.max) return;

  TAirspace& airspace = graph_.airspace;
  TDateTime start_day = std::trunc(PointDate(NewFirst));
  TDateTime end_day = std::trunc(PointDate(NewEnd));
  Days = static_cast<int>(RoundHalfEven(end_day - start_day));

  const TSite& site = airspace.site();
  const TDateTime last_day = std::trunc(site.LastRecord() + 1);
  const TDateTime first_day = std::trunc(site.FirstRecord());
  int shift = 0;
  if (end_day > last_day)
    shift = static_cast<int>(last_day - end_day);
  else if (start_day < first_day)
    shift = static_cast<int>(first_day - start_day);
  if (shift != 0) {
    start_day += shift;
    end_day += shift;
    NewFirst += 96 * shift;
    NewEnd += 96 * shift;
  }

  ctx.stored_status.view_end = site.LastRecord() < end_day ? -1 : end_day;
  ctx.stored_status.view_days = Days;
  if (graph_.show_dates) graph_.show_dates(start_day, end_day);

  if (NewFirst < 0 || NewEnd > PointCount) {
    airspace.range_start = static_cast<double>(RoundHalfEven(start_day)) + airspace.DayStart;
    airspace.range_end = static_cast<double>(RoundHalfEven(end_day)) + airspace.DayStart;
    LoadChartData(airspace);
    PointCount = Days * 96 + 1;
    graph_.FillSeries();
    airspace.ReleaseData();
    NewFirst = 0;
    NewEnd = PointCount - 1;
  }
  for (auto& pane : graph_.Charts) pane->SetDateRange(NewFirst, NewEnd - 1);
  RefreshFromAxis(*graph_.Charts.front());
}

std::string TChartView::LabelAt(int index) const {
  const FormatSettings& fs = graph_.ctx.formats.Current();
  return FormatDateTime(index % 96 == 0 ? DayLabelFormat : fs.short_time, PointDate(index), fs);
}

std::string TChartView::BottomLabel(std::string_view text) const {
  long long index = 0;
  if (!TryParseInt(text, index) || index < -2147483647LL || index > 2147483647LL) return std::string(text);
  return LabelAt(static_cast<int>(index));
}

}  // namespace sm
