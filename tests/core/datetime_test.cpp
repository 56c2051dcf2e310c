#include <gtest/gtest.h>

#include "core/datetime.h"

namespace sm {
namespace {

TEST(DateTime, DayCountEpochAndKnownDays) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2003, 6, 14), 37786);
  EXPECT_EQ(EncodeDate(2024, 2, 29), 45351);
  CivilDate d = DecodeDate(45351.75);
  EXPECT_EQ(d.year, 2024);
  EXPECT_EQ(d.month, 2);
  EXPECT_EQ(d.day, 29);
}

TEST(DateTime, CivilRoundTripOverCenturies) {
  for (double day = -1000; day < 80000; day += 37) {
    CivilDate d = DecodeDate(day);
    EXPECT_EQ(EncodeDate(d.year, d.month, d.day), day);
  }
}

TEST(DateTime, TimeOfDayToTheMillisecond) {
  TDateTime t = EncodeDateTime(2020, 1, 1, 23, 59, 59) + 0.9996 / kSecondsPerDay;
  // 999.6 ms rounds up into the next day rather than printing 23:59:59.1000.
  EXPECT_EQ(DecodeDate(t).day, 2);
  TimeOfDay tod = DecodeTime(EncodeTime(13, 5, 7, 250));
  EXPECT_EQ(tod.hour, 13);
  EXPECT_EQ(tod.minute, 5);
  EXPECT_EQ(tod.second, 7);
  EXPECT_EQ(tod.millisecond, 250);
}

TEST(DateTime, RoundingAndTruncation) {
  struct Case {
    double value;
    long long rounded, truncated;
  } cases[] = {{2.5, 2, 2}, {3.5, 4, 3}, {-2.5, -2, -2}, {-2.7, -3, -2}, {0.49, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
    EXPECT_EQ(Truncate(c.value), c.truncated) << c.value;
  }
  EXPECT_EQ(DateOf(45351.75), 45351);
  EXPECT_DOUBLE_EQ(TimeOf(45351.75), 0.75);
}

TEST(DateTime, UnixSeconds) {
  EXPECT_EQ(FromUnixSeconds(0), 25569);
  EXPECT_DOUBLE_EQ(ToUnixSeconds(25570.5), 86400 * 1.5);
}

}  // namespace
}  // namespace sm
