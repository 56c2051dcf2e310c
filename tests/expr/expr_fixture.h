// A tiny airspace for expressions: a few catalogued series with hand-made
// rows, site constants and lookup tables.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/text.h"
#include "expr/parser.h"
#include "logdata/data_series.h"

namespace sm::test {

class FakeTable : public TableLookup {
 public:
  std::map<int, float> rows;
  float ValueAt(double x) const override {
    auto it = rows.find(static_cast<int>(x));
    return it == rows.end() ? -1.0f : it->second;
  }
};

class FakeAirspace : public ExprSource, public SeriesCatalogue {
 public:
  struct Row {
    float value;
    bool valid = true;
  };

  // Catalogues a series with its kind code and rows.
  void AddSeries(const std::string& name, const std::string& kind, std::vector<Row> rows) {
    kinds[ToUpperAscii(name)] = kind;
    auto s = std::make_unique<TDataSeries>();
    s->name = name;
    for (const Row& r : rows) {
      s->values.push_back(r.value);
      s->status.push_back(r.valid ? 1 : 0);
    }
    series[ToUpperAscii(name)] = std::move(s);
  }

  // Parses, binds and prepares as a data item does after a load.
  std::unique_ptr<TExpr> Build(const std::string& text, const std::string& code = "") {
    TParser parser(*this);
    auto tree = parser.Parse(text, code);
    if (tree) {
      tree->Bind(*this);
      tree->Prepare();
    }
    return tree;
  }

  std::optional<std::string> KindOf(const std::string& name) const override {
    auto it = kinds.find(ToUpperAscii(name));
    return it == kinds.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  TDataSeries* DataSeries(const std::string& name) override {
    auto it = series.find(ToUpperAscii(name));
    return it == series.end() ? nullptr : it->second.get();
  }
  std::string SiteConstant(const std::string& name) const override {
    auto it = constants.find(name);
    return it == constants.end() ? "1" : it->second;
  }
  const TableLookup* Table(const std::string& name) const override {
    auto it = tables.find(ToUpperAscii(name));
    return it == tables.end() ? nullptr : &it->second;
  }
  int NumDays() const override { return num_days; }
  int ReportInterval() const override { return report_interval; }

  std::map<std::string, std::string> kinds;
  std::map<std::string, std::unique_ptr<TDataSeries>> series;
  std::map<std::string, std::string> constants;
  std::map<std::string, FakeTable> tables;
  int num_days = 1;
  int report_interval = 900;
};

// Row mode as charts drive it: EvalFirst, then EvalAt for each row, the
// flag set to true before every call.
struct RowResult {
  std::vector<float> values;
  std::vector<bool> valid;
};

inline RowResult EvalRows(TExpr& tree, int rows) {
  RowResult out;
  for (int r = 0; r < rows; ++r) {
    bool valid = true;
    float v = r == 0 ? tree.EvalFirst(valid) : tree.EvalAt(r, valid);
    out.values.push_back(v);
    out.valid.push_back(valid);
  }
  return out;
}

}  // namespace sm::test
