#include "core/stored_status.h"

#include <algorithm>

#include "core/comma_text.h"
#include "core/text.h"

namespace sm {

void TStoredStatus::Load(const TIniReg& settings, TDateTime today) {
  chart_list = SplitCommaText(settings.ReadString("ChartList", ""));
  site_name = settings.ReadString("SiteName", "");
  airspace = settings.ReadString("Airspace", "");
  view_end = settings.ReadFloat("ViewEnd", today);
  view_days = settings.ReadInteger("ViewDays", 7);
  is_batch = settings.ReadBool("IsBatch", false);
  show_report = settings.ReadBool("ShowReport", true);
}

void TStoredStatus::Save(TIniReg& settings) const {
  std::vector<std::string> charts = chart_list;
  if (charts.size() > kMaxStoredCharts) charts.resize(kMaxStoredCharts);
  settings.WriteString("ChartList", charts.empty() ? std::string() : JoinCommaText(charts));
  settings.WriteString("SiteName", site_name);
  settings.WriteString("Airspace", airspace);
  settings.WriteFloat("ViewEnd", view_end);
  settings.WriteInteger("ViewDays", view_days);
  settings.WriteBool("IsBatch", is_batch);
  settings.WriteBool("ShowReport", show_report);
}

void TStoredStatus::ChartChosen(const std::string& name) {
  std::erase_if(chart_list, [&](const std::string& c) { return IEquals(c, name); });
  chart_list.insert(chart_list.begin(), name);
}

}  // namespace sm
