#include "logdata/decimal_value.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace sm {
std::optional<DecimalForm> ShortestDecimal(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  if (value == 0) return DecimalForm{0, 0};
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);  // shortest round trip
  if (ec != std::errc()) return std::nullopt;
  const char* p = buf;
  bool negative = *p == '-';
  if (negative) ++p;
  int64_t mantissa = 0;
  int digits = 0, fraction_digits = 0;
  bool in_fraction = false;
  for (; p < end && *p != 'e'; ++p) {
    if (*p == '.') {
      in_fraction = true;
      continue;
    }
    if (digits == 0 && *p == '0') {  // leading zeros carry no digits
      if (in_fraction) ++fraction_digits;
      continue;
    }
    if (++digits > 17) return std::nullopt;
    mantissa = mantissa * 10 + (*p - '0');
    if (in_fraction) ++fraction_digits;
  }
  int exponent = fraction_digits;
  if (p < end) exponent -= std::atoi(p + 1);
  // "2500" has no fraction; take the trailing zeros into the exponent so
  // large round numbers stay small mantissas.
  while (mantissa != 0 && mantissa % 10 == 0) {
    mantissa /= 10;
    --exponent;
  }
  if (mantissa > kMaxExactMantissa || exponent > kMaxDecimalExponent || exponent < -kMaxDecimalExponent)
    return std::nullopt;
  return DecimalForm{negative ? -mantissa : mantissa, exponent};
}

std::optional<int64_t> MantissaAt(const DecimalForm& form, int exponent) {
  int64_t m = form.mantissa;
  for (int e = form.exponent; e < exponent; ++e) {
    if (m > kMaxExactMantissa / 10 || m < -kMaxExactMantissa / 10) return std::nullopt;
    m *= 10;
  }
  return m;
}

}  // namespace sm
