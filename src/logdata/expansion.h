// The expansion of a source group into evenly spaced rows. Row k has the
// time start + k x interval; a requested series has status 1 in a row when
// a record of it lies in (time - interval, time], with the value of the last
// such record; otherwise status 0 and its slot keeps the value it had.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "logdata/log_source.h"

namespace sm {

class Expansion {
 public:
  struct SourcePart {
    LogSource* source;
    size_t first_index;  // of its first series in the group
    LogMillis offset;    // added to source times to give delivered times
  };

  // The requested series are those whose status byte is 0 when the first
  // row is asked for (callers may mark them after starting the expansion).
  Expansion(std::vector<SourcePart> parts, LogMillis start, LogMillis interval, std::span<double> values,
            std::span<uint8_t> status);
  ~Expansion();

  // The next row's time, its values and status written to the arrays.
  LogMillis NextRow();

 private:
  struct Requested {
    size_t slot;
    SampleBuffer buffer;
    size_t cursor = 0;
  };
  struct PartState {
    SourcePart part;
    std::vector<Requested> requested;
    std::unique_ptr<SourceFeed> feed;
  };
  void Begin();

  std::vector<PartState> parts_;
  LogMillis start_, interval_;
  std::span<double> values_;
  std::span<uint8_t> status_;
  int64_t row_ = 0;
  bool begun_ = false;
};

}  // namespace sm
