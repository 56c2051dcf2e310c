#include "demo/demo_site.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "core/files.h"
#include "core/text.h"
#include "demo/demo_farm.h"
#include "demo/demo_series.h"
#include "demo/faults.h"
#include "demo/site_files.h"
#include "demo/template_items.h"
#include "logdata/data_writer.h"
#include "logdata/log_time.h"
#include "logdata/site_description.h"

namespace sm::demo {
namespace {

// The airspace whose humidity sensor sticks now and then (House 2).
constexpr size_t kStickyHumidityAirspace = 1;

void CheckOptions(const DemoOptions& o) {
  if (o.days < 1 || o.days > kMaxDemoDays)
    throw std::runtime_error("--days must be 1 to " + std::to_string(kMaxDemoDays));
  const std::string& n = o.site_name;
  if (n.empty() || n == "." || n == ".." || n.find_first_of("/\\") != std::string::npos)
    throw std::runtime_error("--site: \"" + n + "\" is not a folder name");
}

void MakeFolder(const std::string& path) {
  if (!CreateDirectories(path)) throw std::runtime_error("Cannot create folder " + path);
}

// One day's records, in the order of the site description's series.
class DayRecords {
 public:
  DayRecords(const SiteDescription& description, const std::vector<AirspacePlan>& plans)
      : plans_(plans) {
    for (const SeriesDescription& s : description.series) records_.columns.push_back({s.id, {}, {}});
  }

  void Add(int64_t unix_seconds, const std::vector<HouseReading>& houses, const WeatherReading& weather,
           bool station_on, bool probe_on) {
    records_.times.push_back(unix_seconds);
    size_t k = 0;
    for (size_t i = 0; i < plans_.size(); ++i)
      for (const AirspaceChannel& c : AirspaceChannels())
        if (Logs(plans_[i], c)) Put(k++, c.value(houses[i]), probe_on || !c.second_probe_only);
    for (const WeatherChannel& c : WeatherChannels()) Put(k++, c.value(weather), station_on);
  }

  const DataRecords& Records() const { return records_; }
  void Clear() {
    records_.times.clear();
    for (DataColumn& c : records_.columns) c.values.clear(), c.present.clear();
  }

 private:
  void Put(size_t column, double value, bool present) {
    records_.columns[column].values.push_back(present ? value : 0);
    records_.columns[column].present.push_back(present ? 1 : 0);
  }

  const std::vector<AirspacePlan>& plans_;
  DataRecords records_;
};

// The farm run from `first_day` on; records are written from `write_from`.
class FarmRun {
 public:
  FarmRun(const DemoOptions& o, const std::vector<AirspacePlan>& plans, const SiteDescription& description,
          int64_t write_from, std::vector<StoredBatch>& batches)
      : plans_(plans), write_from_(write_from), batches_(batches), root_(o.seed),
        weather_(root_.Fork(1)), faults_(write_from, o.end_day, root_.Fork(2)), records_(description, plans),
        readings_(plans.size()) {
    for (size_t i = 0; i < plans.size(); ++i) {
      houses_.emplace_back(plans[i], o.end_day, root_.Fork(10 + i));
      figures_.emplace_back(plans[i]);
    }
  }

  void Day(const std::string& folder, int64_t day, int slots) {
    for (House& h : houses_) h.BeginDay(day);
    const bool writing = day >= write_from_;
    for (int slot = 0; slot < slots; ++slot) {
      const int64_t t = (day - kUnixEpochDay) * 86400 + int64_t{slot} * House::kStepSeconds;
      const WeatherReading& w = weather_.Step(t, House::kStepSeconds);
      for (size_t i = 0; i < houses_.size(); ++i) readings_[i] = houses_[i].Step(slot, w);
      StickHumidity(t);
      const bool logger_on = !faults_.Active(FaultKind::LoggerOff, t);
      const bool station_on = !faults_.Active(FaultKind::WeatherStationGap, t);
      if (writing && logger_on)
        records_.Add(t, readings_, w, station_on, !faults_.Active(FaultKind::SecondProbeGap, t));
      if (slot % 3 == 0) {  // the quarter-hour rows the report reads
        const double outside = WeatherChannels().front().value(w);  // OUTTEMP as logged
        for (size_t i = 0; i < houses_.size(); ++i) figures_[i].AddRow(logger_on, readings_[i], station_on, outside);
      }
    }
    if (slots == House::kStepsPerDay) KeepBatchDays(day);
    if (writing && !records_.Records().times.empty()) WriteDay(folder, kDemoProcId, records_.Records());
    records_.Clear();
  }

 private:
  void StickHumidity(int64_t t) {
    if (readings_.size() <= kStickyHumidityAirspace) return;
    double& humidity = readings_[kStickyHumidityAirspace].humidity;
    if (!faults_.Active(FaultKind::HumidityStuck, t)) {
      stuck_.reset();
      return;
    }
    if (!stuck_) stuck_ = humidity;
    humidity = *stuck_;
  }

