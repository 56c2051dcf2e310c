// The view status kept between runs: last site, airspace, charts and range.
#pragma once

#include <string>
#include <vector>

#include "core/datetime.h"
#include "core/ini_reg.h"

namespace sm {

class TStoredStatus {
 public:
  static constexpr size_t kMaxStoredCharts = 20;

  std::vector<std::string> chart_list;  // most recently chosen first
  std::string site_name;
  std::string airspace;
  // 0: up to the latest data; negative: past the newest data; else the end date.
  TDateTime view_end = 0;
  int view_days = 7;
  bool is_batch = false;
  bool show_report = true;

  // Reads every field from the Settings section; view end defaults to today.
  void Load(const TIniReg& settings, TDateTime today);
  // Writes every field; the chart list is cut to its first 20 names.
  void Save(TIniReg& settings) const;

  // Moves a chart name to the front of the list.
  void ChartChosen(const std::string& name);
};

}  // namespace sm
