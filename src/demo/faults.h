// Now and then something goes wrong on the farm, as it does on real ones:
// the logger loses power for a while, the weather station or the nursery's
// second probe drops out, a humidity sensor sticks at one reading. Faults
// fall every eighth day counted back from the last day, in turn, so every
// stretch of a few weeks shows each kind.
#pragma once

#include <cstdint>
#include <vector>

#include "demo/demo_random.h"

namespace sm::demo {

enum class FaultKind { LoggerOff, WeatherStationGap, SecondProbeGap, HumidityStuck };

struct Fault {
  FaultKind kind;
  int64_t start = 0, end = 0;  // seconds since 1970, end excluded
};

class FaultPlan {
 public:
  // Faults on days first_day..end_day (whole day numbers).
  FaultPlan(int64_t first_day, int64_t end_day, DemoRandom random);

  bool Active(FaultKind kind, int64_t unix_seconds) const;
  const std::vector<Fault>& Faults() const { return faults_; }

 private:
  std::vector<Fault> faults_;
};

}  // namespace sm::demo
