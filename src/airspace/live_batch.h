// Moving the start of an airspace's live batch (Set Batch Start).
#pragma once

#include "airspace/airspace.h"

namespace sm {

// Moves the live batch to start on `day` (at most the last whole day of
// data; before the data, the first day), rebuilds the views, stores
// LiveBatchStart in smuser.ini, recomputes model texts when model data is
// loaded and leaves the report to be computed again.
void SetBatchStart(TAirspace& airspace, long long day);

}  // namespace sm
