// Stored batches: defining one from the logged data, updating, deleting,
// and the batch rows' on/off state.
#pragma once

#include <string>

#include "airspace/airspace.h"

namespace sm {

// "<code><day number>.bch" in the batches folder. Throws when the code
// would lead the name out of that folder.
std::string BatchFilePath(const TAirspace& airspace, long long start_day);

// Computes the batch of whole days start..end (inclusive) from the logged
// data and writes its file, replacing one of the same start; then reloads
// the batches (folder order). Warns "Batch dates must be within batch
// parameters" and answers false when the dates lie outside the data.
bool DefineBatch(TAirspace& airspace, long long start_day, long long end_day);

// The batch's daily values as a file: "Date" and the columns' short names,
// then one line per day with 2-decimal values.
void WriteBatchFile(TAirspace& airspace, const std::string& path);

// Deletes a stored batch's file and reloads the batches. With `ask`, the
// user confirms first ("Delete batch commencing ...?"); false when not done.
bool DeleteBatch(TAirspace& airspace, size_t batch_index, bool ask);

// Flips the show-batches state and stores it in site.ini.
bool ToggleShowBatches(TAirspace& airspace, bool shown);

}  // namespace sm
