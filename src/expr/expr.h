// Expression trees: every report column and chart series is one. Values
// handed between nodes are single precision; each node rounds its result.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "expr/expr_source.h"

namespace sm {

// Rows per day the expression layer works with (a 900-second load).
constexpr int kRowsPerDay = 96;

class TExpr {
 public:
  virtual ~TExpr() = default;

  // Starts an evaluation over the loaded range; answers row 0 or the range
  // result. `valid` is set, left or passed on as each node's rule says.
  virtual float EvalFirst(bool& valid) = 0;
  // The value at a row, after EvalFirst.
  virtual float EvalAt(int row, bool& valid) = 0;
  // Attaches the tree to its source (data series, tables, constants).
  virtual void Bind(ExprSource& source);
  // Called after every load; by default prepares the arguments.
  virtual void Prepare();
  virtual bool IsValid() const { return true; }

  std::vector<std::unique_ptr<TExpr>> args;  // in written order

 protected:
  // Rows the layer considers: NumDays x 96.
  int Rows() const;
  ExprSource* source_ = nullptr;
};

// A logged series of the airspace, by name.
class TExprSeries : public TExpr {
 public:
  TExprSeries(std::string name, bool analog) : name(std::move(name)), analog(analog) {}
  float EvalFirst(bool& valid) override;
  float EvalAt(int row, bool& valid) override;
  void Bind(ExprSource& source) override;

  std::string name;
  bool analog;  // its kind code begins with "A"

 protected:
  // Value and status of a row of the data series (0 and invalid outside it).
  float ValueOfRow(int index, bool& valid) const;
  TDataSeries* series_ = nullptr;
  int offset_ = 0;
};

// A counter series ("^NAME", wide form "^^NAME"): readings become increments.
class TExprRSeries : public TExprSeries {
 public:
  TExprRSeries(std::string name, bool analog, bool wide) : TExprSeries(std::move(name), analog), wide(wide) {}
  void Prepare() override;
  bool wide;
};

// A series mapped through the lookup table of the same name ("%NAME").
class TExprTableSeries : public TExprSeries {
 public:
  using TExprSeries::TExprSeries;
  float EvalFirst(bool& valid) override;
  float EvalAt(int row, bool& valid) override;
  void Bind(ExprSource& source) override;

 private:
  float Mapped(float value) const;
  const TableLookup* table_ = nullptr;
};

class TExprConst : public TExpr {
 public:
  explicit TExprConst(float value) : value(value) {}
  float EvalFirst(bool&) override { return value; }
  float EvalAt(int, bool&) override { return value; }
  float value;
};

// A site constant ("~NAME"), read from site.ini when an evaluation starts.
class TExprFixed : public TExprConst {
 public:
  explicit TExprFixed(std::string name) : TExprConst(0), name(std::move(name)) {}
  float EvalFirst(bool& valid) override;
  std::string name;
};

// "NumDays" or "Interval".
class TExprGlob : public TExprFixed {
 public:
  using TExprFixed::TExprFixed;
  float EvalFirst(bool& valid) override;
  float EvalAt(int row, bool& valid) override;
};

// Functions written "@NAME(args)".
class TExprAtFunc : public TExpr {
 public:
  virtual int MinArgs() const = 0;
  bool IsValid() const override;
};

// Appends the resolved names of every series node, parents first, depth
// first, duplicates kept.
void CollectSeriesNames(const TExpr& node, std::vector<std::string>& names);
// The same for site constants, globals left out.
void CollectConstantNames(const TExpr& node, std::vector<std::string>& names);

}  // namespace sm
