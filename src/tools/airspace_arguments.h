// Opening a site and picking one of its airspaces for a command.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "airspace/airspace.h"
#include "site/site.h"

namespace sm::tool {

// The airspace named (by name or code, ASCII case ignored); the first one
// when none is named. Throws when there is no such airspace.
TAirspace& PickAirspace(TSite& site, const std::optional<std::string>& wanted);

// A yyyy-mm-dd date as a whole day number; throws naming the option.
long long RequireDay(const std::optional<std::string>& text, const std::string& option);

}  // namespace sm::tool
