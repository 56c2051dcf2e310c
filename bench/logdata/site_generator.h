// Builds a site folder of generated 5-minute records for the benchmarks:
// temperatures, humidities, fan speeds, wrapping counters and on/off states,
// with an outage of a few hours now and then.
#pragma once

#include <string>

namespace sm::bench {

struct GeneratedSite {
  std::string folder;          // created when missing
  std::string proc_id = "Bench";
  int days = 730;
  int series = 64;
  int step_seconds = 300;
  int first_year = 2022;       // from 1 January, UTC
};

// Writes site.ini, "<ProcID>.ste" and one data file a day.
void GenerateSite(const GeneratedSite& site);

// The site's folder, generated unless a site.ini is there already.
std::string EnsureSite(const GeneratedSite& site);

}  // namespace sm::bench
