#include "demo/site_files.h"

#include "core/comma_text.h"
#include "core/formats.h"
#include "core/numbers.h"
#include "demo/demo_farm.h"
#include "demo/ini_text.h"
#include "demo/template_items.h"

namespace sm::demo {
namespace {

std::string Number(double value) { return FormatSignificant5(value, 2); }

void WriteChartViews(IniText& ini) {
  bool first = true;
  for (const ChartView& view : ChartViews()) {
    ini.Section(view.name);
    if (first) {
      ini.Comment("A chart view: each key is a pane, from the top down. Its value is")
          .Comment("LeftTitle,LeftUnits,RightTitle,RightUnits,Height,LeftMin,LeftMax,RightMin,RightMax")
          .Comment("followed by the series in brackets. A limit left empty is automatic; NoTitle")
          .Comment("leaves an axis untitled. The section named after the view with \"Title\" added")
          .Comment("holds the pane titles.");
      first = false;
    }
    if (!view.note.empty()) ini.Comment(view.note);
    for (const ChartPane& pane : view.panes)
      ini.Key(pane.key, std::string(pane.parameters) + "(" + std::string(pane.series) + ")");
    ini.Section(std::string(view.name) + "Title");
    for (const ChartPane& pane : view.panes)
      if (!pane.title.empty()) ini.Key(pane.key, pane.title);
  }
}

}  // namespace

std::string IsoDate(int64_t day) { return FormatDateTime("yyyy-mm-dd", static_cast<double>(day), FixedFormats()); }

std::string SiteIniText(const SiteIniFacts& facts, const std::vector<AirspacePlan>& plans) {
  const std::string proc_id = kDemoProcId;
  IniText ini;
  ini.Comment(facts.site_name + ": the demonstration site, made by smtool demo (" + std::to_string(facts.days) +
              " days to " + IsoDate(facts.end_day) + ", seed " + std::to_string(facts.seed) + ").")
      .Comment("A pig farm with two grower houses and a nursery. Each room takes weaned pigs")
      .Comment("for 42 days; then it is cleared, washed and dried for a week. The logger records")
      .Comment("every series every 5 minutes into the data files " + proc_id + "-*.smd; " + proc_id +
               ".ste lists the series.")
      .Comment("")
      .Comment("The report columns and chart series named here are defined in smt.dat, the")
      .Comment("template in the Main Logging Directory, or below for the nursery's own.");

  ini.Section("Site")
      .Comment("ProcID names the site description and the data files")
      .Key("ProcID", proc_id)
      .Key("SiteID", proc_id)
      .Key("Version", "1")
      .Key("BatchType", "Batch")
      .Comment("A report day starts at this time")
      .Key("SetStart", "00:00")
      .Comment("The columns and chart views of every airspace that has none of its own")
      .Key("ReportCols", HouseReportCols())
      .Key("Charts", HouseCharts());

  ini.Section("DataSources")
      .Comment("folder (empty: the site folder),file mask,site description,kind")
      .Key("Logger", "," + std::string("*.smd,") + proc_id + ".ste,ste");

  ini.Section("Airspaces").Comment("name(code): the code stands for # in expressions");
  for (size_t i = 0; i < plans.size(); ++i) ini.Key("A" + std::to_string(i + 1), plans[i].name + "(" + plans[i].code + ")");

  for (const AirspacePlan& plan : plans) {
    ini.Section(plan.name);
    if (&plan == &plans.front()) ini.Comment("FloorArea (m²) is a site constant: ~FloorArea in the Space column");
    ini.Key("FloorArea", FormatGeneral(plan.floor_area));
    if (plan.second_probe) {
      ini.Comment("A second temperature probe (" + plan.code + "TEMPB): columns and charts of its own")
          .Key("ReportCols", NurseryReportCols())
          .Key("Charts", NurseryCharts());
    } else {
      ini.Comment("Shows the stored batches under the views").Key("ShowBatches", "1");
    }
  }

  ini.Section("Report Columns").Comment("The site's own columns; a name defined here and in smt.dat takes this one");
  for (const ReportColumnItem& c : SiteReportColumns()) ini.Key(c.name, c.definition);
  ini.Section("Chart Series");
  for (const ChartSeriesItem& s : SiteChartSeries()) {
    if (!s.note.empty()) ini.Comment(s.note);
    ini.Key(s.name, s.definition);
  }
  WriteChartViews(ini);
  return ini.Text();
}

std::string UserIniText(const std::vector<AirspacePlan>& plans, int64_t end_day) {
  IniText ini;
  for (const AirspacePlan& plan : plans) {
    const int64_t placed = PlacingDay(plan, end_day, end_day);
    ini.Section(plan.name).Key("LiveBatchStart", std::to_string(placed));
  }
  return ini.Text();
}

std::string FanTableText(const std::vector<AirspacePlan>& plans) {
  std::vector<std::string> header{"Stage"};
  for (const AirspacePlan& plan : plans) header.push_back(plan.code + "STAGE");
  std::string text = JoinCommaText(header) + "\r\n";
  for (size_t stage = 0; stage < 7; ++stage) {
    std::vector<std::string> line{std::to_string(stage)};
    for (const AirspacePlan& plan : plans) line.push_back(std::to_string(plan.fan_stage_air[stage]));
    text += JoinCommaText(line) + "\r\n";
  }
  return text;
}

std::string ModelFileText(const AirspacePlan& plan, int64_t first_day) {
  const PigGrowth& g = plan.growth;
  std::string text = "Date,Temp,TempLow,TempHigh,WaterPig,WaterPigLow,WaterPigHigh,FeedPig,FeedPigLow,FeedPigHigh\r\n";
  for (int day = 0; day <= kCycleDays; ++day) {
    const double temp = g.TargetTemperature(day);
    const double water = g.WaterPerDay(day + 0.5, temp);
    const double feed = g.FeedPerDay(day + 0.5);
    text += IsoDate(first_day + day) + "," + Number(temp) + "," + Number(temp - 1) + "," + Number(temp + 1.5) + "," +
            Number(water) + "," + Number(water * 0.85) + "," + Number(water * 1.2) + "," + Number(feed) + "," +
            Number(feed * 0.88) + "," + Number(feed * 1.12) + "\r\n";
  }
  return text;
}

std::string BatchFileName(const StoredBatch& batch) {
  return batch.plan->code + std::to_string(batch.first_day) + ".bch";
}

std::string BatchFileText(const StoredBatch& batch, std::string_view report_cols) {
  const std::vector<const ReportColumnItem*> columns = ColumnsOf(report_cols);
  std::vector<std::string> cells{"Date"};
  for (const ReportColumnItem* c : columns) cells.push_back(std::string(c->name.substr(0, c->name.find('_'))));
  std::string text = JoinCommaText(cells) + "\r\n";
  for (size_t i = 0; i < batch.days.size(); ++i) {
    cells = {IsoDate(batch.first_day + static_cast<int64_t>(i))};
    for (const ReportColumnItem* c : columns) cells.push_back(c->daily ? Number(c->daily(batch.days[i])) : "");
    text += JoinCommaText(cells) + "\r\n";
  }
  return text;
}

}  // namespace sm::demo
