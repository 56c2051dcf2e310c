// Values keep the decimal text they were logged with: a value is stored as
// an integer mantissa and a power of ten, and read back as the double
// nearest to that decimal, so 21.3 comes back as 21.3.
#pragma once

#include <cstdint>
#include <optional>

namespace sm {

// value = mantissa / 10^exponent (exponent may be negative).
struct DecimalForm {
  int64_t mantissa = 0;
  int exponent = 0;
};

// Mantissas stay within what a double holds exactly, so that decoding is one
// correctly rounded division or multiplication.
constexpr int64_t kMaxExactMantissa = int64_t{1} << 53;
constexpr int kMaxDecimalExponent = 22;  // 10^22 is the largest exact power of ten

// The shortest decimal that reads back as `value`; nothing for NaN, infinities
// and values whose shortest form does not fit the limits above.
std::optional<DecimalForm> ShortestDecimal(double value);

// `form` scaled to `exponent` decimals (exponent >= form.exponent); nothing
// when the mantissa would leave the exact range.
std::optional<int64_t> MantissaAt(const DecimalForm& form, int exponent);

// The double nearest to mantissa / 10^exponent; |mantissa| <= 2^53 and
// |exponent| <= 22. Both operands are exact doubles, so one correctly
// rounded division (or product) gives the nearest double.
inline constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                          1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
inline double DecimalToDouble(int64_t mantissa, int exponent) {
  const double m = static_cast<double>(mantissa);
  return exponent >= 0 ? m / kPowersOfTen[exponent] : m * kPowersOfTen[-exponent];
}

}  // namespace sm
