// Data items: the expression behind every report column and chart series.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "airspace/expr_scope.h"
#include "expr/expr.h"

namespace sm {

class TDataItem {
 public:
  // Parses the definition (its first "[...]" part removed) against the
  // scope; the series it names become the scope's data series.
  TDataItem(ExprScope& scope, const std::string& definition, const std::string& name);
  virtual ~TDataItem() = default;

  std::string name;
  std::string short_name;  // up to the first "_"
  std::unique_ptr<TExpr> expression;
  bool invalid = true;     // the expression gave no tree
  std::array<int, 3> model_indices{-1, -1, -1};  // model low, value, high

 protected:
  TDataItem() = default;
  void Init(ExprScope& scope, const std::string& definition, const std::string& name);
};

// The attributes in a report column's "[...]" part.
struct ReportAttributes {
  int decimals = 1;
  std::string units;
  std::string description;
  double low = -1, high = -1;
  std::string model_name;
};

// Reads "[decimals,units,description,low,high,model]"; throws for a low or
// high that is given but not a whole number.
ReportAttributes ParseReportAttributes(const std::string& definition);

class TReportDI : public TDataItem {
 public:
  // Throws when the attributes are bad; an item whose expression gives no
  // tree comes back with `invalid` set.
  static std::unique_ptr<TReportDI> Create(ExprScope& scope, const std::string& definition, const std::string& name);

  std::string units;
  std::string description;
  std::string widest_text;
  std::string model_name;
  int decimals = 1;
  double low = -1, high = -1;
  std::array<std::vector<float>, 3> model_values;  // per live-batch day: low, value, high
  std::vector<float> batch_day_values;
  std::vector<float> view_day_values;
  std::vector<bool> view_day_valid;

  // Keeps the longest value text shown so far.
  void NoteText(const std::string& text);

 private:
  TReportDI() = default;
};

}  // namespace sm
