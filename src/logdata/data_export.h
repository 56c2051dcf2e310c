// The export of logged series to comma-separated text: header
// "DATE,TIME[,SITE],<series>...", then one line per row the library
// delivers from the first day's midnight up to the midnight after the last
// day, at the chosen interval; an empty field where a row has no value.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/formats.h"
#include "logdata/log_mgr.h"

namespace sm {

struct ExportOptions {
  TDateTime start_date = 0;  // first day, rounded to a whole day
  TDateTime end_date = 0;    // last day, rounded to a whole day
  int interval = 900;        // seconds per row
  std::vector<bool> ticked;  // per catalogued series; missing entries count as not ticked
  std::optional<std::string> site_column;  // the site folder's name, when the column is wanted
  FormatSettings date_formats;             // short date and long time of the rows
  char decimal_separator = '.';
};

// Progress in percent of the range, called once per row.
using ExportProgress = std::function<void(int percent)>;
// Receives the text in order, piece by piece.
using ExportSink = std::function<void(std::string_view piece)>;

// The export text, CR LF line ends. Throws "No data" when the manager
// catalogues no series, and for an interval below one second. Row times are
// the library's, without the display-time offset.
std::string ExportData(TLogMgr& mgr, const ExportOptions& options, const ExportProgress& progress = {});
// The same text handed to `sink` in pieces, for writing it out as it grows.
void ExportData(TLogMgr& mgr, const ExportOptions& options, const ExportSink& sink,
                const ExportProgress& progress = {});

// Writes the export to `folder` (created, one level, when missing) +
// `file_name`, replacing an existing file whole.
void ExportDataToFile(TLogMgr& mgr, const ExportOptions& options, const std::string& folder,
                      const std::string& file_name, const ExportProgress& progress = {});

}  // namespace sm
