#include "expr/functions.h"

#include <cmath>
#include <cstdint>

#include "core/datetime.h"

namespace sm {
namespace {

// A result that overflowed from finite inputs becomes 0: no NaN or infinity
// leaves a node unless one came in.
float Single(double v, bool inputs_finite = true) {
  float f = static_cast<float>(v);
  return (!std::isfinite(f) && inputs_finite) ? 0.0f : f;
}

bool IsConstantNode(const TExpr& node) { return dynamic_cast<const TExprConst*>(&node) != nullptr; }

// The argument at a row: EvalFirst for row -1, else EvalAt.
float At(TExpr& node, int row, bool& valid) { return row < 0 ? node.EvalFirst(valid) : node.EvalAt(row, valid); }

}  // namespace

std::unique_ptr<TExprAtFunc> CreateFunction(std::string_view name) {
  if (name == "@TOTAL") return std::make_unique<TExprTotal>();
  if (name == "@DAILYTOT") return std::make_unique<TExprDailyTotal>();
  if (name == "@DAILYMEAN") return std::make_unique<TExprDailyMean>();
  if (name == "@COMBINE") return std::make_unique<TExprCombine>();
  if (name == "@AVE") return std::make_unique<TExprAve>();
  if (name == "@MIN") return std::make_unique<TExprMin>();
  if (name == "@MAX") return std::make_unique<TExprMax>();
  if (name == "@RUNTIME") return std::make_unique<TExprRunTime>();
  if (name == "@MULT") return std::make_unique<TExprMult>();
  if (name == "@DIV") return std::make_unique<TExprDiv>();
  if (name == "@MOD") return std::make_unique<TExprMod>();
  if (name == "@SUM" || name == "@PLUS") return std::make_unique<TExprSum>();
  if (name == "@CHANGE") return std::make_unique<TExprChange>();
  if (name == "@NEGCHANGE") return std::make_unique<TExprNegChange>();
  if (name == "@MINUS") return std::make_unique<TExprMinus>();
  if (name == "@POWER") return std::make_unique<TExprPower>();
  if (name == "@LINEAR") return std::make_unique<TExprLinear>();
  return nullptr;
}

// Range aggregates -----------------------------------------------------------

float TExprTotal::EvalAt(int, bool& valid) {
  valid = cache_valid_;
  return cache_;
}

float TExprTotal::EvalFirst(bool& valid) {
  TExpr& a = *args[0];
  double sum = a.EvalFirst(valid);  // row 0 counts whatever its validity
  const int n = Rows();
  for (int r = 1; r < n; ++r) {
    valid = true;
    float v = a.EvalAt(r, valid);
    if (valid) sum += v;
  }
  cache_ = Single(sum, std::isfinite(sum));
  cache_valid_ = valid;
  return cache_;
}

float TExprAve::EvalFirst(bool& valid) {
  TExpr& a = *args[0];
  bool ignored = true;
  a.EvalFirst(ignored);
  double sum = 0;
  int count = 0;
  const int n = Rows();
  for (int r = 0; r < n; ++r) {
    valid = true;
    float v = a.EvalAt(r, valid);
    if (valid) {
      sum += v;
      ++count;
    }
  }
  cache_ = Single(sum / std::max(count, 1), std::isfinite(sum));
  cache_valid_ = valid;
  return cache_;
}

float TExprMin::EvalFirst(bool& valid) {
  TExpr& a = *args[0];
  float m = a.EvalFirst(valid);
  for (int r = Rows() - 1; r >= 0; --r) {
    valid = true;
    float v = a.EvalAt(r, valid);
    if (valid && v < m) m = v;
  }
  cache_ = m;
  cache_valid_ = valid;
  return cache_;
}

float TExprMax::EvalFirst(bool& valid) {
  TExpr& a = *args[0];
  float m = a.EvalFirst(valid);
  for (int r = Rows() - 1; r >= 0; --r) {
    valid = true;
    float v = a.EvalAt(r, valid);
    if (valid && v > m) m = v;
  }
  cache_ = m;
  cache_valid_ = valid;
  return cache_;
}

float TExprRunTime::EvalFirst(bool& valid) {
  TExpr& a = *args[0];
  bool ignored = true;
  a.EvalFirst(ignored);
  const double interval = source_ ? source_->ReportInterval() : 900;
  double seconds = 0;
  const int n = Rows();
  for (int r = 0; r < n; ++r) {
    valid = true;
    float v = a.EvalAt(r, valid);
    if (v > 0) seconds += v * interval / 100;  // the value is the percentage of the row's time it ran
  }
  cache_ = Single(seconds / 3600, std::isfinite(seconds));
  cache_valid_ = valid;
  return cache_;
}

// Day functions ----------------------------------------------------------------

float TExprDailyTotal::DayResult(int start, bool first, bool& valid) {
  TExpr& a = *args[0];
  double sum = 0;
  for (int r = start; r < start + kRowsPerDay; ++r) {
    valid = true;
    sum += first && r == start ? a.EvalFirst(valid) : a.EvalAt(r, valid);
  }
  return Single(sum, std::isfinite(sum));
}

float TExprDailyMean::DayResult(int start, bool first, bool& valid) {
  TExpr& a = *args[0];
  double sum = 0;
  int count = 0;
  for (int r = start; r < start + kRowsPerDay; ++r) {
    valid = true;
    float v = first && r == start ? a.EvalFirst(valid) : a.EvalAt(r, valid);
    if (valid) {
      sum += v;
      ++count;
    }
  }
  return count ? Single(sum / count, std::isfinite(sum)) : 0.0f;
}

float TExprDailyTotal::EvalFirst(bool& valid) {
  window_start_ = 0;
  window_end_ = kRowsPerDay - 1;
  cache_ = DayResult(0, true, valid);
  cache_valid_ = valid;
  return cache_;
}

float TExprDailyTotal::EvalAt(int row, bool& valid) {
  if (row < window_start_ || row > window_end_) {
    window_start_ = row / kRowsPerDay * kRowsPerDay;
    window_end_ = window_start_ + kRowsPerDay - 1;
    cache_ = DayResult(window_start_, false, valid);
    cache_valid_ = valid;
  }
  valid = cache_valid_;
  return cache_;
}

float TExprCombine::EvalFirst(bool&) {
  double sum = 0;
  int count = 0;
  for (auto& a : args) {
    bool own = true;
    float v = a->EvalFirst(own);
    if (own) {
      sum += v;
      ++count;
    }
  }
  return count ? Single(sum / count, std::isfinite(sum)) : 0.0f;
}

float TExprCombine::EvalAt(int row, bool&) {
  double sum = 0;
  int count = 0;
  for (auto& a : args) {
    bool own = true;
    float v = a->EvalAt(row, own);
    if (own) {
      sum += v;
      ++count;
    }
  }
  return count ? Single(sum / count, std::isfinite(sum)) : 0.0f;
}

// Row-wise arithmetic ----------------------------------------------------------

float TExprMult::Combine(int row, bool& valid) {
  bool finite = true;
  double acc = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    float v = At(*args[i], row, valid);
    finite = finite && std::isfinite(v);
    acc = i == 0 ? v : Apply(static_cast<float>(acc), v);
  }
  return Single(acc, finite);
}

