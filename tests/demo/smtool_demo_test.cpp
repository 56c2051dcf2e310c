// smtool demo as a user runs it: the same options give the same files, a
// site already there is kept unless --force, and a template of the user's
// own is never overwritten.
#include <filesystem>
#include <map>

#include "core/files.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace sm::test {
namespace {

class SmtoolDemoTest : public ::testing::Test {
 protected:
  ToolResult Demo(std::vector<std::string> args) {
    args.insert(args.begin(), "demo");
    return RunProgram(SMTOOL_PATH, args, PrivateHomeEnvironment(home.path()));
  }
  // Every file under a folder, by relative path.
  static std::map<std::string, std::string> Files(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
      if (e.is_regular_file())
        files[std::filesystem::relative(e.path(), folder).string()] = ReadFileBytes(e.path().string());
    return files;
  }
  TempDir home;
};

TEST_F(SmtoolDemoTest, SameOptionsGiveTheSameBytes) {
  const std::vector<std::string> options{"--days", "3", "--end", "2025-07-01", "--seed", "7"};
  std::vector<std::string> a{home / "a"}, b{home / "b"};
  a.insert(a.end(), options.begin(), options.end());
  b.insert(b.end(), options.begin(), options.end());
  ToolResult first = Demo(a);
  ASSERT_EQ(first.exit_code, 0) << first.err;
  EXPECT_EQ(first.out.substr(0, first.out.find('\n')),
            "Demo1: 3 days, 2025-06-29 to 2025-07-01, in " + (home / "a/Demo1"));
  ASSERT_EQ(Demo(b).exit_code, 0);
  const auto files = Files(home / "a");
  EXPECT_EQ(files, Files(home / "b"));
  for (const char* name : {"smt.dat", "Demo1/site.ini", "Demo1/smuser.ini", "Demo1/1dmo.ste",
                           "Demo1/smcdata/fans.smc", "Demo1/mdldata/Target.mdl", "Demo1/1dmo-2025-07-01-0000.smd",
                           "Demo1/1dmo-2025-07-02-0000.smd"})
    EXPECT_TRUE(files.count(name)) << name;
  EXPECT_TRUE(std::filesystem::is_directory(home / "a/Demo1/csvdata"));

  b.back() = "8";  // another seed, other data
  b.push_back("--force");
  ASSERT_EQ(Demo(b).exit_code, 0);
  EXPECT_NE(Files(home / "b")["Demo1/1dmo-2025-07-01-0000.smd"], files.at("Demo1/1dmo-2025-07-01-0000.smd"));
}

TEST_F(SmtoolDemoTest, KeepsASiteUnlessForcedAndNeverATemplateOfTheUsers) {
  const std::string main = home / "main";
  ASSERT_EQ(Demo({main, "--days", "2", "--site", "Farm"}).exit_code, 0);
  // Data files from a longer run do not linger after a shorter one.
  ASSERT_EQ(Demo({main, "--days", "4", "--site", "Farm", "--force"}).exit_code, 0);
  const auto before = Files(main);

  ToolResult again = Demo({main, "--days", "2", "--site", "Farm"});
  EXPECT_EQ(again.exit_code, 1);
  EXPECT_EQ(again.err, "smtool: " + main + "/Farm already holds a site (site.ini); --force replaces it\n");
  EXPECT_EQ(Files(main), before);

  WriteFileAtomically(main + "/smt.dat", "[Report Columns]\r\nMine=T\r\n");
  ToolResult forced = Demo({main, "--days", "2", "--site", "Farm", "--force"});
  ASSERT_EQ(forced.exit_code, 0) << forced.err;
  EXPECT_NE(forced.out.find("template: " + main + "/Farm/smt.dat (the Main Logging Directory's smt.dat differs"),
            std::string::npos)
      << forced.out;
  EXPECT_EQ(ReadFileBytes(main + "/smt.dat"), "[Report Columns]\r\nMine=T\r\n");
  EXPECT_EQ(ReadFileBytes(main + "/Farm/smt.dat"), before.at("smt.dat"));
  EXPECT_EQ(ListFiles(main + "/Farm", "*.smd").size(), 3u) << "two days and the closing midnight";

  EXPECT_EQ(Demo({main, "--days", "0", "--site", "Other"}).exit_code, 1);
  EXPECT_EQ(Demo({main, "--days", "x"}).exit_code, 1);
  EXPECT_EQ(Demo({main, "--end", "2025-13-01"}).exit_code, 1);
  EXPECT_EQ(Demo({main, "--site", "../x"}).exit_code, 1);
  EXPECT_EQ(Demo({}).exit_code, 2);
}

}  // namespace
}  // namespace sm::test
