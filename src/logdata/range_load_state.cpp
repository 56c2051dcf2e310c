#include "logdata/range_load_state.h"

namespace sm {

RangeLoadState& RangeLoad(AppContext& ctx) {
  if (!ctx.range_load) ctx.range_load = std::make_shared<RangeLoadState>();
  return *ctx.range_load;
}

}  // namespace sm
