#include <gtest/gtest.h>

#include <cmath>

#include "expr_fixture.h"

namespace sm {
namespace {

using Row = test::FakeAirspace::Row;
constexpr Row kNone{0, false};

// A day of rows: the given ones, then rows without data.
std::vector<Row> Day(std::vector<Row> rows, int days = 1) {
  rows.resize(static_cast<size_t>(kRowsPerDay * days), kNone);
  return rows;
}

class EvalTest : public ::testing::Test {
 protected:
  test::FakeAirspace air;
  test::RowResult Rows(const std::string& text, int rows) {
    auto tree = air.Build(text);
    EXPECT_TRUE(tree) << text;
    return tree ? test::EvalRows(*tree, rows) : test::RowResult{};
  }
};

TEST_F(EvalTest, RowWiseFunctions) {
  air.AddSeries("A", "N", Day({{4}, {0}, {-10}, {23.5f}, {100, false}}));
  air.AddSeries("B", "N", Day({{2}, {3, false}, {5}, {1}, {1}}));
  struct Case {
    const char* text;
    std::vector<float> values;
    std::vector<bool> valid;
  } cases[] = {
      {"@SUM(A,B,1)", {7, 4, -4, 25.5f, 102}, {1, 0, 1, 1, 1}},
      {"@MINUS(A,B)", {2, -3, -15, 22.5f, 99}, {1, 0, 1, 1, 1}},
      {"@MULT(A,B)", {8, 0, -50, 23.5f, 100}, {1, 0, 1, 1, 1}},
      {"@DIV(2,A)", {2, 0, -5, 11.75f, 50}, {1, 1, 1, 1, 0}},
      {"@DIV(A,2)", {0.5f, 0, -0.2f, 2 / 23.5f, 0.02f}, {1, 0, 1, 1, 0}},
      {"@MOD(7,A)", {4, 0, -3, 3, 2}, {1, 1, 1, 1, 0}},
      {"@POWER(2,A)", {16, 0, 100, 552.25f, 10000}, {1, 1, 1, 1, 0}},
      {"@POWER(0,A)", {1, 1, 1, 1, 1}, {1, 1, 1, 1, 0}},
      {"@POWER(0.5,A)", {2, 0, 0, std::sqrt(23.5f), 10}, {1, 1, 1, 1, 0}},
      {"@LINEAR(A,0,32,100,212)", {39.2f, 32, 14, 74.3f, 212}, {1, 1, 1, 1, 0}},
      {"@LINEAR(A,5,1,5,2)", {0, 0, 0, 0, 0}, {1, 1, 1, 1, 0}},
      {"@LINEAR(A,2,1)", {9, 1, -19, 48, 201}, {1, 1, 1, 1, 0}},
      {"@COMBINE(A,B)", {3, 0, -2.5f, 12.25f, 1}, {1, 1, 1, 1, 1}},
      {"@CHANGE(12,A)", {0, 4, 10, 0, 0}, {1, 1, 1, 1, 0}},
      {"@NEGCHANGE(A)", {0, 4, 10, 0, 0}, {1, 1, 1, 1, 0}},
  };
  for (const auto& c : cases) {
    test::RowResult r = Rows(c.text, 5);
    for (size_t i = 0; i < c.values.size() && i < r.values.size(); ++i) {
      EXPECT_FLOAT_EQ(r.values[i], c.values[i]) << c.text << " row " << i;
      EXPECT_EQ(r.valid[i], c.valid[i]) << c.text << " row " << i;
    }
  }
}

TEST_F(EvalTest, CombineUsesOnlyValidArgumentsAndKeepsTheFlag) {
  air.AddSeries("A", "N", Day({{7, false}}));
  air.AddSeries("B", "N", Day({{3}}));
  auto tree = air.Build("@COMBINE(A,B)");
  bool valid = true;
  EXPECT_EQ(tree->EvalFirst(valid), 3);
  EXPECT_TRUE(valid);
}

TEST_F(EvalTest, RangeAggregates) {
  air.num_days = 2;
  std::vector<Row> rows(2 * kRowsPerDay, Row{1});
  rows[0] = {5, false};  // @TOTAL counts row 0 whatever its validity
  rows[10] = {-4};
  rows[20] = {9, false};
  rows[30] = {8};
  air.AddSeries("A", "N", rows);
  struct Case {
    const char* text;
    float value;
  } cases[] = {
      {"@TOTAL(A)", 5 + 188 - 4 + 8},      // row 0, then the valid rows 1..191
      {"@AVE(A)", (188 - 4 + 8) / 190.0f},  // valid rows: all but rows 0 and 20
      {"@MIN(A)", -4},
      {"@MAX(A)", 8},
      {"@RUNTIME(A)", (188 + 5 + 9 + 8) * 9.0f / 3600},  // positive rows, valid or not
      {"NumDays", 2},
  };
  for (const auto& c : cases) {
    auto tree = air.Build(c.text);
    ASSERT_TRUE(tree) << c.text;
    bool valid = true;
    EXPECT_FLOAT_EQ(tree->EvalFirst(valid), c.value) << c.text;
    EXPECT_FLOAT_EQ(tree->EvalAt(150, valid), c.value) << c.text << " from the cache";
  }
}

TEST_F(EvalTest, DayFunctionsFollowTheRow) {
  air.num_days = 2;
  std::vector<Row> rows(2 * kRowsPerDay, Row{1});
  for (int r = kRowsPerDay; r < 2 * kRowsPerDay; ++r) rows[r] = {2};
  rows[100] = {50, false};
  air.AddSeries("A", "N", rows);
  test::RowResult total = Rows("@DAILYTOT(A)", 2 * kRowsPerDay);
  EXPECT_EQ(total.values[0], 96);
  EXPECT_EQ(total.values[95], 96);
  EXPECT_EQ(total.values[96], 95 * 2 + 50);  // the day's total ignores validity
  EXPECT_EQ(total.values[191], 240);
  test::RowResult mean = Rows("@DAILYMEAN(A)", 2 * kRowsPerDay);
  EXPECT_EQ(mean.values[10], 1);
  EXPECT_EQ(mean.values[96], 2);
  air.AddSeries("E", "N", Day({}, 2));
  auto empty = air.Build("@AVE(E)");
  bool valid = true;
  EXPECT_EQ(empty->EvalFirst(valid), 0);
}

TEST_F(EvalTest, CounterIncrements) {
  air.AddSeries("C", "N", Day({{100}, {150}, {40}}));
  air.AddSeries("D", "A", Day({{10}, {20}, {5}}));
  air.AddSeries("W", "N", Day({{100}, {30000}, {60000}}));
  air.AddSeries("V", "N", Day({{100}, {30000}, {60000}}));
  struct Case {
    const char* text;
    std::vector<float> values;
  } cases[] = {
      {"^C", {0, 50, 100}},    // 40 - 150 wraps past 19800: twice the last step
      {"^D", {0, 10, 10}},     // 5 - 20 wraps past 990: the last step again
      {"^^W", {0, 29900, 30000}},
      {"^V", {0, 0, 0}},  // steps beyond 19800 take twice the last step, which is 0
  };
  for (const auto& c : cases) {
    test::RowResult r = Rows(c.text, 3);
    EXPECT_EQ(r.values, c.values) << c.text;
  }
}

TEST_F(EvalTest, CounterConversionRunsOncePerLoad) {
  air.AddSeries("C", "N", Day({{100}, {150}, {170}}));
  auto counter = air.Build("^C");
  auto plain = air.Build("C");  // shares the data series, sees the increments
  counter->Prepare();
  EXPECT_EQ(test::EvalRows(*plain, 3).values, (std::vector<float>{0, 50, 20}));
}

TEST_F(EvalTest, ConstantsAndTables) {
  air.AddSeries("A", "N", Day({{11.6f}, {3}, {12.5f, false}}));
  air.tables["A"].rows = {{11, 110}, {12, 120}};
  air.constants["K"] = "2.5";
  EXPECT_EQ(Rows("%A", 3).values, (std::vector<float>{110, -1, 120}));
  EXPECT_EQ(Rows("%A", 3).valid, (std::vector<bool>{true, true, false}));
  EXPECT_EQ(Rows("@MULT(~K,2)", 1).values[0], 5);
  EXPECT_EQ(Rows("~Unset", 1).values[0], 1);
  EXPECT_EQ(Rows("Interval", 1).values[0], 900);
  air.constants["Bad"] = "lots";
  auto bad = air.Build("~Bad");
  bool valid = true;
  EXPECT_THROW(bad->EvalFirst(valid), std::runtime_error);
}

TEST_F(EvalTest, OverflowNeverLeavesANode) {
  air.AddSeries("A", "N", Day({{1e30f}, {-1e30f}, {0}}));
  for (const char* text : {"@MULT(A,A)", "@DIV(0.000000000000000000000000001,A)", "@POWER(5,A)", "@SUM(A,A,A,A,A,A,A,A,A,A,A,A)",
                           "@LINEAR(A,1000000000,0)", "@DAILYTOT(@MULT(A,1000000000))"}) {
    test::RowResult r = Rows(text, 3);
    for (float v : r.values) EXPECT_TRUE(std::isfinite(v)) << text;
  }
}

}  // namespace
}  // namespace sm
