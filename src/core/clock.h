// The context's clock, so tests can fix "today".
#pragma once

#include <cmath>

#include "core/datetime.h"

namespace sm {

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date and time.
  virtual TDateTime Now() const = 0;
  // The same moment in UTC.
  virtual TDateTime NowUtc() const = 0;
  TDateTime Today() const { return std::trunc(Now()); }
};

class SystemClock : public Clock {
 public:
  TDateTime Now() const override;
  TDateTime NowUtc() const override;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(TDateTime now, double utc_offset_hours = 0) : now_(now), offset_(utc_offset_hours) {}
  TDateTime Now() const override { return now_; }
  TDateTime NowUtc() const override { return now_ - offset_ / 24.0; }
  void Set(TDateTime now) { now_ = now; }

 private:
  TDateTime now_;
  double offset_;
};

}  // namespace sm
