#include <gtest/gtest.h>

#include "core/files.h"
#include "core/ini_file.h"
#include "logdata/csv_import.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

// Two days of 15-minute rows, values chosen so the results can be worked
// out by hand:
//   T   20 until noon and 22 after on 1 March; 18 on 2 March, one reading
//       missing at 06:00.
//   W   a counter rising 10 a row from 31768, so it passes 32767 and wraps
//       to 0 after 100 rows.
//   H1T the same as T but named with an airspace code.
class SmtoolEvalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string csv = "DATE,TIME,T,W,H1T\r\n";
    for (int row = 0; row < 192; ++row) {
      int day = row / 96, minutes = (row % 96) * 15;
      char time[8];
      std::snprintf(time, sizeof time, "%02d:%02d", minutes / 60, minutes % 60);
      std::string t = day == 0 ? (minutes < 720 ? "20" : "22") : (minutes == 360 ? "" : "18");
      int w = (31768 + 10 * row) % 32768;
      csv += std::string(day == 0 ? "2026-03-01," : "2026-03-02,") + time + "," + t + "," + std::to_string(w) +
             "," + t + "\r\n";
    }
    ImportCsvFile(home.Write("in.csv", csv), site(), CsvImportOptions{});
    IniFile ini(site() + "/site.ini");
    ini.WriteString("Airspaces", "A1", "House 1(H1)");
    ini.WriteString("House 1", "K", "2.5");
    ini.Save();
  }
  std::string site() const { return home / "Farm"; }
  test::ToolResult Eval(const std::string& expr, std::vector<std::string> more = {}) {
    std::vector<std::string> args{"eval", site(), "--expr", expr, "--from", "2026-03-01", "--to", "2026-03-03"};
    args.insert(args.end(), more.begin(), more.end());
    return test::RunProgram(SMTOOL_PATH, args,
                            test::PrivateHomeEnvironment(home.path()));
  }
  test::TempDir home;
};

TEST_F(SmtoolEvalTest, DailyFiguresWorkedOutByHand) {
  struct Case {
    const char* expr;
    std::vector<std::string> more;
    const char* out;
  } cases[] = {
      {"@DAILYMEAN(T)", {}, "2026-03-01,21,1\n2026-03-02,18,1\n"},
      {"@AVE(T)", {}, "2026-03-01,21,1\n2026-03-02,18,1\n"},
      {"@MIN(T)", {}, "2026-03-01,20,1\n2026-03-02,18,1\n"},
      {"@MAX(T)", {}, "2026-03-01,22,1\n2026-03-02,18,1\n"},
      // Increments: 0 for the load's first row, then 10 a row, the wrap included.
      {"@TOTAL(^W)", {}, "2026-03-01,950,1\n2026-03-02,960,1\n"},
      {"@DAILYTOT(^W)", {}, "2026-03-01,950,1\n2026-03-02,960,1\n"},
      {"@MULT(~K,#T)", {"--airspace", "h1"}, "2026-03-01,50,1\n2026-03-02,45,1\n"},
      {"@MULT(~K,T)", {}, "2026-03-01,20,1\n2026-03-02,18,1\n"},
      {"NumDays", {}, "2026-03-01,1,1\n2026-03-02,1,1\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> more = c.more;
    more.insert(more.end(), {"--mode", "days"});
    auto r = Eval(c.expr, more);
    EXPECT_EQ(r.exit_code, 0) << c.expr << r.err;
    EXPECT_EQ(r.out, std::string("date,value,valid\n") + c.out) << c.expr;
  }
}

TEST_F(SmtoolEvalTest, RowsAsAChartSeesThem) {
  auto r = Eval("T");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  std::vector<std::string> lines = SplitLines(r.out);
  ASSERT_EQ(lines.size(), 1u + 191u);  // the last row, at the range end, lies after the data
  EXPECT_EQ(lines[0], "time,value,valid");
  EXPECT_EQ(lines[1], "2026-03-01 00:00,20,1");
  EXPECT_EQ(lines[49], "2026-03-01 12:00,22,1");
  EXPECT_EQ(lines[97 + 24], "2026-03-02 06:00,18,0");  // no reading: the slot keeps its value
  auto numdays = Eval("NumDays");
  EXPECT_EQ(SplitLines(numdays.out)[5], "2026-03-01 01:00,2,1");
}

TEST_F(SmtoolEvalTest, ExpressionThatDoesNotParse) {
  auto r = Eval("@SUM(T+W)");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "smtool: expression does not parse: @SUM(T+W)\n");
  EXPECT_EQ(Eval("T", {"--mode", "weeks"}).exit_code, 2);
}

}  // namespace
}  // namespace sm
