// Opening a 6-pane chart view of 50 days (4800 points x 12 series), load
// and fill included, from the generated two-year site of 5-minute records.
#include <benchmark/benchmark.h>

#include "bench_sites.h"
#include "opened_site.h"
#include "charts/open_chart_view.h"

namespace sm {
namespace {

void BM_OpenChartView(benchmark::State& state) {
  bench::OpenedSite opened(bench::EnsureChartSite());
  TAirspace& house = opened.house();
  opened.ctx.stored_status.view_end = opened.site->LastRecord() - 100;  // 50 days well inside the two years
  opened.ctx.stored_status.view_days = 50;
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
