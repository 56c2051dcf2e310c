// Small sites in temporary folders for the logging library's tests.
#pragma once

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/app_context.h"
#include "logdata/data_file.h"
#include "logdata/site_description.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

namespace sm::test {

// NaN marks a record where the series has no value.
inline const double kNone = std::nan("");

struct Column {
  std::string id;
  std::vector<double> values;
};

// Records at the given UTC times (seconds since 1970).
DataRecords Records(std::vector<int64_t> times, const std::vector<Column>& columns);

// Seconds since 1970 of a UTC date and time.
int64_t Utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// A site folder "<dir>/<name>" with site.ini ([Site] ProcID) and "<ProcID>.ste".
struct SiteFolder {
  std::string path;  // with trailing "/"
  std::string proc_id;
  // Writes the records as data files (one day per call, no merging) and
  // returns the names written.
  std::vector<std::string> WriteDay(const DataRecords& day) const;
  void WriteFile(const std::string& name, const std::string& bytes) const;
};
SiteFolder MakeSite(const TempDir& dir, const std::string& name, const SiteDescription& site,
                    const std::string& extra_site_ini = {});
SiteDescription Describe(std::vector<SeriesDescription> series, double utc_offset_hours = 0);

// An AppContext over a fake screen, with its own registry and error log in
// a temporary folder.
struct TestContext {
  TestContext();
  ~TestContext();
  TempDir dir;
  FakeUiHost ui;
  FixedClock clock{45000};
  std::unique_ptr<AppContext> ctx;
  // The error log's lines so far.
  std::vector<std::string> Logged() const;
};

}  // namespace sm::test