  void KeepBatchDays(int64_t day) {
    for (size_t i = 0; i < houses_.size(); ++i) {
      DayFigures d = figures_[i].FinishDay();
      for (StoredBatch& b : batches_)
        if (b.plan == &plans_[i] && day >= b.first_day && day <= b.last_day) b.days.push_back(d);
    }
  }

  const std::vector<AirspacePlan>& plans_;
  int64_t write_from_;
  std::vector<StoredBatch>& batches_;
  DemoRandom root_;
  Weather weather_;
  FaultPlan faults_;
  DayRecords records_;
  std::vector<House> houses_;
  std::vector<DayFigureBuilder> figures_;
  std::vector<HouseReading> readings_;
  std::optional<double> stuck_;
};

// The template goes to the Main Logging Directory unless a different one is
// there already, which may serve other sites: then the site gets its own.
std::string PlaceTemplate(const std::string& main_dir, const std::string& site_folder, bool& in_site) {
  const std::string text = TemplateText();
  const std::string global = JoinPath(main_dir, "smt.dat");
  in_site = FileExists(global) && ReadFileBytes(global) != text;
  const std::string path = in_site ? JoinPath(site_folder, "smt.dat") : global;
  WriteFileAtomically(path, text);
  return path;
}

void CountDataFiles(DemoResult& r) {
  for (const std::string& name : ListFiles(r.site_folder, std::string(kDemoProcId) + "-*.smd")) {
    ++r.data_files;
    r.data_bytes += std::filesystem::file_size(JoinPath(r.site_folder, name));
  }
}

}  // namespace

DemoResult GenerateDemoSite(const DemoOptions& o) {
  CheckOptions(o);
  DemoResult r;
  r.site_folder = JoinPath(o.main_dir, o.site_name);
  while (r.site_folder.size() > 1 && r.site_folder.back() == '/') r.site_folder.pop_back();
  if (FileExists(JoinPath(r.site_folder, "site.ini")) && !o.force)
    throw std::runtime_error(r.site_folder + " already holds a site (site.ini); --force replaces it");
  MakeFolder(r.site_folder);
  for (const char* sub : {"mdldata", "csvdata", "batches", "smcdata"}) MakeFolder(JoinPath(r.site_folder, sub));
  // Data files of an earlier run would mix with the new days.
  for (const std::string& name : ListFiles(r.site_folder, std::string(kDemoProcId) + "-*.smd"))
    if (!DeleteFile(JoinPath(r.site_folder, name))) throw std::runtime_error("Cannot delete " + name);

  const std::vector<AirspacePlan> plans = DemoFarm();
  r.end_day = o.end_day;
  r.first_day = o.end_day - o.days + 1;
  r.airspaces = plans.size();

  // Each grower house's previous cycle is a stored batch; the farm runs from
  // the day before the earliest of them so the meters have a reading to go on.
  std::vector<StoredBatch> batches;
  for (const AirspacePlan& plan : plans)
    if (!plan.second_probe) {
      const int64_t placed = PlacingDay(plan, o.end_day, o.end_day) - kPeriodDays;
      batches.push_back({&plan, placed, placed + kCycleDays, {}});
    }
  int64_t run_from = r.first_day;
  for (const StoredBatch& b : batches) run_from = std::min(run_from, b.first_day);
  --run_from;

  const SiteDescription description = DemoSiteDescription(o.site_name, plans);
  r.series = description.series.size();
  WriteFileAtomically(JoinPath(r.site_folder, std::string(kDemoProcId) + ".ste"), FormatSiteDescription(description));

  FarmRun run(o, plans, description, r.first_day, batches);
  for (int64_t day = run_from; day <= o.end_day; ++day) run.Day(r.site_folder, day, House::kStepsPerDay);
  // The record at midnight after the last day closes it, so the last day is
  // a whole report day.
  run.Day(r.site_folder, o.end_day + 1, 1);
  CountDataFiles(r);

  for (const StoredBatch& b : batches) {
    r.batch_files.push_back(BatchFileName(b));
    WriteFileAtomically(JoinPath(r.site_folder, "batches/" + r.batch_files.back()), BatchFileText(b, HouseReportCols()));
  }
  r.model_file = kModelFileName;
  WriteFileAtomically(JoinPath(r.site_folder, std::string("mdldata/") + kModelFileName),
                      ModelFileText(plans.front(), PlacingDay(plans.front(), o.end_day, o.end_day)));
  WriteFileAtomically(JoinPath(r.site_folder, std::string("smcdata/") + kFanTableName), FanTableText(plans));
  r.template_path = PlaceTemplate(o.main_dir, r.site_folder, r.template_in_site);
  WriteFileAtomically(JoinPath(r.site_folder, "smuser.ini"), UserIniText(plans, o.end_day));
  // site.ini last: a run cut short leaves no site that looks finished.
  WriteFileAtomically(JoinPath(r.site_folder, "site.ini"),
                      SiteIniText({o.site_name, o.days, o.end_day, o.seed}, plans));
  return r;
}

}  // namespace sm::demo
