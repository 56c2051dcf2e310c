#include <gtest/gtest.h>

#include "core/files.h"
#include "core/formats.h"
#include "logdata/csv_import.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

// Twenty days of quarter-hour rows: T is the day number, Water 10 + day.
class SmtoolBatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string csv = "DATE,TIME,T,Water\r\n";
    for (int d = 0; d < 20; ++d)
      for (int q = 0; q < 96; ++q)
        csv += FormatDateTime("yyyy-mm-dd,hh:nn", EncodeDate(2026, 1, 1) + d + q / 96.0, FixedFormats()) + "," +
               std::to_string(d) + "," + std::to_string(10 + d) + "\r\n";
    ImportCsvFile(home.Write("in.csv", csv), site(), CsvImportOptions{});
    home.Write("Farm/site.ini",
               "[Site]\r\nProcID=Farm\r\nReportCols=Temp,Water\r\n[Airspaces]\r\n1=House(H1)\r\n"
               "[Report Columns]\r\nTemp=@AVE(T)[1,C,,,,TModel]\r\nWater=@AVE(Water)[1,l]\r\n");
  }
  std::string site() const { return home / "Farm"; }
  test::ToolResult Run(std::vector<std::string> args) {
    return test::RunProgram(SMTOOL_PATH, args,
                            test::PrivateHomeEnvironment(home.path()));
  }
  test::TempDir home;
};

TEST_F(SmtoolBatchTest, DefineListSaveAsModelImportDelete) {
  auto define = Run({"batch", site(), "--airspace", "h1", "define", "--start", "2026-01-02", "--end", "2026-01-04"});
  ASSERT_EQ(define.exit_code, 0) << define.err;
  std::string file = site() + "/batches/H1" + std::to_string(Truncate(EncodeDate(2026, 1, 2))) + ".bch";
  auto list = Run({"batch", site(), "list"});
  EXPECT_EQ(list.out, "start,end,file\n2026-01-02,2026-01-04," + file + "\n");

  auto report = Run({"report", site(), "--batches"});
  ASSERT_EQ(report.exit_code, 0) << report.err;
  EXPECT_NE(report.out.find("\r\n2026-01-02,2.0 C,12.0 l\r\n"), std::string::npos) << report.out;

  auto save = Run({"model", site(), "save", "--start", "2026-01-02", home / "out.mdl"});
  ASSERT_EQ(save.exit_code, 0) << save.err;
  EXPECT_EQ(ReadLines(home / "out.mdl"),
            (std::vector<std::string>{"Date,TModel", "2026-01-02,1.00", "2026-01-03,2.00", "2026-01-04,3.00"}));

  auto import = Run({"model", site(), "import", home / "out.mdl"});
  ASSERT_EQ(import.exit_code, 0) << import.err;
  EXPECT_NE(import.out.find(",Temp,Water,\r\n"), std::string::npos) << import.out;
  EXPECT_NE(import.out.find("|black"), std::string::npos) << import.out;

  auto refused = Run({"batch", site(), "define", "--start", "2025-12-01", "--end", "2026-01-04"});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "smtool: Batch dates must be within batch parameters\n");

  EXPECT_EQ(Run({"batch", site(), "delete", "--start", "2026-01-02"}).exit_code, 0);
  EXPECT_FALSE(FileExists(file));
  EXPECT_EQ(Run({"batch", site(), "frobnicate"}).exit_code, 2);
}

}  // namespace
}  // namespace sm
