#include <gtest/gtest.h>

#include "core/files.h"
#include "core/text.h"
#include "logdata/data_file_name.h"
#include "logdata_fixture.h"
#include "support/run_tool.h"

namespace sm {
namespace {

using test::Describe;
using test::kNone;
using test::MakeSite;
using test::Records;
using test::Utc;

class SmtoolLogdataTest : public ::testing::Test {
 protected:
  test::TempDir home;
  test::ToolResult Run(const std::vector<std::string>& args) {
    return test::RunProgram(SMTOOL_PATH, args, test::PrivateHomeEnvironment(home.path()));
  }
  // Two days of 5-minute records with gaps and values of many shapes.
  test::SiteFolder MakeSiteA(double utc_offset = 0) {
    auto site = MakeSite(home, "A", Describe({{"Temp In", "T1", 0x30, "C"}, {"Fan", "F1", 0x21, ""},
                                              {"Water", "W1", 0x11, "l"}},
                                             utc_offset));
    const double shapes[] = {21.3, -0.125, 1e-5, 123456.7, 0, 1e20, 3.14159265358979, -40};
    for (int day = 0; day < 2; ++day) {
      std::vector<int64_t> times;
      std::vector<double> temp, fan, water;
      for (int k = 0; k < 288; ++k) {
        times.push_back(Utc(2024, 3, 1 + day) + k * 300);
        temp.push_back(k % 7 == 3 ? kNone : shapes[(k + day) % 8]);
        fan.push_back(k % 2 ? k : kNone);
        water.push_back(k < 100 ? kNone : 1000 + k / 10.0);
      }
      site.WriteDay(Records(times, {{"T1", temp}, {"F1", fan}, {"W1", water}}));
    }
    return site;
  }
};

TEST_F(SmtoolLogdataTest, ExportImportExportGivesTheSameBytes) {
  MakeSiteA();
  auto first = Run({"export", home / "A", "--from", "2024-02-29", "--to", "2024-03-02", "--out", home / "a.csv"});
  ASSERT_EQ(first.exit_code, 0) << first.err;
  auto import = Run({"import-csv", home / "a.csv", home / "B"});
  ASSERT_EQ(import.exit_code, 0) << import.err;
  EXPECT_EQ(import.err, "");
  auto again = Run({"export", home / "B", "--from", "2024-02-29", "--to", "2024-03-02"});
  ASSERT_EQ(again.exit_code, 0) << again.err;
  EXPECT_EQ(again.out, test::Slurp(home / "a.csv"));
  // (00:00, 00:15]: Temp has no 00:15 record, so its 00:10 value.
  EXPECT_NE(again.out.find("\r\n2024-03-01,00:15:00,1E-5,3,\r\n"), std::string::npos);
  EXPECT_NE(again.out.find(",1E20,"), std::string::npos);
  EXPECT_EQ(again.out.find("\r\n2024-03-03,"), std::string::npos);

  // Chosen series at every record, with the site column, which the import skips.
  std::vector<std::string> options{"--from", "2024-03-01", "--to", "2024-03-02", "--interval", "300",
                                   "--series", "fan,temp in", "--site-column"};
  auto with_site = [&](const std::string& site) {
    std::vector<std::string> args{"export", home / site};
    args.insert(args.end(), options.begin(), options.end());
    return Run(args);
  };
  auto a5 = with_site("A");
  EXPECT_EQ(a5.out.rfind("DATE,TIME,SITE,Temp In,Fan\r\n2024-03-01,00:00:00,A,21.3,\r\n", 0), 0u);
  home.Write("a5.csv", a5.out);
  ASSERT_EQ(Run({"import-csv", home / "a5.csv", home / "D"}).exit_code, 0);
  EXPECT_EQ(ReplaceAll(with_site("D").out, ",D,", ",A,"), a5.out);
}

TEST_F(SmtoolLogdataTest, RoundTripInTheLoggersLocalTime) {
  MakeSiteA(2);
  ASSERT_EQ(Run({"settings", "UseLogTime", "true"}).exit_code, 0);
  auto span = Run({"span", home / "A"});
  EXPECT_EQ(span.out, "start,end\n2024-03-01 02:00:00,2024-03-03 01:55:00\n");
  Run({"export", home / "A", "--from", "2024-03-01", "--to", "2024-03-03", "--out", home / "a.csv"});
  auto import = Run({"import-csv", home / "a.csv", home / "B", "--utc-offset", "2", "--procid", "Bee"});
  ASSERT_EQ(import.exit_code, 0) << import.err;
  EXPECT_TRUE(FileExists(home / "B/Bee-2024-03-01-0000.smd"));
  auto again = Run({"export", home / "B", "--from", "2024-03-01", "--to", "2024-03-03"});
  EXPECT_EQ(again.out, test::Slurp(home / "a.csv"));
}

TEST_F(SmtoolLogdataTest, CatalogAndSpan) {
  MakeSiteA();
  auto catalog = Run({"catalog", home / "A"});
  EXPECT_EQ(catalog.exit_code, 0);
  EXPECT_EQ(catalog.out, "index,name,id,kind\n0,\"Temp In\",T1,A\n1,Fan,F1,ST\n2,Water,W1,OO\n");
  EXPECT_EQ(Run({"span", home / "A"}).out, "start,end\n2024-03-01 00:00:00,2024-03-02 23:55:00\n");

  // A damaged last day is reported on standard error; the day before stands.
  const std::string last = home / ("A/" + DataFileName("A", Utc(2024, 3, 2)));
  WriteFileAtomically(last, ReadFileBytes(last).substr(0, 100));
  auto span = Run({"span", home / "A"});
  EXPECT_EQ(span.out, "start,end\n2024-03-01 00:00:00,2024-03-01 23:55:00\n");
  EXPECT_EQ(span.err, "smtool: " + last + ": truncated\n");
}

TEST_F(SmtoolLogdataTest, ImportNamesTheBadLineAndWritesNothing) {
  const std::string csv = home.Write("in.csv", "DATE,TIME,Temp\r\n2024-03-01,00:15,21.3\r\n2024-03-01,00:30\r\n");
  auto bad = Run({"import-csv", csv, home / "C", "--kind", "Temp=0x30"});
  EXPECT_EQ(bad.exit_code, 1);
  EXPECT_EQ(bad.err, "smtool: " + csv + ":3: expected 3 fields, found 2\n");
  EXPECT_FALSE(DirectoryExists(home / "C"));

  home.Write("in.csv", "DATE,TIME,Temp\r\n2024-03-01,00:15,21.3\r\n");
  EXPECT_EQ(Run({"import-csv", csv, home / "C", "--kind", "Temp=300"}).exit_code, 2);
  EXPECT_EQ(Run({"import-csv", csv, home / "C", "--kind", "Temp=0x30"}).exit_code, 0);
  EXPECT_EQ(Run({"catalog", home / "C"}).out, "index,name,id,kind\n0,Temp,Temp,A\n");
  auto clash = Run({"import-csv", csv, home / "C", "--procid", "Other"});
  EXPECT_EQ(clash.exit_code, 1);
  EXPECT_EQ(clash.err, "smtool: site.ini names ProcID C, not Other\n");
}

TEST_F(SmtoolLogdataTest, ExportUsageAndErrors) {
  MakeSiteA();
  EXPECT_EQ(Run({"export", home / "A", "--to", "2024-03-01"}).exit_code, 2);
  EXPECT_EQ(Run({"export", home / "A", "--from", "1.3.2024x", "--to", "2024-03-01"}).exit_code, 2);
  EXPECT_EQ(Run({"export", home / "A", "--from", "2024-03-01", "--to", "2024-03-01", "--interval", "0"}).exit_code, 2);
  auto unknown = Run({"export", home / "A", "--from", "2024-03-01", "--to", "2024-03-01", "--series", "Heat"});
  EXPECT_EQ(unknown.exit_code, 1);
  EXPECT_EQ(unknown.err, "smtool: unknown series \"Heat\"\n");
  auto missing = Run({"catalog", home / "nowhere"});
  EXPECT_EQ(missing.err, "smtool: No site.ini file found\n");
}

}  // namespace
}  // namespace sm
