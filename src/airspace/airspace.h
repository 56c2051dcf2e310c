// An airspace: one monitored house or room of the open site, with its
// report columns, views, batches and the data its expressions use.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "airspace/data_item.h"
#include "airspace/expr_scope.h"
#include "airspace/views.h"
#include "site/site.h"

namespace sm {

class TAirspace {
 public:
  // Builds the airspace from its [Airspaces] entry ("House 1(H1)"). Throws
  // when its stored LiveBatchStart is not a whole number.
  static std::unique_ptr<TAirspace> Create(TSite& site, const std::string& entry);

  // Live batch start := that day at the day start, not before the first
  // logged day; live days follow.
  void SetLiveStart(long long day);
  void LoadReportColumns();
  void LoadChartViewList();
  // Frees the rows of every data series.
  void ReleaseData() { scope.ReleaseData(); }

  // The live end for a last logged record: its day at the day start, a day
  // earlier when the record lies before that.
  TDateTime LiveEndOf(TDateTime last_record) const;

  TSite& site() { return scope.site(); }
  const TSite& site() const { return const_cast<ExprScope&>(scope).site(); }

  std::string name;
  std::string code;
  bool computed = false;
  std::vector<std::string> report_column_names;
  int live_days = 0;
  std::vector<std::unique_ptr<TReportDI>> report_items;
  std::vector<std::unique_ptr<TDataItem>> chart_items;
  TDateTime live_batch_start = 0;
  TDateTime DayStart = 0;
  TDateTime range_start = 0, range_end = 0;
  std::vector<std::unique_ptr<TView>> views;
  std::vector<std::string> chart_view_list;
  TDateTime live_end = 0;
  bool model_loaded = false;
  std::vector<std::unique_ptr<TBatch>> batches;
  std::vector<int> column_widths;  // one per grid column; grows with the columns
  ExprScope scope;                 // data series, constants, "#" code

 private:
  TAirspace(TSite& site, std::string name, std::string code);
};

// Creates one airspace per [Airspaces] entry of site.ini, in key order.
void CreateAirspaces(TSite& site);

}  // namespace sm
