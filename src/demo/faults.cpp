#include "demo/faults.h"

#include "logdata/log_time.h"

namespace sm::demo {
namespace {

constexpr int kDaysBetweenFaults = 8;
constexpr int64_t kMinute = 60, kHour = 3600;

}  // namespace

FaultPlan::FaultPlan(int64_t first_day, int64_t end_day, DemoRandom random) {
  int turn = 0;
  for (int64_t day = end_day - 4; day >= first_day; day -= kDaysBetweenFaults, ++turn) {
    const int64_t midnight = (day - kUnixEpochDay) * 86400;
    Fault f{static_cast<FaultKind>(turn % 4)};
    switch (f.kind) {
      case FaultKind::LoggerOff:  // at night, while the pigs eat little
        f.start = midnight + kHour + 5 * kMinute * random.Whole(0, 30);
        f.end = f.start + 5 * kMinute * random.Whole(5, 10);  // long enough to empty a quarter hour
        break;
      case FaultKind::WeatherStationGap:
        f.start = midnight + 6 * kHour + 5 * kMinute * random.Whole(0, 144);
        f.end = f.start + kHour * random.Whole(2, 8);
        break;
      case FaultKind::SecondProbeGap:
        f.start = midnight + 5 * kMinute * random.Whole(0, 287);
        f.end = f.start + kHour * random.Whole(4, 20);
        break;
      case FaultKind::HumidityStuck:
        f.start = midnight + 5 * kMinute * random.Whole(0, 287);
        f.end = f.start + kHour * random.Whole(12, 36);
        break;
    }
    faults_.push_back(f);
  }
}

bool FaultPlan::Active(FaultKind kind, int64_t unix_seconds) const {
  for (const Fault& f : faults_)
    if (f.kind == kind && unix_seconds >= f.start && unix_seconds < f.end) return true;
  return false;
}

}  // namespace sm::demo
