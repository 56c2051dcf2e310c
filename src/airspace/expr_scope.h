// What an airspace's expressions are parsed and evaluated against: its code,
// its data series, the site's catalogue, constants and lookup tables.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "expr/expr.h"
#include "expr/expr_source.h"
#include "logdata/data_series.h"
#include "site/site.h"

namespace sm {

class ExprScope : public ExprSource, public SeriesCatalogue {
 public:
  // `section` names the site.ini section holding the site constants (the
  // airspace's name); `code` replaces "#" in names.
  ExprScope(TSite& site, std::string section, std::string code);
  ~ExprScope() override;

  // Parses a definition and attaches it: the series it names become data
  // series, the tree is bound, its constants noted. Nothing when the text
  // gives no tree.
  std::unique_ptr<TExpr> Build(const std::string& text);

  // Adds a data series for each catalogued name not yet held.
  void AddDataSeries(const std::vector<std::string>& names);
  // Notes each constant name not yet noted.
  void AddConstants(const std::vector<std::string>& names);
  // Empties every data series' rows.
  void ReleaseData();

  // Loads [start, end) at the interval into the data series; `prepare` runs
  // after the rows are in. Start and end come back as loaded.
  void Load(TDateTime& start, TDateTime& end, double day_start, int interval,
            const std::function<void()>& prepare, const std::string& dump_name);

  // Evaluates each tree day by day as the report does: each data series cut
  // to the day's 96 rows, NumDays 1, EvalFirst alone. `store` receives
  // (tree index, day, value, valid).
  void EvaluateDays(const std::vector<TExpr*>& trees,
                    const std::function<void(size_t, int, float, bool)>& store);

  TSite& site() { return site_; }
  const std::string& code() const { return code_; }
  const std::string& section() const { return section_; }
  const std::vector<std::unique_ptr<TDataSeries>>& data_series() const { return data_series_; }
  const std::vector<std::string>& constant_names() const { return constant_names_; }

  // ExprSource and SeriesCatalogue.
  std::optional<std::string> KindOf(const std::string& name) const override;
  TDataSeries* DataSeries(const std::string& name) override;
  std::string SiteConstant(const std::string& name) const override;
  const TableLookup* Table(const std::string& name) const override;
  int NumDays() const override;
  int ReportInterval() const override;

 private:
  TSite& site_;
  std::string section_;
  std::string code_;
  std::vector<std::unique_ptr<TDataSeries>> data_series_;
  std::vector<std::string> constant_names_;
  mutable std::map<std::string, std::unique_ptr<TableLookup>> tables_;
};

}  // namespace sm
