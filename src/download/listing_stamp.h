// The date, time and size a directory listing shows beside a link, in the
// forms web servers write them: "15-Jan-2004 15:41 12K" or
// "15/01/04 09:05 1234".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/datetime.h"

namespace sm {

struct ListedStamp {
  TDateTime modified = 0;
  int64_t size = 0;  // 0 when no size follows the time
};

// Reads an upper-cased text from its start: blanks, a date, at least one
// blank, a time, then optionally a size ("12K", "1.5M", "1234"). Nothing
// when the text does not begin with a date and a time. Throws
// std::overflow_error for a size beyond the 32-bit range.
std::optional<ListedStamp> ReadListedStamp(std::string_view text);

}  // namespace sm
