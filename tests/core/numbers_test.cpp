#include <gtest/gtest.h>

#include "core/numbers.h"

namespace sm {
namespace {

TEST(Numbers, GeneralFormat) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},          {-0.0, "0"},      {21.5, "21.5"},         {1.0 / 3, "0.333333333333333"},
      {100, "100"},      {1e15, "1E15"},   {1.5e20, "1.5E20"},     {0.0001, "0.0001"},
      {0.00001, "1E-5"}, {-2.25, "-2.25"}, {123456789012345, "123456789012345"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.value), c.text) << c.value;
  EXPECT_EQ(FormatGeneral(21.5, ','), "21,5");
}

TEST(Numbers, FiveSignificantDigitsWithFixedDecimals) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {12.3456, 2, "12.35"},     {1234.567, 2, "1234.60"}, {99999.4, 1, "99999.0"},
      {123456, 2, "1.2346E5"},   {99999.6, 0, "1E5"},      {0.012345, 4, "0.0123"},
      {0.125, 2, "0.12"},        {-3.14159, 3, "-3.142"},  {0, 2, "0.00"},
      {-0.001, 2, "0.00"},       {7, 0, "7"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatSignificant5(c.value, c.decimals), c.text) << c.value;
}

TEST(Numbers, TwoDecimals) {
  EXPECT_EQ(FormatTwoDecimals(2.345), "2.35");  // 2.345 is stored slightly above the half
  EXPECT_EQ(FormatTwoDecimals(0.125), "0.12");  // exact half goes to even
  EXPECT_EQ(FormatTwoDecimals(-0.001), "0.00");
  EXPECT_EQ(FormatTwoDecimals(1e6, ','), "1000000,00");
}

}  // namespace
}  // namespace sm
