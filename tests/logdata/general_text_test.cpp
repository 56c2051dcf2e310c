#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "core/numbers.h"
#include "logdata/general_text.h"

namespace sm {
namespace {

std::string Appended(double v, char separator = '.') {
  char buf[kGeneralTextMax + 8];
  std::memset(buf, '7', sizeof buf);  // digits left over must not leak in
  return std::string(buf, WriteGeneral(buf, v, separator));
}

TEST(GeneralText, WritesWhatFormatGeneralWrites) {
  const double table[] = {0, -0.0, 21.3, -21.3, 100, 1e14, 1e15, 123456789012345, 1234567890123456,
                          0.0001, 0.00001, 1.5e20, -2.5e-7, 1.0 / 3, 2.0 / 3, 0.1 + 0.2, 65535, 1e-300,
                          std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
                          std::nan(""), INFINITY, -INFINITY, 999999999999999, 99999999999999.9, 0.000123456};
  for (double v : table) {
    EXPECT_EQ(Appended(v), FormatGeneral(v)) << v;
    EXPECT_EQ(Appended(v, ','), FormatGeneral(v, ',')) << v;
  }
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int64_t> mantissa(-999999999999999, 999999999999999);
  std::uniform_int_distribution<int> digits(0, 18), exponent(-30, 30);
  for (int i = 0; i < 50000; ++i) {
    double decimal = static_cast<double>(mantissa(random) / static_cast<int64_t>(std::pow(10, digits(random) % 15))) *
                     std::pow(10.0, exponent(random));
    double bits;
    uint64_t raw = random();
    std::memcpy(&bits, &raw, sizeof bits);
    for (double v : {decimal, std::round(decimal * 10) / 10, bits}) ASSERT_EQ(Appended(v), FormatGeneral(v)) << v;
  }
}

}  // namespace
}  // namespace sm
