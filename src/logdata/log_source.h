// One opened data source of the logging library: its catalogue of series
// and its records, delivered per requested series in time order.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "logdata/log_time.h"

namespace sm {

// Problems with files (damaged data files, broken lines) go to the owner of
// the library, each message once.
class ProblemLog {
 public:
  using Sink = std::function<void(const std::string&)>;
  explicit ProblemLog(Sink sink) : sink_(std::move(sink)) {}
  void Report(const std::string& message) {
    if (sink_ && reported_.insert(message).second) sink_(message);
  }

 private:
  Sink sink_;
  std::unordered_set<std::string> reported_;
};

struct SourceSeries {
  std::string name;
  std::string id;
  int ldt = 0;
};

struct Sample {
  LogMillis time;
  double value;
};
using SampleBuffer = std::vector<Sample>;

// Fills the buffers of the requested series as an expansion moves on.
class SourceFeed {
 public:
  virtual ~SourceFeed() = default;
  // Makes sure every sample at or before `until` (source time) has been
  // appended; samples after it may be appended too.
  virtual void FillThrough(LogMillis until) = 0;
};

class LogSource {
 public:
  virtual ~LogSource() = default;

  const std::vector<SourceSeries>& Series() const { return series_; }
  // Added to the source's times to give the logger's local time.
  LogMillis LocalOffset() const { return local_offset_; }

  // First and last record times, in source time; nothing without records.
  virtual std::optional<LogMillis> FirstTime() = 0;
  virtual std::optional<LogMillis> LastTime() = 0;

  // A feed for the series at the given indices, one buffer each, starting
  // with the records after `after`.
  virtual std::unique_ptr<SourceFeed> Feed(const std::vector<size_t>& series, const std::vector<SampleBuffer*>& buffers,
                                           LogMillis after) = 0;

 protected:
  std::vector<SourceSeries> series_;
  LogMillis local_offset_ = 0;
};

// Within one time, a later file's sample replaces an earlier one's: sorts
// the samples from `from` on, gathered from several files (each file's own in
// time order, the files in name order), and keeps the last per time.
void MergeByTimeLastWins(std::vector<Sample>& samples, size_t from = 0);

}  // namespace sm
