#include "tools/airspace_arguments.h"

#include <stdexcept>

#include "core/text.h"
#include "tools/command.h"

namespace sm::tool {

TAirspace& PickAirspace(TSite& site, const std::optional<std::string>& wanted) {
  if (site.airspaces.empty()) throw std::runtime_error("the site has no airspaces");
  if (!wanted) return *site.airspaces.front();
  for (auto& a : site.airspaces)
    if (IEquals(a->name, *wanted) || (!a->code.empty() && IEquals(a->code, *wanted))) return *a;
  throw std::runtime_error("no airspace \"" + *wanted + "\"");
}

long long RequireDay(const std::optional<std::string>& text, const std::string& option) {
  if (!text) throw UsageError("--" + option + " is required");
  auto date = TryStrToDate(*text, FixedFormats());
  if (!date) throw std::runtime_error("--" + option + ": \"" + *text + "\" is not a date (yyyy-mm-dd)");
  return Truncate(*date);
}

}  // namespace sm::tool
