// Opening a 6-pane chart view of 50 days (4800 points x 12 series), load
// and fill included, from the generated two-year site of 5-minute records.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "charts/open_chart_view.h"
#include "core/files.h"

namespace sm {
namespace {

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

// The two-year site of 64 series (S0..S63) that bench_report generates;
// this benchmark links its files into a folder of its own with its site.ini.
std::string PrepareSite() {
  namespace fs = std::filesystem;
  const fs::path source = fs::temp_directory_path() / "sm-bench-report";
  const fs::path folder = fs::temp_directory_path() / "sm-bench-charts";
  if (!fs::exists(source / "B.ste")) return {};
  fs::create_directories(folder);
  for (const auto& entry : fs::directory_iterator(source)) {
    const fs::path name = entry.path().filename();
    if (name == "site.ini" || fs::exists(folder / name)) continue;
    fs::create_symlink(entry.path(), folder / name);
  }
  WriteFileAtomically((folder / "site.ini").string(),
                      "[Site]\r\nProcID=B\r\n[Airspaces]\r\n1=House(H)\r\n[House]\r\nCharts=Six\r\n[Six]\r\n"
                      "P1=Temp,C,Temp,C,20(A1,B1)\r\nP2=Humidity,%,Fan,%,15(A2,B2)\r\n"
                      "P3=Temp,C,Water,l,15,0,40(A3,B3)\r\nP4=Heater,,Fan,%,15(A4,B4)\r\n"
                      "P5=Temp,C,Mean,C,20(A5,B5)\r\nP6=Humidity,%,Fan,%,15(A6,B6)\r\n"
                      "[Chart Series]\r\n"
                      "A1=S1[0,1,Left,0]\r\nB1=S2[0,1,Right,1]\r\nA2=S3[0,1,Left,2]\r\nB2=S5[0,1,Right,3]\r\n"
                      "A3=S6[0,1,Left,4]\r\nB3=^S4[1,2,Right,5]\r\nA4=S7[1,1,Left,6]\r\nB4=S9[0,1,Right,7]\r\n"
                      "A5=S10[0,1,Left,8]\r\nB5=@DAILYMEAN(S11)[0,2,Right,9]\r\nA6=S13[0,1,Left,10]\r\n"
                      "B6=^S8[1,1,Right,11]\r\n");
  return folder.string();
}

void BM_OpenChartView(benchmark::State& state) {
  const std::string folder = PrepareSite();
  if (folder.empty()) {
    state.SkipWithError("run bench_report first: it generates the two-year site");
    return;
  }
  NullUi ui;
  SystemClock clock;
  Environment env;
  env.registry_path = folder + "/registry.ini";
  AppContext ctx(ui, clock, env);
  auto site = TSite::Create(ctx, folder);
  CreateAirspaces(*site);
  TAirspace& house = *site->airspaces.at(0);
  ctx.stored_status.view_end = site->LastRecord() - 100;  // 50 days well inside the two years
  ctx.stored_status.view_days = 50;
  std::unique_ptr<TGraphObject> graph;
  for (auto _ : state) {
    if (!OpenChartView(house, "Six", graph)) {
      state.SkipWithError("the view did not open");
      return;
    }
    benchmark::DoNotOptimize(graph->SeriesList.back()->values.data());
  }
  state.counters["points"] = static_cast<double>(graph->SeriesList.front()->values.size());
  state.counters["series"] = static_cast<double>(graph->SeriesList.size());
}
BENCHMARK(BM_OpenChartView)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sm

BENCHMARK_MAIN();
