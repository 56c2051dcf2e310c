#include "core/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace sm {
namespace {

std::string WithSeparator(std::string text, char decimal_separator) {
  for (char& c : text)
    if (c == '.') c = decimal_separator;
  return text;
}

// "%.*e" output ("1.50000e+20") as the program writes it: mantissa without
// trailing zeros, "E", exponent without plus sign or leading zeros.
std::string ScientificText(double value, int significant) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", significant - 1, value);
  std::string_view text = buf;
  size_t e = text.find('e');
  std::string mantissa(text.substr(0, e));
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  int exponent = std::atoi(buf + e + 1);
  return mantissa + "E" + std::to_string(exponent);
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::string FormatGeneral(double value, char decimal_separator, int precision) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*g", precision, value);
  std::string text = buf;
  if (text.find('e') != std::string::npos) text = ScientificText(value, precision);
  return WithSeparator(text, decimal_separator);
}

std::string FormatSignificant5(double value, int decimals, char decimal_separator) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  char buf[64];
  if (value != 0) {
    // Digits left of the point (negative for values below 0.1).
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    int places = std::max(0, std::min(decimals, 5 - exponent));
    std::snprintf(buf, sizeof buf, "%.*f", places, value);
    double rounded = std::strtod(buf, nullptr);
    if (std::fabs(rounded) >= 100000.0) return WithSeparator(ScientificText(value, 5), decimal_separator);
    value = rounded;
  }
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  std::string text = buf;
  if (text[0] == '-' && std::strtod(buf, nullptr) == 0) text.erase(0, 1);  // no "-0.00"
  return WithSeparator(text, decimal_separator);
}

std::string FormatTwoDecimals(double value, char decimal_separator) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", value);
  std::string text = buf;
  if (text[0] == '-' && std::strtod(buf, nullptr) == 0) text.erase(0, 1);
  return WithSeparator(text, decimal_separator);
}

}  // namespace sm
