#include "airspace/airspace.h"

#include <cmath>
#include <stdexcept>

#include "core/text.h"

namespace sm {

constexpr int kInitialColumnWidth = 5;
constexpr int kWidthTableSize = 30;

TAirspace::TAirspace(TSite& site, std::string airspace_name, std::string airspace_code)
    : name(std::move(airspace_name)),
      code(ToUpperAscii(airspace_code)),
      column_widths(kWidthTableSize, kInitialColumnWidth),
      scope(site, name, code) {}

std::unique_ptr<TAirspace> TAirspace::Create(TSite& site, const std::string& entry) {
  std::unique_ptr<TAirspace> a(new TAirspace(site, RemoveBracketed(entry, false), BracketContent(entry, false)));
  std::string columns = site.site_ini.ReadString(a->name, "ReportCols", "");
  if (columns.empty()) columns = site.site_ini.ReadString("Site", "ReportCols", "");
  a->report_column_names = SplitText(columns, ',');
  if (columns.empty()) a->report_column_names.clear();

  auto day_start = TryStrToTime(site.site_ini.ReadString("Site", "SetStart", "00:00"), FixedFormats());
  a->DayStart = day_start ? *day_start : 0;
  a->live_end = a->LiveEndOf(site.LastRecord());

  if (site.user_ini.ValueExists(a->name, "LiveBatchStart")) {
    std::string text = site.user_ini.ReadString(a->name, "LiveBatchStart", "");
    long long day;
    if (!TryParseInt(text, day)) throw std::runtime_error("'" + text + "' is not a valid integer value");
    a->SetLiveStart(day);
  } else {
    a->SetLiveStart(Truncate(a->live_end - 30));
  }
  a->LoadChartViewList();
  a->LoadReportColumns();
  BuildViews(*a);
  return a;
}

TDateTime TAirspace::LiveEndOf(TDateTime last_record) const {
  TDateTime end = std::trunc(last_record) + DayStart;
  if (last_record < end) end -= 1;
  return end;
}

void TAirspace::SetLiveStart(long long day) {
  live_batch_start = static_cast<double>(day) + DayStart;
  const TDateTime first = site().FirstRecord();
  if (first > live_batch_start) {
    live_batch_start = std::trunc(first) + DayStart;
    if (first > live_batch_start) live_batch_start += 1;
  }
  live_days = static_cast<int>(Truncate(live_end - live_batch_start));
}

void TAirspace::LoadReportColumns() {
  const IniFile* template_ini = site().Template();
  for (const std::string& column : report_column_names) {
    std::string definition = site().site_ini.ReadString("Report Columns", column, "");
    if (definition.empty() && template_ini) definition = template_ini->ReadString("Report Columns", column, "");
    if (definition.empty()) {
      ReportError(site().ctx, "Cannot find report column " + column, 100);
      continue;
    }
    try {
      auto item = TReportDI::Create(scope, definition, column);
      if (!item->invalid) report_items.push_back(std::move(item));
    } catch (const std::exception&) {
      // A column that cannot be built is left out without a message.
    }
  }
  if (column_widths.size() < report_items.size() + 2) column_widths.resize(report_items.size() + 2, kInitialColumnWidth);
}

void TAirspace::LoadChartViewList() {
  std::string charts = site().site_ini.ReadString(name, "Charts", "");
  if (charts.empty()) charts = site().site_ini.ReadString("Site", "Charts", "");
  if (charts.empty()) charts = "Charts1";
  chart_view_list = SplitText(charts, ',');
  if (chart_view_list.empty()) chart_view_list = {"Charts1"};
}

void CreateAirspaces(TSite& site) {
  AppContext& ctx = site.ctx;
  BusyScope busy(ctx.ui);
  ctx.ui.ShowStatus("Creating Airspaces ...");
  for (const auto& [key, entry] : site.site_ini.Values("Airspaces")) {
    site.airspaces.push_back(TAirspace::Create(site, entry));
    ctx.ui.ProcessMessages();
  }
  ctx.ui.ShowStatus("");
}

}  // namespace sm
