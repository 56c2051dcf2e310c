// Importing an export-layout CSV file ("DATE,TIME[,SITE],<series>...")
// into a site folder: site.ini and the site description are created or
// extended, and the records merged into the data files. All or nothing: a
// bad line stops the import before anything is written.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sm {

struct CsvImportOptions {
  std::optional<std::string> proc_id;        // default: site.ini's, else the folder's name
  std::optional<double> utc_offset_hours;    // for a new site description; must match an existing one
  std::vector<std::pair<std::string, int>> kinds;  // LDT bytes of series the import adds
  // The file's times are the logger's local time (UTC + the description's
  // offset), as the library delivers them when UseLogTime is on; otherwise UTC.
  bool local_times = false;
};

struct CsvImportResult {
  std::string proc_id;
  size_t records = 0;
  size_t new_series = 0;
  size_t files_written = 0;
};

// Throws std::runtime_error: "<csv path>:<line>: <what>" for a bad line,
// other texts for a site that cannot take the data.
CsvImportResult ImportCsvFile(const std::string& csv_path, const std::string& site_folder,
                              const CsvImportOptions& options);

}  // namespace sm
