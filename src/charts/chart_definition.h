// The text forms of chart definitions: a pane's value "params(series,...)",
// a series' value "expression[style]", the style fields and the pane
// parameter fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sm {

// Points of 15 minutes: 96 to a day; a view holds at most 50 days.
constexpr int kPointsPerDay = 96;
constexpr int kChartInterval = 900;
constexpr int MaxChartPoints = 4800;

struct PaneValue {
  std::string params;                     // before the first "("
  std::vector<std::string> series_names;  // between it and the closing ")"
};
// Throws when the value has no "(".
PaneValue SplitPaneValue(std::string_view section, std::string_view key, std::string_view value);

struct SeriesDefinition {
  std::string expression;  // before the first "["
  std::string style;       // between it and the closing "]"
};
// Throws when the value has no "[".
SeriesDefinition SplitSeriesDefinition(std::string_view name, std::string_view value);

enum class SeriesType { Line = 0, Bar = 1 };

struct SeriesStyle {
  SeriesType type = SeriesType::Line;
  int width = 1;
  bool right_axis = false;  // the axis field is exactly "Right"
  int colour_index = 0;
  int special_kind = -1;    // -1 none, 0 "GF_DODIRECTION", 1 "GF_DOLOSSES"
};
// "type,width,axis,colour[,special]"; throws for a type other than 0 or 1,
// a width or colour that is not a whole number, a colour outside 0..14.
SeriesStyle ParseSeriesStyle(std::string_view name, std::string_view style);

// The legend's title: the name up to its first "_".
std::string SeriesTitle(std::string_view name);

// Pane parameter fields: LeftTitle, LeftUnits, RightTitle, RightUnits,
// Height, then the optional LeftMin, LeftMax, RightMin, RightMax.
enum PaneField { kLeftTitle, kLeftUnits, kRightTitle, kRightUnits, kHeight, kLeftMin, kLeftMax, kRightMin, kRightMax };
constexpr int kRequiredPaneFields = 5;

struct PaneBounds {
  std::optional<double> left_min, left_max, right_min, right_max;  // none: automatic
};

// Splits the parameters at ","; "NoTitle" in either title field becomes
// empty. Throws for fewer than five fields.
std::vector<std::string> SplitPaneParams(std::string_view where, std::string_view params);
// The Height field; none when empty. Throws when it is not a whole number.
std::optional<int> PaneHeight(std::string_view where, const std::vector<std::string>& fields);
// The bound fields present and not empty, read with the decimal separator.
// Throws for a bound that is not a number.
PaneBounds ReadPaneBounds(std::string_view where, const std::vector<std::string>& fields, char decimal_separator);

// A number with the given decimal separator; none when it is not one.
std::optional<double> ReadNumber(std::string_view text, char decimal_separator);
// A saved axis bound: rounded to 6 significant digits, 3 decimals;
// exponent form from a million on.
std::string FormatBound(double value, char decimal_separator);

}  // namespace sm
