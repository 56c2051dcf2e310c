// A 20-node tree over 60 days x 10 series: row mode (EvalFirst, then EvalAt
// per row) and day mode (each day's 96 rows, EvalFirst alone).
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>

#include "core/text.h"
#include "expr/parser.h"
#include "logdata/data_series.h"

namespace sm {
namespace {

constexpr int kDays = 60;
constexpr const char* kTree =
    "@SUM(@AVE(S0),@DAILYMEAN(S1),@MULT(S2,S9),@DIV(3,S3),@MAX(S4),@MIN(S5),@CHANGE(5,S6),@TOTAL(S7))";

class Source : public ExprSource, public SeriesCatalogue {
 public:
  Source() {
    for (int s = 0; s < 10; ++s) {
      TDataSeries& series = all_["S" + std::to_string(s)];
      series.name = "S" + std::to_string(s);
      for (int r = 0; r < kDays * kRowsPerDay; ++r) {
        series.values.push_back(static_cast<float>(20 + 5 * std::sin(r * 0.05 + s)));
        series.status.push_back(r % 17 ? 1 : 0);
      }
    }
  }
  std::optional<std::string> KindOf(const std::string& name) const override {
    return all_.count(ToUpperAscii(name)) ? std::optional<std::string>("N") : std::nullopt;
  }
  TDataSeries* DataSeries(const std::string& name) override {
    auto it = all_.find(ToUpperAscii(name));
    return it == all_.end() ? nullptr : &it->second;
  }
  std::string SiteConstant(const std::string&) const override { return "1"; }
  const TableLookup* Table(const std::string&) const override { return nullptr; }
  int NumDays() const override { return num_days; }
  int ReportInterval() const override { return 900; }

  std::map<std::string, TDataSeries> all_;
  int num_days = kDays;
};

void BM_RowMode(benchmark::State& state) {
  Source source;
  auto tree = TParser(source).Parse(kTree, "");
  tree->Bind(source);
  double sink = 0;
  for (auto _ : state) {
    bool valid = true;
    sink += tree->EvalFirst(valid);
    for (int r = 1; r < kDays * kRowsPerDay; ++r) {
      valid = true;
      sink += tree->EvalAt(r, valid);
    }
  }
  benchmark::DoNotOptimize(sink);
  state.counters["rows/s"] = benchmark::Counter(double(kDays * kRowsPerDay), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RowMode)->Unit(benchmark::kMillisecond);

void BM_DayMode(benchmark::State& state) {
  Source source;
  auto tree = TParser(source).Parse(kTree, "");
  tree->Bind(source);
  std::map<std::string, TDataSeries> full = source.all_;
  double sink = 0;
  for (auto _ : state) {
    for (int d = 0; d < kDays; ++d) {
      for (auto& [name, s] : source.all_) {
        const TDataSeries& f = full[name];
        s.values.assign(f.values.begin() + d * kRowsPerDay, f.values.begin() + (d + 1) * kRowsPerDay);
        s.status.assign(f.status.begin() + d * kRowsPerDay, f.status.begin() + (d + 1) * kRowsPerDay);
      }
      source.num_days = 1;
      bool valid = true;
      sink += tree->EvalFirst(valid);
    }
  }
  benchmark::DoNotOptimize(sink);
}
BENCHMARK(BM_DayMode)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sm

BENCHMARK_MAIN();
