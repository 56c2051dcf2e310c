// A pane of a chart view: its parameters and title from the ini files, its
// axes as plain ranges and its series. The window draws it.
#pragma once

#include <string>
#include <vector>

#include "charts/series.h"

namespace sm {

class TGraphObject;

// A value axis: each bound automatic (from the data) or fixed.
struct ValueAxis {
  std::string title;
  bool auto_min = true, auto_max = true;
  double min = 0, max = 0;  // the bounds in force

  // Fixes both bounds.
  void SetRange(double low, double high) {
    min = low;
    max = high;
    auto_min = auto_max = false;
  }
};

// The date axis over point indices.
struct DateAxis {
  double min = 0, max = 0;
  int increment = 96;  // points between labels
};

struct LegendItem {
  std::string text;
  Rgb colour;
  int swatch_height = 2;
};

class TMyChart {
 public:
  // `header` is "view,key". Reads the parameters (LoadParams(false)).
  TMyChart(TGraphObject& graph, const std::string& header);

  // Parameters and title: smuser.ini's override when present and not empty,
  // else site.ini's. With reset the two overrides are deleted first.
  void LoadParams(bool reset);
  // Stores units, height and the bounds in force (as far as the parameters
  // have bound fields) as the pane's override in smuser.ini.
  void SaveParams();
  // The date axis shows [first, last]; the label spacing follows.
  void SetDateRange(int first, int last);
  void UpdateDateIncrement();
  // Automatic bounds from the series' values; a pane without right-axis
  // series repeats the left axis on the right.
  void UpdateAutomaticBounds();

  TGraphObject& graph;
  std::string Section, Key, Title;
  int HeightShare = 0;
  std::string LeftUnits, RightUnits;
  std::vector<std::string> Params;
  bool HasLeftAxis = false, HasRightAxis = false;
  bool right_repeats_left = false;
  ValueAxis left, right;
  DateAxis bottom;
  std::vector<TMySeries*> series;  // owned by the graph's SeriesList
  std::vector<LegendItem> LegendItems;

  // Measured by the window when it draws the pane (pixels; 0 until then):
  // the plot area's width, the pane's width, and the width of the day label
  // format's text in the date axis' font.
  int plot_width = 0, width = 0, day_label_width = 0;

 private:
  std::string Where() const { return Section + " (" + Key + ")"; }
};

}  // namespace sm
