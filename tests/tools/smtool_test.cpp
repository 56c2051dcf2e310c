#include <gtest/gtest.h>

#include "core/version.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

class SmtoolTest : public ::testing::Test {
 protected:
  test::TempDir home;
  test::ToolResult Run(const std::vector<std::string>& args) {
    return test::RunProgram(SMTOOL_PATH, args,
                            test::PrivateHomeEnvironment(home.path()));
  }
};

TEST_F(SmtoolTest, HelpVersionAndUsageErrors) {
  auto help = Run({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.out.find("settings"), std::string::npos);
  auto version = Run({"--version"});
  EXPECT_EQ(version.out, "smtool " + VersionInfoString("FileVersion") + "\n");
  auto one = Run({"help", "settings"});
  EXPECT_EQ(one.exit_code, 0);
  EXPECT_EQ(one.out.rfind("usage: smtool settings", 0), 0u);

  auto unknown = Run({"frobnicate"});
  EXPECT_EQ(unknown.exit_code, 2);
  EXPECT_EQ(unknown.err.rfind("smtool: unknown command \"frobnicate\"", 0), 0u);
  auto wrong = Run({"settings", "a", "b", "c"});
  EXPECT_EQ(wrong.exit_code, 2);
  EXPECT_NE(wrong.err.find("usage: smtool settings"), std::string::npos);
  auto bad_option = Run({"settings", "--nope"});
  EXPECT_EQ(bad_option.exit_code, 2);
}

TEST_F(SmtoolTest, SettingsReadAndWriteByName) {
  auto all = Run({"settings"});
  ASSERT_EQ(all.exit_code, 0) << all.err;
  EXPECT_EQ(all.out.rfind("name,type,value\n", 0), 0u);
  EXPECT_NE(all.out.find("\nReportInterval,integer,900\n"), std::string::npos);
  EXPECT_NE(all.out.find("\nMainLogDir,text," + home.path() + "/share/stallminder/Data\n"), std::string::npos);
  EXPECT_NE(all.out.find("\nAutoPrinter,text,\"No AutoPrinter Set\"\n"), std::string::npos);

  EXPECT_EQ(Run({"settings", "GMTOffset", "3"}).exit_code, 0);
  EXPECT_EQ(Run({"settings", "gmtoffset"}).out, "3\n");
  auto bad = Run({"settings", "GMTOffset", "three"});
  EXPECT_EQ(bad.exit_code, 1);
  EXPECT_EQ(bad.err, "smtool: setting GMTOffset takes integer values, not \"three\"\n");
}

}  // namespace
}  // namespace sm
