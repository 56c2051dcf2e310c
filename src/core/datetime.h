// The program's date-time: a day count whose integer part counts days from
// 30 December 1899 and whose fraction is the time of day.
#pragma once

#include <cstdint>

namespace sm {

using TDateTime = double;

constexpr double kSecondsPerDay = 86400.0;

struct CivilDate {
  int year = 1899, month = 12, day = 30;
};

struct TimeOfDay {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Day number of a civil date (proleptic Gregorian); no validation.
int64_t DayNumber(int year, int month, int day);
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond = 0);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second);
CivilDate DecodeDate(TDateTime value);
// Time of day, to the nearest millisecond.
TimeOfDay DecodeTime(TDateTime value);

// Whole-day part (the integer part) and time-of-day part.
double DateOf(TDateTime value);
double TimeOf(TDateTime value);

// Halves go to the even neighbour.
int64_t RoundHalfEven(double value);
// Toward zero.
int64_t Truncate(double value);

// Seconds since the Unix epoch and back.
TDateTime FromUnixSeconds(double seconds);
double ToUnixSeconds(TDateTime value);

}  // namespace sm
