#include "charts/chart_definition.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "charts/series_colours.h"
#include "core/numbers.h"
#include "core/text.h"

namespace sm {
namespace {

// The text between an opening bracket and the value's last character, the
// closing bracket; a value that does not end with it keeps its tail whole.
std::string Inside(std::string_view value, size_t open, char close) {
  std::string_view rest = value.substr(open + 1);
  if (!rest.empty() && rest.back() == close) rest.remove_suffix(1);
  return std::string(rest);
}

int StyleInteger(std::string_view name, const std::vector<std::string>& fields, size_t index, const char* what) {
  long long value = 0;
  if (index >= fields.size() || !TryParseInt(fields[index], value) || value < -2147483647LL || value > 2147483647LL)
    throw std::runtime_error("Chart series " + std::string(name) + ": the style's " + what + " '" +
                             (index < fields.size() ? fields[index] : std::string()) + "' is not a whole number");
  return static_cast<int>(value);
}

}  // namespace

PaneValue SplitPaneValue(std::string_view section, std::string_view key, std::string_view value) {
  const size_t open = value.find('(');
  if (open == std::string_view::npos)
    throw std::runtime_error(std::string(section) + " (" + std::string(key) +
                             ") - the pane has no \"(\" before its series list");
  PaneValue pane;
  pane.params = std::string(value.substr(0, open));
  for (const std::string& name : SplitText(Inside(value, open, ')'), ',')) {
    std::string trimmed = Trim(name);
    if (!trimmed.empty()) pane.series_names.push_back(trimmed);
  }
  return pane;
}

SeriesDefinition SplitSeriesDefinition(std::string_view name, std::string_view value) {
  const size_t open = value.find('[');
  if (open == std::string_view::npos)
    throw std::runtime_error("Chart series " + std::string(name) + " has no \"[\" before its style");
  return {std::string(value.substr(0, open)), Inside(value, open, ']')};
}

SeriesStyle ParseSeriesStyle(std::string_view name, std::string_view style) {
  std::vector<std::string> fields = SplitText(style, ',');
  for (std::string& f : fields) f = Trim(f);
  SeriesStyle s;
  const int type = StyleInteger(name, fields, 0, "type");
  if (type != 0 && type != 1)
    throw std::runtime_error("Chart series " + std::string(name) + ": the style's type " + std::to_string(type) +
                             " is neither 0 (line) nor 1 (bar)");
  s.type = static_cast<SeriesType>(type);
  s.width = StyleInteger(name, fields, 1, "width");
  s.right_axis = fields.size() > 2 && fields[2] == "Right";
  s.colour_index = StyleInteger(name, fields, 3, "colour");
  if (s.colour_index < 0 || s.colour_index >= kSeriesColourCount)
    throw std::runtime_error("Chart series " + std::string(name) + ": the colour " + std::to_string(s.colour_index) +
                             " is outside 0..14");
  if (fields.size() > 4) {
    if (fields[4] == "GF_DODIRECTION") s.special_kind = 0;
    if (fields[4] == "GF_DOLOSSES") s.special_kind = 1;
  }
  return s;
}

std::string SeriesTitle(std::string_view name) { return std::string(name.substr(0, name.find('_'))); }

std::vector<std::string> SplitPaneParams(std::string_view where, std::string_view params) {
  std::vector<std::string> fields = SplitText(params, ',');
  if (fields.size() < kRequiredPaneFields)
    throw std::runtime_error(std::string(where) + " - the pane needs at least five parameters, has " +
                             std::to_string(fields.size()));
  for (int f : {kLeftTitle, kRightTitle})
    if (fields[f] == "NoTitle") fields[f].clear();
  return fields;
}

std::optional<int> PaneHeight(std::string_view where, const std::vector<std::string>& fields) {
  if (fields.size() <= kHeight || fields[kHeight].empty()) return std::nullopt;
  long long value = 0;
  if (!TryParseInt(fields[kHeight], value) || value < 0 || value > 1000000)
    throw std::runtime_error(std::string(where) + " - the pane height '" + fields[kHeight] +
                             "' is not a whole number");
  return static_cast<int>(value);
}

std::optional<double> ReadNumber(std::string_view text, char decimal_separator) {
  std::string t = Trim(text);
  if (decimal_separator != '.') {
    if (t.find('.') != std::string::npos) return std::nullopt;
    for (char& c : t)
      if (c == decimal_separator) c = '.';
  }
  double value = 0;
  if (!TryParseDouble(t, value) || !std::isfinite(value)) return std::nullopt;
  return value;
}

PaneBounds ReadPaneBounds(std::string_view where, const std::vector<std::string>& fields, char decimal_separator) {
  auto bound = [&](int index) -> std::optional<double> {
    if (fields.size() <= static_cast<size_t>(index) || fields[index].empty()) return std::nullopt;
    std::optional<double> value = ReadNumber(fields[index], decimal_separator);
    if (!value)
      throw std::runtime_error(std::string(where) + " - the axis bound '" + fields[index] + "' is not a number");
    return value;
  };
  return {bound(kLeftMin), bound(kLeftMax), bound(kRightMin), bound(kRightMax)};
}

std::string FormatBound(double value, char decimal_separator) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e6) return FormatGeneral(value, decimal_separator, 6);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.5e", value);  // 6 significant digits
  std::snprintf(buf, sizeof buf, "%.3f", std::strtod(buf, nullptr));
  std::string text = buf;
  if (text == "-0.000") text = "0.000";
  if (decimal_separator != '.') text = ReplaceAll(text, ".", std::string(1, decimal_separator));
  return text;
}

}  // namespace sm
