// ComputeViews for a 60-day live batch x 20 columns, LoadRange included,
// from a site of 2 years x 64 series of 5-minute records.
#include <benchmark/benchmark.h>

#include "airspace/airspace.h"
#include "airspace/report.h"
#include "bench_sites.h"
#include "opened_site.h"

namespace sm {
namespace {

void BM_ComputeViews(benchmark::State& state) {
  bench::OpenedSite opened(bench::EnsureReportSite());
  TAirspace& house = opened.house();
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
