// The range model of the open chart view: point indices of 15 minutes from
// the airspace's range start, the visible range moved by days, screens,
// dates and zoom steps, kept inside the logged period, reloaded when it
// leaves the loaded points, and stored in the view status.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/datetime.h"

namespace sm {

class TGraphObject;
class TMyChart;

// The date axis' zoom steps in days.
constexpr std::array<int, 6> ZoomDays = {1, 2, 4, 7, 14, 30};

class TChartView {
 public:
  // Puts the user's date formats in force and derives DayLabelFormat.
  explicit TChartView(TGraphObject& graph);
  // Puts the fixed formats back.
  ~TChartView();
  TChartView(const TChartView&) = delete;
  TChartView& operator=(const TChartView&) = delete;

  TDateTime PointDate(int index) const;
  int PointOf(TDateTime date) const;
  int ScreenSpan() const { return Days * 96 + 1; }

  // Takes the range a pane's date axis shows (after every drawing).
  void RefreshFromAxis(const TMyChart& pane);
  void ScrollDays(int n);
  void ScrollScreens(int n);
  void ShowEndingAt(TDateTime date);
  void ShowStartingAt(TDateTime date);
  void ZoomDates(bool out);
  // Shows [NewFirst, NewEnd): shifted into the logged days, stored as the
  // view status, reloaded when the loaded points do not cover it.
  void ApplyRange();

  // A date-axis label for the text the axis gives a point index: the day
  // at indices divisible by 96, else the time; other texts stay as they are.
  std::string BottomLabel(std::string_view text) const;
  std::string LabelAt(int index) const;

  int PointCount = 0;
  int FirstIndex = 0, EndIndex = 0;
  int NewFirst = 0, NewEnd = 0;
  int Days = 0;
  std::string DayLabelFormat;

 private:
  TGraphObject& graph_;
};

}  // namespace sm
