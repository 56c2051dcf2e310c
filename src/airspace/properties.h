// The airspace's site constants as the Properties editor shows and stores
// them: one value per constant in the airspace's section of site.ini.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "airspace/airspace.h"

namespace sm {

// Constant name and value text, in the order the expressions use them.
using PropertyValues = std::vector<std::pair<std::string, std::string>>;

// The constants with their site.ini values ("1" when unset).
PropertyValues ReadProperties(const TAirspace& airspace);
// Writes every value, in order, and saves site.ini.
void WriteProperties(TAirspace& airspace, const PropertyValues& values);

}  // namespace sm
