#include "core/clock.h"

#include <sys/time.h>

#include <ctime>

namespace sm {

TDateTime SystemClock::NowUtc() const {
  timeval tv{};
  gettimeofday(&tv, nullptr);
  return FromUnixSeconds(static_cast<double>(tv.tv_sec) + tv.tv_usec / 1e6);
}

TDateTime SystemClock::Now() const {
  timeval tv{};
  gettimeofday(&tv, nullptr);
  std::tm local{};
  time_t seconds = tv.tv_sec;
  localtime_r(&seconds, &local);
  return FromUnixSeconds(static_cast<double>(tv.tv_sec + local.tm_gmtoff) + tv.tv_usec / 1e6);
}

}  // namespace sm
