// The logging library: opens data sources into source groups and delivers
// their catalogue, time span and row expansion. Its operations are the
// library's fixed call protocol; the log manager (TLogMgr) is the only
// caller. Failures inside are not thrown: a source that cannot open answers
// handle 0, unknown handles and indices answer empty values, and damaged
// files are reported through the problem sink and skipped.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "core/datetime.h"
#include "logdata/log_source.h"

namespace sm {

class LogLibrary {
 public:
  // Options bit 1: deliver the logger's local time (UTC + the site
  // description's offset) instead of UTC.
  static constexpr int kLocalTimeOption = 1;

  explicit LogLibrary(ProblemLog::Sink problems = {});
  ~LogLibrary();
  LogLibrary(const LogLibrary&) = delete;
  LogLibrary& operator=(const LogLibrary&) = delete;

  int SetOptions(int options);
  // With the flag, each source also takes the files of its format whose
  // extension is "log".
  int AddAllLogs(bool flag);

  // Opens a source and adds it to the group `handle` (0: a new group).
  // Kinds: "STE" (data files named by `mask`, series from the site
  // description `site_file`) and "CSV" (comma-separated files named by
  // `mask`; `site_file` unused). A blank site file means none. Answers the
  // group's handle, or 0 when the source cannot open.
  int NewSource(int handle, const std::string& folder, const std::string& mask, const std::string& site_file,
                const std::string& kind);
  int Width(int handle) const;
  std::string SeriesName(int handle, int index) const;
  std::string SeriesID(int handle, int index) const;
  int SeriesLDT(int handle, int index) const;
  // First and last logged record of the group; 0 when it has none. The
  // range selector is accepted for the protocol's sake; every value means
  // the whole group.
  TDateTime Start(int handle, int range_selector);
  TDateTime End(int handle, int range_selector);
  // Starts an expansion at `start`, one row per `interval` seconds (at least
  // 1). `values` and `status` need one slot per series and must live until
  // the expansion ends; a series is delivered when its status byte is 0 at
  // the first NextRow. A new expansion abandons the previous one.
  int InitExpansion(int handle, TDateTime start, int interval, std::span<double> values, std::span<uint8_t> status);
  // The next row's time; 0 without an expansion.
  TDateTime NextRow(int handle);
  // Ends the group's expansion and frees what it holds.
  int Cleanup(int handle, int reserved);
  void Close(int handle);

 private:
  struct Group;
  Group* Find(int handle) const;
  LogMillis DeliveredOffset(const LogSource& source) const;
  TDateTime Bound(int handle, bool first);
  std::vector<std::string> MasksFor(const std::string& mask) const;

  ProblemLog problems_;
  int options_ = 0;
  bool add_all_logs_ = false;
  int next_handle_ = 1;
  std::map<int, std::unique_ptr<Group>> groups_;
};

}  // namespace sm
