// The "@" functions of the expression language.
#pragma once

#include <memory>
#include <string_view>

#include "expr/expr.h"

namespace sm {

// A function node for an upper-case name ("@SUM"), or nullptr when the
// name is not a function of the language.
std::unique_ptr<TExprAtFunc> CreateFunction(std::string_view name);

// Aggregates over the loaded range, answered from a cache after EvalFirst.
class TExprTotal : public TExprAtFunc {
 public:
  int MinArgs() const override { return 1; }
  float EvalFirst(bool& valid) override;
  float EvalAt(int row, bool& valid) override;

 protected:
  float cache_ = 0;
  bool cache_valid_ = true;
};

class TExprAve : public TExprTotal {
 public:
  float EvalFirst(bool& valid) override;
};

class TExprMin : public TExprTotal {
 public:
  float EvalFirst(bool& valid) override;
};

class TExprMax : public TExprTotal {
 public:
  float EvalFirst(bool& valid) override;
};

class TExprRunTime : public TExprTotal {
 public:
  float EvalFirst(bool& valid) override;
};

// Per-day results, re-summed only when a row leaves the cached day.
class TExprDailyTotal : public TExprAtFunc {
 public:
  int MinArgs() const override { return 1; }
  float EvalFirst(bool& valid) override;
  float EvalAt(int row, bool& valid) override;

 protected:
  // The day's result from row `start`; `first` reads that row with EvalFirst.
  virtual float DayResult(int start, bool first, bool& valid);
  float cache_ = 0;
  bool cache_valid_ = true;
  int window_start_ = 0;
  int window_end_ = -1;
};

class TExprDailyMean : public TExprDailyTotal {
 protected:
  float DayResult(int start, bool first, bool& valid) override;
};

class TExprCombine : public TExprAtFunc {
 public:
  int MinArgs() const override { return 1; }
  float EvalFirst(bool& valid) override;
  float EvalAt(int row, bool& valid) override;
};

// Row-wise arithmetic over all arguments.
class TExprMult : public TExprAtFunc {
 public:
  int MinArgs() const override { return 1; }
  float EvalFirst(bool& valid) override { return Combine(-1, valid); }
  float EvalAt(int row, bool& valid) override { return Combine(row, valid); }

 protected:
  virtual double Apply(double acc, double v) const { return acc * v; }
  float Combine(int row, bool& valid);
};

class TExprSum : public TExprMult {
 protected:
  double Apply(double acc, double v) const override { return acc + v; }
};

class TExprMinus : public TExprMult {
 protected:
  double Apply(double acc, double v) const override { return acc - v; }
};

// Functions whose first argument is a fixed operand, evaluated once when
// it is a constant.
class TExprFixedOperand : public TExprAtFunc {
 public:
  int MinArgs() const override { return 2; }
  float EvalFirst(bool& valid) override;
  float EvalAt(int row, bool& valid) override;

 protected:
  virtual float Compute(double operand, int row, bool& valid) = 0;
  float Second(int row, bool& valid);  // the second argument at a row (-1: EvalFirst)
  bool constant_ = false;
  double operand_ = 0;
};

class TExprDiv : public TExprFixedOperand {
 protected:
  float Compute(double divisor, int row, bool& valid) override;
};

class TExprMod : public TExprFixedOperand {
 protected:
  float Compute(double divisor, int row, bool& valid) override;
};

class TExprPower : public TExprFixedOperand {
 protected:
  float Compute(double exponent, int row, bool& valid) override;
};

class TExprLinear : public TExprAtFunc {
 public:
  int MinArgs() const override { return 3; }
  float EvalFirst(bool& valid) override;
  float EvalAt(int row, bool& valid) override;

 private:
  double slope_ = 0, intercept_ = 0;
};

// The fall from the previous row to this one, within +-limit.
class TExprChange : public TExprAtFunc {
 public:
  int MinArgs() const override { return 2; }
  float EvalFirst(bool& valid) override;
  float EvalAt(int row, bool& valid) override;

 protected:
  virtual TExpr& Series() { return *args[1]; }
  virtual bool Accept(double d) const { return d >= -limit_ && d <= limit_; }
  float limit_ = 0;
};

class TExprNegChange : public TExprChange {
 public:
  int MinArgs() const override { return 1; }
  float EvalFirst(bool& valid) override;

 protected:
  TExpr& Series() override { return *args[0]; }
  bool Accept(double d) const override { return d >= 0; }
};

}  // namespace sm
