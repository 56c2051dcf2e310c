#include <gtest/gtest.h>

#include "logdata/csv_import.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

class SmtoolSiteTest : public ::testing::Test {
 protected:
  test::TempDir home;
  test::ToolResult Run(const std::vector<std::string>& args) {
    return test::RunProgram(SMTOOL_PATH, args,
                            test::PrivateHomeEnvironment(home.path()));
  }
};

TEST_F(SmtoolSiteTest, SitesListsTheDemoSiteOnAFirstRun) {
  auto r = Run({"sites"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "name,folder,siteid,serverindex,openable\nDemo1," + home.path() +
                       "/share/stallminder/Data/Demo1,1dmo,0,no\n");
}

TEST_F(SmtoolSiteTest, SiteShowsSpanSourcesAndTables) {
  std::string csv = home.Write("in.csv", "DATE,TIME,T1\r\n2026-03-01,00:00,20\r\n2026-03-02,06:30,21.5\r\n");
  CsvImportOptions options;
  ImportCsvFile(csv, home / "Farm", options);
  home.Write("Farm/smcdata/g.smc", "Day,Weight\r\n1,0.5\r\n");
  auto r = Run({"site", home / "Farm"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_NE(r.out.find("procid: Farm\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("start: 2026-03-01 00:00:00\nend: 2026-03-02 06:30:00\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("data source: " + home.path() + "/Farm/,*.smd,Farm.ste,ste (default)\n"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("series: 1\n"), std::string::npos);
  EXPECT_NE(r.out.find("lookup table: " + home.path() + "/Farm/smcdata/g.smc (1 rows: Weight)\n"), std::string::npos);

  auto missing = Run({"site", home / "nowhere"});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.err, "smtool: No site.ini file found\n");
}

}  // namespace
}  // namespace sm
