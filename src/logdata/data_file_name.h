// Data files are named "<ProcID>-YYYY-MM-DD-HHMM.smd" after the UTC time of
// their first record, so a folder listing sorts them by time and a range
// load picks its files without opening the others.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sm {

std::string DataFileName(std::string_view proc_id, int64_t first_unix_seconds);

// The UTC minute (seconds since 1970) a file name claims for its first
// record; nothing when the name does not end in "-YYYY-MM-DD-HHMM.<ext>".
std::optional<int64_t> DataFileNameMinute(std::string_view file_name);

}  // namespace sm
