#include "core/datetime.h"

#include <cmath>

namespace sm {
namespace {

// Days from 0000-03-01 style civil arithmetic (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

CivilDate CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp + (mp < 10 ? 3 : -9);
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 counted from 1970-01-01.
constexpr int64_t kEpochOffset = -25569;

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

int64_t DayNumber(int year, int month, int day) {
  return DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset;
}

TDateTime EncodeDate(int year, int month, int day) { return static_cast<double>(DayNumber(year, month, day)); }

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + millisecond) / 86400000.0;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
  return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

CivilDate DecodeDate(TDateTime value) {
  // Round to the millisecond first so 23:59:59.9999 does not land a day early.
  double ms = std::floor(value * 86400000.0 + 0.5);
  return CivilFromDays(static_cast<int64_t>(std::floor(ms / 86400000.0)) + kEpochOffset);
}

TimeOfDay DecodeTime(TDateTime value) {
  double ms_total = std::floor(value * 86400000.0 + 0.5);
  int64_t ms = static_cast<int64_t>(ms_total - std::floor(ms_total / 86400000.0) * 86400000.0);
  TimeOfDay t;
  t.hour = static_cast<int>(ms / 3600000);
  t.minute = static_cast<int>(ms / 60000 % 60);
  t.second = static_cast<int>(ms / 1000 % 60);
  t.millisecond = static_cast<int>(ms % 1000);
  return t;
}

double DateOf(TDateTime value) { return std::trunc(value); }
double TimeOf(TDateTime value) { return value - std::trunc(value); }

int64_t RoundHalfEven(double value) { return static_cast<int64_t>(std::nearbyint(value)); }
int64_t Truncate(double value) { return static_cast<int64_t>(std::trunc(value)); }

TDateTime FromUnixSeconds(double seconds) { return seconds / kSecondsPerDay - kEpochOffset; }
double ToUnixSeconds(TDateTime value) { return (value + kEpochOffset) * kSecondsPerDay; }

}  // namespace sm
