// One-time conversion of data lines whose leading date was written in the
// locale's short-date format into yyyy-mm-dd.
#pragma once

#include <string>

#include "core/formats.h"

namespace sm {

// For every "*.<extension>" file in the folder, every line but the header
// whose first comma-text item is not a date under the current formats but is
// one under the locale's gets that item rewritten as yyyy-mm-dd. Lines that
// read neither way stay as they are. `iso_formatting` is the setting of that
// name (it keeps the locale's formats out of reach).
void ConvertFileDates(const std::string& folder, const std::string& extension, FormatState& formats,
                      bool iso_formatting, int current_year);

}  // namespace sm
