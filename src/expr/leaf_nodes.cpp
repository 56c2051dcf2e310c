#include <cmath>
#include <stdexcept>

#include "core/text.h"
#include "expr/expr.h"
#include "logdata/data_series.h"

namespace sm {

void TExpr::Bind(ExprSource& source) {
  source_ = &source;
  for (auto& a : args) a->Bind(source);
}

void TExpr::Prepare() {
  for (auto& a : args) a->Prepare();
}

int TExpr::Rows() const { return source_ ? source_->NumDays() * kRowsPerDay : 0; }

bool TExprAtFunc::IsValid() const {
  if (static_cast<int>(args.size()) < MinArgs()) return false;
  for (const auto& a : args)
    if (!a->IsValid()) return false;
  return true;
}

// Series -------------------------------------------------------------------

void TExprSeries::Bind(ExprSource& source) {
  TExpr::Bind(source);
  series_ = source.DataSeries(name);
}

float TExprSeries::ValueOfRow(int index, bool& valid) const {
  if (!series_ || index < 0 || static_cast<size_t>(index) >= series_->values.size() ||
      static_cast<size_t>(index) >= series_->status.size()) {
    valid = false;
    return 0;
  }
  valid = series_->status[static_cast<size_t>(index)] == 1;
  return series_->values[static_cast<size_t>(index)];
}

float TExprSeries::EvalFirst(bool& valid) {
  offset_ = series_ ? static_cast<int>(series_->values.size()) - Rows() : 0;
  return ValueOfRow(offset_, valid);
}

float TExprSeries::EvalAt(int row, bool& valid) { return ValueOfRow(offset_ + row, valid); }

void TExprRSeries::Prepare() {
  if (!series_ || series_->prepared) return;
  std::vector<float>& v = series_->values;
  const double limit = wide ? 65536.0 : 990.0;
  const double wrap = analog ? 65536.0 : 32768.0;
  if (!v.empty()) {
    double previous_reading = v[0];
    v[0] = 0;
    for (size_t i = 1; i < v.size(); ++i) {
      double d = static_cast<double>(v[i]) - previous_reading;
      // A counter that went back wrapped round; a finite d needs whole wraps.
      if (d < 0 && std::isfinite(d)) d += wrap * std::ceil(-d / wrap);
      const double last_increment = v[i - 1];
      if (analog) {
        if (d > limit) d = last_increment;
      } else if (d > 20 * limit) {
        d = last_increment <= 20 * limit ? 2 * last_increment : 0;
      }
      previous_reading = v[i];
      v[i] = static_cast<float>(d);
    }
  }
  TExpr::Prepare();
  series_->prepared = true;
}

void TExprTableSeries::Bind(ExprSource& source) {
  TExprSeries::Bind(source);
  table_ = source.Table(name);
}

float TExprTableSeries::Mapped(float value) const { return table_ ? table_->ValueAt(value) : value; }

float TExprTableSeries::EvalFirst(bool&) {
  // The first row's status is not looked at; the flag stays as it came.
  bool ignored = true;
  return Mapped(TExprSeries::EvalFirst(ignored));
}

float TExprTableSeries::EvalAt(int row, bool& valid) { return Mapped(TExprSeries::EvalAt(row, valid)); }

// Constants ------------------------------------------------------------------

float TExprFixed::EvalFirst(bool&) {
  std::string text = source_ ? source_->SiteConstant(name) : "1";
  double v;
  if (!TryParseDouble(text, v)) throw std::runtime_error("\"" + text + "\" is not a valid floating point value");
  value = static_cast<float>(v);
  return value;
}

float TExprGlob::EvalFirst(bool&) {
  if (name == "NumDays") return static_cast<float>(source_ ? source_->NumDays() : 0);
  return 900.0f;  // "Interval" is the rows' fixed spacing, not the load's
}

float TExprGlob::EvalAt(int, bool& valid) { return EvalFirst(valid); }

// Name collection -----------------------------------------------------------

void CollectSeriesNames(const TExpr& node, std::vector<std::string>& names) {
  if (auto* s = dynamic_cast<const TExprSeries*>(&node)) names.push_back(s->name);
  for (const auto& a : node.args) CollectSeriesNames(*a, names);
}

void CollectConstantNames(const TExpr& node, std::vector<std::string>& names) {
  auto* f = dynamic_cast<const TExprFixed*>(&node);
  if (f && !dynamic_cast<const TExprGlob*>(&node)) names.push_back(f->name);
  for (const auto& a : node.args) CollectConstantNames(*a, names);
}

}  // namespace sm
