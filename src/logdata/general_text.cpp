#include "logdata/general_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "core/numbers.h"
#include "logdata/decimal_value.h"

namespace sm {
namespace {

constexpr int kPrecision = 15;  // FormatGeneral's significant digits

char* Copy(char* out, const char* text, size_t n) {
  std::memcpy(out, text, n);
  return out + n;
}

char* Fallback(char* out, double value, char decimal_separator) {
  const std::string text = FormatGeneral(value, decimal_separator);
  return Copy(out, text.data(), std::min(text.size(), kGeneralTextMax));
}

// Logged values mostly have a few decimals: the smallest count of decimals
// e whose rounding reads back as the value gives its shortest digits m, and
// FormatGeneral writes m / 10^e in fixed notation. Nothing when the value is
// not such a decimal.
char* WriteShortDecimal(char* out, double value, char decimal_separator) {
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 1e-4 && magnitude < 1e15)) return nullptr;
  for (int e = 0; e <= 6; ++e) {
    const double scaled = std::nearbyint(magnitude * kPowersOfTen[e]);
    if (scaled >= 1e15) return nullptr;
    if (scaled / kPowersOfTen[e] != magnitude) continue;
    const auto m = static_cast<uint64_t>(scaled);
    const auto unit = static_cast<uint64_t>(kPowersOfTen[e]);
    if (value < 0) *out++ = '-';
    out = std::to_chars(out, out + 16, m / unit).ptr;
    if (e > 0) {
      *out++ = decimal_separator;
      char digits[8];
      char* end = std::to_chars(digits, digits + sizeof digits, m % unit).ptr;
      const auto length = static_cast<size_t>(end - digits);
      std::memset(out, '0', static_cast<size_t>(e) - length);
      out = Copy(out + (static_cast<size_t>(e) - length), digits, length);
    }
    return out;
  }
  return nullptr;
}

}  // namespace

char* WriteGeneral(char* out, double value, char decimal_separator) {
  // Subnormal values carry fewer digits than their shortest text shows.
  if (!std::isfinite(value) || std::fabs(value) < std::numeric_limits<double>::min())
    return Fallback(out, value, decimal_separator);
  if (char* end = WriteShortDecimal(out, value, decimal_separator)) return end;

  // Shortest digits that read back as the value: "-d.ddde+XX".
  char buf[40];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  const char* p = buf;
  const bool negative = *p == '-';
  if (negative) ++p;
  char digits[24];
  int count = 0;
  for (; p < end && *p != 'e'; ++p)
    if (*p != '.' && count < 24) digits[count++] = *p;
  int exponent = 0;
  if (p < end && p[1] == '+') ++p;  // from_chars takes a minus sign only
  const bool exponent_read = p < end && std::from_chars(p + 1, end, exponent).ec == std::errc();
  // More digits than FormatGeneral keeps: its rounding decides the text.
  if (ec != std::errc() || !exponent_read || count > kPrecision) return Fallback(out, value, decimal_separator);

  if (negative) *out++ = '-';
  if (exponent < -4 || exponent >= kPrecision) {
    *out++ = digits[0];
    if (count > 1) {
      *out++ = decimal_separator;
      out = Copy(out, digits + 1, static_cast<size_t>(count - 1));
    }
    *out++ = 'E';
    return std::to_chars(out, out + 8, exponent).ptr;
  }
  if (exponent >= 0) {
    const int whole = exponent + 1;
    if (count <= whole) {
      out = Copy(out, digits, static_cast<size_t>(count));
      std::memset(out, '0', static_cast<size_t>(whole - count));
      return out + (whole - count);
    }
    out = Copy(out, digits, static_cast<size_t>(whole));
    *out++ = decimal_separator;
    return Copy(out, digits + whole, static_cast<size_t>(count - whole));
  }
  *out++ = '0';
  *out++ = decimal_separator;
  std::memset(out, '0', static_cast<size_t>(-exponent - 1));
  out += -exponent - 1;
  return Copy(out, digits, static_cast<size_t>(count));
}

}  // namespace sm
