// The steps behind the airspace dialogs that have no home below the window:
// Set Batch Start, the Properties editor's values and typed dates. No Qt here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "airspace/airspace.h"
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

// Moves the live batch to start on `day`, rebuilds the views, stores
// LiveBatchStart in smuser.ini, recomputes model texts when model data is
// loaded and leaves the report to be computed again.
void SetBatchStart(TAirspace& airspace, long long day);

// The airspace's site constants with their site.ini values ("1" when unset).
using PropertyValues = std::vector<std::pair<std::string, std::string>>;
PropertyValues ReadProperties(const TAirspace& airspace);
void WriteProperties(TAirspace& airspace, const PropertyValues& values);

// The number of whole days a view or batch spans, for the stored view.
int SpanDays(TDateTime start, TDateTime end);

}  // namespace sm
