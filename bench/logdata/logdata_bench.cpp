// Speed of the log manager over a generated site of two years of 5-minute
// records of 64 series (made on first run in $SM_BENCH_SITE, default
// /tmp/stallminder-bench-site): opening with catalogue, start and end; a
// 50-day range load of 30 series at 900 s; a one-year export of 30 series.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench_sites.h"
#include "core/app_context.h"
#include "logdata/data_export.h"
#include "logdata/range_load.h"
#include "logdata/range_load_state.h"
#include "site_generator.h"

namespace {

using namespace sm;

struct Bench {
  bench::NullUi ui;
  FixedClock clock{46000};
  AppContext ctx{ui, clock, Environment{"/tmp/stallminder-bench-registry.ini", "/tmp", "/tmp", "/tmp", "/tmp/"}};
  std::string folder;
  Bench() {
    bench::GeneratedSite site;
    const char* env = std::getenv("SM_BENCH_SITE");
    site.folder = env ? env : "/tmp/stallminder-bench-site";
    folder = bench::EnsureSite(site);
  }
  std::unique_ptr<TMyLogMgr> Open() { return std::make_unique<TMyLogMgr>(ctx, folder, "Bench", std::vector<std::string>{}, true); }
};

Bench& Shared() {
  static Bench b;
  return b;
}

void BM_OpenSiteCatalogueStartEnd(benchmark::State& state) {
  Bench& b = Shared();
  for (auto _ : state) {
    auto mgr = b.Open();
    benchmark::DoNotOptimize(mgr->Names().size());
    benchmark::DoNotOptimize(mgr->Start());
    benchmark::DoNotOptimize(mgr->End());
  }
}
BENCHMARK(BM_OpenSiteCatalogueStartEnd)->Unit(benchmark::kMillisecond);

void BM_LoadRange50Days30Series900s(benchmark::State& state) {
  Bench& b = Shared();
  auto mgr = b.Open();
  std::vector<TDataSeries> series(30);
  std::vector<TDataSeries*> list;
  for (int i = 0; i < 30; ++i) {
    series[i].name = mgr->Names()[static_cast<size_t>(i * 2)];
    list.push_back(&series[i]);
  }
  const TDateTime end = std::trunc(mgr->End());
  for (auto _ : state) {
    RangeRequest r;
    r.series = list;
    r.start = end - 50;
    r.end = end;
    r.interval = 900;
    LoadRange(b.ctx, *mgr, r);
    benchmark::DoNotOptimize(series[0].values.data());
  }
  state.counters["rows"] = RangeLoad(b.ctx).RowCount;
}
BENCHMARK(BM_LoadRange50Days30Series900s)->Unit(benchmark::kMillisecond);

ExportOptions YearOf30Series(TMyLogMgr& mgr) {
  ExportOptions options;
  options.end_date = std::trunc(mgr.End()) - 1;
  options.start_date = options.end_date - 364;
  options.interval = 900;
  options.ticked.assign(static_cast<size_t>(mgr.Width()), false);
  for (int i = 0; i < 30; ++i) options.ticked[static_cast<size_t>(i * 2)] = true;
  return options;
}

// The whole text in memory, as the Export Data dialog writes it to a file.
void BM_Export1Year30Series900s(benchmark::State& state) {
  Bench& b = Shared();
  auto mgr = b.Open();
  const ExportOptions options = YearOf30Series(*mgr);
  size_t bytes = 0;
  for (auto _ : state) bytes = ExportData(*mgr, options).size();
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Export1Year30Series900s)->Unit(benchmark::kMillisecond);

// Piece by piece, as smtool export writes to standard output.
void BM_Export1Year30Series900sStreamed(benchmark::State& state) {
  Bench& b = Shared();
  auto mgr = b.Open();
  const ExportOptions options = YearOf30Series(*mgr);
  size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    ExportData(*mgr, options, [&bytes](std::string_view piece) { bytes += piece.size(); });
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Export1Year30Series900sStreamed)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
