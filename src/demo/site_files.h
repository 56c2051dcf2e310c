// The text files of the demonstration site: site.ini, smuser.ini, the fan
// stage lookup table, the model file and the stored batch files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demo/day_figures.h"
#include "demo/house.h"

namespace sm::demo {

struct SiteIniFacts {
  std::string site_name;
  int days = 0;
  int64_t end_day = 0;
  uint64_t seed = 0;
};

std::string SiteIniText(const SiteIniFacts& facts, const std::vector<AirspacePlan>& plans);

// Each airspace's LiveBatchStart: the placing day of its latest cycle.
std::string UserIniText(const std::vector<AirspacePlan>& plans, int64_t end_day);

// smcdata/fans.smc: fan stage to m³/h, one series per airspace, named like
// the stage series it converts ("%#STAGE" is "%H1STAGE" in House 1).
constexpr const char* kFanTableName = "fans.smc";
std::string FanTableText(const std::vector<AirspacePlan>& plans);

// mdldata/Target.mdl: one row a day of the cycle from `first_day` (the
// placing day) to the clearing day, with value, low and high for the
// temperature, water and feed per pig of that airspace's pigs.
constexpr const char* kModelFileName = "Target.mdl";
std::string ModelFileText(const AirspacePlan& plan, int64_t first_day);

struct StoredBatch {
  const AirspacePlan* plan = nullptr;
  int64_t first_day = 0, last_day = 0;
  std::vector<DayFigures> days;  // filled as the days are made
};

// code + day number + ".bch", as the program names a batch it stores.
std::string BatchFileName(const StoredBatch& batch);
std::string BatchFileText(const StoredBatch& batch, std::string_view report_cols);

std::string IsoDate(int64_t day);

}  // namespace sm::demo
