// The demonstration farm: two grower houses and a nursery, their sizes,
// fans and heaters, and where each stands in its cycle on the last day:
// House 1 well into its cycle, House 2 in its second week, the Nursery
// cleared three days before and being washed.
#pragma once

#include <vector>

#include "demo/house.h"

namespace sm::demo {

constexpr const char* kDemoProcId = "1dmo";

std::vector<AirspacePlan> DemoFarm();

}  // namespace sm::demo
