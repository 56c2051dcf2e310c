#include "airspace/expr_scope.h"

#include <algorithm>

#include "core/text.h"
#include "expr/parser.h"
#include "logdata/range_load.h"
#include "logdata/range_load_state.h"

namespace sm {
namespace {

class SmcLookup : public TableLookup {
 public:
  explicit SmcLookup(const TSMCSeries& series) : series_(series) {}
  float ValueAt(double x) const override { return series_.ValueAt(x); }

 private:
  const TSMCSeries& series_;
};

}  // namespace

ExprScope::ExprScope(TSite& site, std::string section, std::string code)
    : site_(site), section_(std::move(section)), code_(ToUpperAscii(code)) {}

ExprScope::~ExprScope() = default;

std::unique_ptr<TExpr> ExprScope::Build(const std::string& text) {
  TParser parser(*this);
  std::unique_ptr<TExpr> tree = parser.Parse(text, code_);
  if (!tree) return nullptr;
  std::vector<std::string> names;
  CollectSeriesNames(*tree, names);
  AddDataSeries(names);
  tree->Bind(*this);
  names.clear();
  CollectConstantNames(*tree, names);
  AddConstants(names);
  return tree;
}

void ExprScope::AddDataSeries(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (DataSeries(name) || site_.log_mgr->IndexOf(name) < 0) continue;
    auto series = std::make_unique<TDataSeries>();
    series->name = name;
    data_series_.push_back(std::move(series));
  }
}

void ExprScope::AddConstants(const std::vector<std::string>& names) {
  for (const std::string& name : names)
    if (std::find(constant_names_.begin(), constant_names_.end(), name) == constant_names_.end())
      constant_names_.push_back(name);
}

void ExprScope::ReleaseData() {
  for (auto& s : data_series_) {
    s->values = {};
    s->status = {};
  }
}

void ExprScope::Load(TDateTime& start, TDateTime& end, double day_start, int interval,
                     const std::function<void()>& prepare, const std::string& dump_name) {
  std::vector<TDataSeries*> series;
  for (auto& s : data_series_) series.push_back(s.get());
  RangeRequest request;
  request.series = series;
  request.day_start = day_start;
  request.start = start;
  request.end = end;
  request.interval = interval;
  request.dump_name = dump_name;
  LoadRange(site_.ctx, *site_.log_mgr, request, prepare);
  start = request.start;
  end = request.end;
}

void ExprScope::EvaluateDays(const std::vector<TExpr*>& trees,
                             const std::function<void(size_t, int, float, bool)>& store) {
  RangeLoadState& state = RangeLoad(site_.ctx);
  const int days = state.NumDays;
  struct Copy {
    std::vector<float> values;
    std::vector<uint8_t> status;
  };
  std::vector<Copy> copies;
  for (auto& s : data_series_) copies.push_back({std::move(s->values), std::move(s->status)});
  for (int d = 0; d < days; ++d) {
    const size_t first = static_cast<size_t>(d) * kRowsPerDay;
    for (size_t i = 0; i < data_series_.size(); ++i) {
      auto day_part = [&](const auto& all, auto& out) {
        size_t begin = std::min(first, all.size()), end = std::min(first + kRowsPerDay, all.size());
        out.assign(all.begin() + static_cast<std::ptrdiff_t>(begin), all.begin() + static_cast<std::ptrdiff_t>(end));
      };
      day_part(copies[i].values, data_series_[i]->values);
      day_part(copies[i].status, data_series_[i]->status);
    }
    state.NumDays = 1;
    for (size_t t = 0; t < trees.size(); ++t) {
      bool valid = true;
      float value = trees[t]->EvalFirst(valid);
      store(t, d, value, valid);
    }
  }
  if (days == 0) state.NumDays = 0;
}

std::optional<std::string> ExprScope::KindOf(const std::string& name) const {
  int index = site_.log_mgr->IndexOf(name);
  if (index < 0) return std::nullopt;
  return site_.log_mgr->KindOf(index);
}

TDataSeries* ExprScope::DataSeries(const std::string& name) {
  for (auto& s : data_series_)
    if (IEquals(s->name, name)) return s.get();
  return nullptr;
}

std::string ExprScope::SiteConstant(const std::string& name) const {
  return site_.site_ini.ReadString(section_, name, "1");
}

const TableLookup* ExprScope::Table(const std::string& name) const {
  std::string key = ToUpperAscii(name);
  if (auto it = tables_.find(key); it != tables_.end()) return it->second.get();
  const TSMCSeries* series = site_.tables.Find(name);
  if (!series) return nullptr;
  return (tables_[key] = std::make_unique<SmcLookup>(*series)).get();
}

int ExprScope::NumDays() const { return RangeLoad(site_.ctx).NumDays; }

int ExprScope::ReportInterval() const { return site_.ctx.startup.report_interval; }

}  // namespace sm
