// ComputeViews for a 60-day live batch x 20 columns, LoadRange included,
// from a site of 2 years x 64 series of 5-minute records.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include "airspace/airspace.h"
#include "airspace/report.h"
#include "core/files.h"
#include "core/ini_file.h"
#include "logdata/data_writer.h"
#include "logdata/site_description.h"

namespace sm {
namespace {

constexpr int kDays = 730, kSeries = 64, kStep = 300;
constexpr int64_t kFirstSecond = 1700006400;  // a midnight, UTC

class NullUi : public UiHost {
 public:
  void ShowStatus(const std::string&) override {}
  void ShowProgress(int, int) override {}
  void SetBusy(bool) override {}
  MessageAnswer ShowMessage(const std::string&, MessageKind, unsigned) override { return MessageAnswer::Ok; }
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
  bool ShowCheckMessage(const std::string&, const std::string&, bool c) override { return c; }
  void ProcessMessages() override {}
  bool StartProgram(const std::string&, const std::vector<std::string>&) override { return false; }
};

std::string MakeSite(const std::string& folder) {
  if (FileExists(folder + "/site.ini")) return folder;
  CreateDirectories(folder);
  SiteDescription description;
  description.logger_name = "bench";
  for (int s = 0; s < kSeries; ++s)
    description.series.push_back({"S" + std::to_string(s), "S" + std::to_string(s), s % 4 == 0 ? 0x30 : 0, ""});
  WriteFileAtomically(folder + "/B.ste", FormatSiteDescription(description));
  for (int day = 0; day < kDays; ++day) {
    DataRecords records;
    for (int t = 0; t < 86400; t += kStep) records.times.push_back(kFirstSecond + int64_t(day) * 86400 + t);
    for (int s = 0; s < kSeries; ++s) {
      DataColumn column{"S" + std::to_string(s), {}, {}};
      for (size_t r = 0; r < records.times.size(); ++r) {
        column.values.push_back(s % 4 == 0 ? double((day * 288 + r) * 3 % 60000) : 20 + 5 * std::sin(r * 0.02 + s));
        column.present.push_back(1);
      }
      records.columns.push_back(std::move(column));
    }
    WriteDay(folder, "B", records);
  }
  std::string columns, definitions;
  const char* forms[] = {"@AVE(S%d)", "@DAILYMEAN(S%d)", "@MIN(S%d)", "@MAX(S%d)", "@TOTAL(^S%d)"};
  for (int c = 0; c < 20; ++c) {
    char def[64];
    std::snprintf(def, sizeof def, forms[c % 5], c % 5 == 4 ? (c / 5) * 4 : c + 1);
    columns += (c ? ",C" : "C") + std::to_string(c);
    definitions += "C" + std::to_string(c) + "=" + def + "[2]\r\n";
  }
  WriteFileAtomically(folder + "/site.ini", "[Site]\r\nProcID=B\r\nReportCols=" + columns +
                                                "\r\n[Airspaces]\r\n1=House(H)\r\n[Report Columns]\r\n" + definitions);
  return folder;
}

void BM_ComputeViews(benchmark::State& state) {
  std::string folder = MakeSite((std::filesystem::temp_directory_path() / "sm-bench-report").string());
  NullUi ui;
  SystemClock clock;
  Environment env;
  env.registry_path = folder + "/registry.ini";
  AppContext ctx(ui, clock, env);
  auto site = TSite::Create(ctx, folder);
  CreateAirspaces(*site);
  TAirspace& house = *site->airspaces[0];
  house.SetLiveStart(Truncate(house.live_end) - 60);
  BuildViews(house);
  for (auto _ : state) {
    for (auto& v : house.views) v->value_texts.clear();
    ComputeViews(house);
    house.ReleaseData();
  }
  state.counters["columns"] = static_cast<double>(house.report_items.size());
  state.counters["live_days"] = house.live_days;
}
BENCHMARK(BM_ComputeViews)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sm

BENCHMARK_MAIN();
