// Model (target) data: imported from ".mdl" files and shown beside the live
// values; a stored batch can be saved as one.
#pragma once

#include <string>
#include <vector>

#include "airspace/airspace.h"
#include "logdata/log_mgr.h"

namespace sm {

// The model files of the site, by name; tells the user "No model data is
// available for this site" when there are none.
std::vector<std::string> ListModelFiles(TSite& site);

// Sets the item's model indices (model + "Low", model, model + "High") in
// the manager's catalogue; false when the item has no model name.
bool FindModelSeries(TReportDI& item, const TMyLogMgr& manager);

// Reads one model row per day of the live batch into the items' model
// values, then computes the views' model texts.
void LoadModel(TAirspace& airspace, TMyLogMgr& manager);

// Imports a model file of the model folder (by name).
void ImportModel(TAirspace& airspace, const std::string& file_name);

// The views' model texts: per item, the mean of each model series over the
// view's days, 2 decimals.
void ComputeModelTexts(TAirspace& airspace);

// Writes a stored batch as a model file: "Date" and the model names of the
// columns the batch file has. Warns "No batch series are marked for export"
// and answers false when there are none.
bool SaveAsModel(TAirspace& airspace, const TBatch& batch, const std::string& path);

}  // namespace sm
