#include "airspace/live_batch.h"

#include <algorithm>
#include <cmath>

#include "airspace/model.h"
#include "airspace/views.h"

namespace sm {

void SetBatchStart(TAirspace& airspace, long long day) {
  // A batch must hold at least the last whole day of data; a later start
  // would give views that end before they begin.
  airspace.SetLiveStart(std::min<long long>(day, Truncate(airspace.live_end) - 1));
  BuildViews(airspace);
  // The stored start is the current-batch view's, which the data may have
  // moved; without that view, the live batch's own.
  TDateTime start = airspace.live_batch_start;
  for (const auto& view : airspace.views)
    if (view->kind == 1) start = view->start;
  TSite& site = airspace.site();
  site.user_ini.WriteInteger(airspace.name, "LiveBatchStart", static_cast<long long>(std::trunc(start)));
  site.user_ini.Save();
  if (airspace.model_loaded) ComputeModelTexts(airspace);
  airspace.computed = false;
}

}  // namespace sm
