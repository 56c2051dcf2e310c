// Time units inside the logging library. Data files count seconds since
// 1970-01-01 UTC; row windows are compared in whole milliseconds of the
// program's day count, so repeated intervals never drift.
#pragma once

#include <cmath>
#include <cstdint>

#include "core/datetime.h"

namespace sm {

using LogMillis = int64_t;  // milliseconds since 1899-12-30 00:00

constexpr int64_t kUnixEpochDay = 25569;  // 1970-01-01 as a day count
constexpr int64_t kMillisPerDay = 86400000;

inline LogMillis UnixSecondsToMillis(int64_t seconds) { return (seconds + kUnixEpochDay * 86400) * 1000; }
inline int64_t MillisToUnixSeconds(LogMillis ms) {
  int64_t s = ms / 1000 - kUnixEpochDay * 86400;
  return (ms % 1000 < 0) ? s - 1 : s;
}
inline LogMillis ToLogMillis(TDateTime t) { return std::llround(t * static_cast<double>(kMillisPerDay)); }
inline TDateTime FromLogMillis(LogMillis ms) { return static_cast<double>(ms) / static_cast<double>(kMillisPerDay); }
inline LogMillis HoursToMillis(double hours) { return std::llround(hours * 3600000.0); }

}  // namespace sm