float TExprFixedOperand::Second(int row, bool& valid) { return At(*args[1], row, valid); }

float TExprFixedOperand::EvalFirst(bool& valid) {
  operand_ = args[0]->EvalFirst(valid);
  if (IsConstantNode(*args[0])) constant_ = true;
  return Compute(operand_, -1, valid);
}

float TExprFixedOperand::EvalAt(int row, bool& valid) {
  if (!constant_) operand_ = args[0]->EvalAt(row, valid);
  return Compute(operand_, row, valid);
}

float TExprDiv::Compute(double divisor, int row, bool& valid) {
  if (divisor == 0) {
    valid = false;
    return 0;
  }
  float n = Second(row, valid);
  return Single(n / divisor, std::isfinite(n) && std::isfinite(divisor));
}

float TExprMod::Compute(double divisor, int row, bool& valid) {
  if (!std::isfinite(divisor) || std::fabs(divisor) > 9e18) {
    valid = false;
    return 0;
  }
  int64_t d = RoundHalfEven(divisor);
  if (d == 0) {
    valid = false;
    return 0;
  }
  float n = Second(row, valid);
  if (!std::isfinite(n) || std::fabs(n) > 9e18) return std::isfinite(n) ? 0.0f : n;
  return static_cast<float>(RoundHalfEven(n) % d);  // C++ keeps the sign of n
}

float TExprPower::Compute(double exponent, int row, bool& valid) {
  float base = Second(row, valid);
  double result = std::pow(static_cast<double>(base), exponent);
  if (!std::isfinite(result) || std::isnan(result)) return 0;  // any arithmetic error
  return Single(result);
}

float TExprLinear::EvalFirst(bool& valid) {
  bool scratch = true;
  if (args.size() >= 5) {
    double x1 = args[1]->EvalFirst(scratch), y1 = args[2]->EvalFirst(scratch);
    double x2 = args[3]->EvalFirst(scratch), y2 = args[4]->EvalFirst(scratch);
    if (x1 == x2 || !std::isfinite((y2 - y1) / (x2 - x1))) {
      slope_ = intercept_ = 0;
      valid = false;
    } else {
      slope_ = (y2 - y1) / (x2 - x1);
      intercept_ = y1 - x1 * slope_;
    }
  } else {
    slope_ = args[1]->EvalFirst(scratch);
    intercept_ = args[2]->EvalFirst(scratch);
  }
  float x = args[0]->EvalFirst(valid);
  return Single(x * slope_ + intercept_, std::isfinite(x));
}

float TExprLinear::EvalAt(int row, bool& valid) {
  float x = args[0]->EvalAt(row, valid);
  return Single(x * slope_ + intercept_, std::isfinite(x));
}

float TExprChange::EvalFirst(bool& valid) {
  bool scratch = true;
  limit_ = args[0]->EvalFirst(scratch);
  Series().EvalFirst(valid);
  return 0;
}

float TExprNegChange::EvalFirst(bool& valid) {
  Series().EvalFirst(valid);
  return 0;
}

float TExprChange::EvalAt(int row, bool& valid) {
  TExpr& s = Series();
  if (row == 0) {
    s.EvalAt(0, valid);
    return 0;
  }
  bool scratch = true;
  float previous = s.EvalAt(row - 1, scratch);
  float current = s.EvalAt(row, valid);
  double d = static_cast<double>(previous) - current;
  return Accept(d) ? Single(d, std::isfinite(previous) && std::isfinite(current)) : 0.0f;
}

}  // namespace sm
