#include "charts/readout.h"

#include <cmath>
#include <cstdio>

#include "core/numbers.h"

namespace sm {
namespace {

// Three decimals, as the value axes round them.
double ToAxisPrecision(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", value);
  return std::strtod(buffer, nullptr);
}

}  // namespace

std::string FormatAxisNumber(double value, char decimal_separator) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", value);
  std::string text = buffer;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  for (char& c : text)
    if (c == '.') c = decimal_separator;
  return text;
}

std::string PointerValueText(double value, const std::string& units, char decimal_separator) {
  return FormatTwoDecimals(ToAxisPrecision(value), decimal_separator) + " " + units;
}

std::optional<int> PointerPoint(double x) {
  if (!std::isfinite(x) || FormatAxisNumber(x, '.').find('-') != std::string::npos) return std::nullopt;
  return static_cast<int>(std::trunc(x));
}

std::string PointerDateLabel(TDateTime t, const FormatSettings& fs) {
  return FormatDateTime(fs.short_date, t, fs) + " " + FormatDateTime(fs.short_time, t, fs);
}

std::string PointerDateText(TDateTime t, TDateTime range_start, bool day_numbering, const FormatSettings& fs) {
  std::string text = PointerDateLabel(t, fs);
  if (day_numbering) text += "(Day " + std::to_string(static_cast<long long>(Truncate(t - range_start)) + 1) + ")";
  return text;
}

}  // namespace sm
