// The site description "<ProcID>.ste": the logger's name, its offset from
// UTC in hours, and one entry per logged series (name, identifier, LDT byte,
// units). Plain comma text, one entry per line, so it can be read and edited
// by hand; see docs/formats.md.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sm {

struct SeriesDescription {
  std::string name;
  std::string id;
  int ldt = 0;  // 0..255; its high nibble gives the kind code
  std::string units;
};

struct SiteDescription {
  std::string logger_name;
  double utc_offset_hours = 0;  // local time = UTC + this
  std::vector<SeriesDescription> series;
};

// A line of a text file that could not be taken, with the reason.
struct LineProblem {
  size_t line = 0;  // 1-based
  std::string what;
};

// Reads what it can: every broken line is skipped and listed in `problems`.
SiteDescription ParseSiteDescription(std::string_view text, std::vector<LineProblem>& problems);

// The whole file, CR LF line ends.
std::string FormatSiteDescription(const SiteDescription& site);
// One "Series,..." line without its line end, for extending a file.
std::string FormatSeriesLine(const SeriesDescription& series);
std::string FormatOffsetHours(double hours);

}  // namespace sm
