// Dates as the user types and reads them in the airspace dialogs. No Qt here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/app_context.h"

namespace sm {

// The formats the user reads dates in: the locale's, or the fixed ones when
// ISO formatting is chosen.
FormatSettings UserFormats(const AppContext& ctx);

// A date typed by the user: their short date format first, else yyyy-mm-dd.
// The rewritten text is the date in the user's format.
struct TypedDate {
  TDateTime date = 0;
  std::string text;
};
std::optional<TypedDate> ReadTypedDate(std::string_view text, const AppContext& ctx);

// A date as the user reads it (short date format).
std::string UserDateText(TDateTime date, const AppContext& ctx);

}  // namespace sm
