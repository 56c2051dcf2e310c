#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "core/files.h"
#include "core/startup.h"
#include "core/version.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::FakeUiHost ui;
  FixedClock clock{EncodeDateTime(2026, 12, 11, 8, 0, 0)};

  Environment Env() const {
    Environment env;
    env.registry_path = dir / "config/registry.ini";
    env.data_home = dir / "share";
    env.desktop_folder = dir / "Desktop";
    env.temp_folder = dir / "tmp";
    env.program_folder = dir / "bin/";
    CreateDirectories(env.program_folder);
    CreateDirectories(env.desktop_folder);
    return env;
  }
};

TEST_F(StartupTest, FirstRunCreatesFoldersAndUsesDefaults) {
  AppContext ctx(ui, clock, Env());
  StartProgramState(ctx, FixedFormats());
  EXPECT_EQ(ctx.folders.main_log_dir, dir / "share/stallminder/Data/");
  EXPECT_TRUE(DirectoryExists(ctx.folders.main_log_dir));
  EXPECT_TRUE(DirectoryExists(dir / "Desktop/orvex data"));
  EXPECT_EQ(ctx.folders.program, dir / "bin/");
  EXPECT_EQ(ctx.stored_status.view_end, ctx.Today());
  EXPECT_TRUE(ctx.version_changed);
  EXPECT_EQ(ctx.settings->ReadString("ProgDir", ""), dir / "bin/");
  EXPECT_EQ(ctx.settings->ReadString("Version", ""), VersionInfoString("FileVersion"));
  EXPECT_TRUE(ctx.formats.FixedInForce());
  EXPECT_FALSE(ctx.global_template);
  EXPECT_TRUE(ui.events.empty());

  ctx.stored_status.site_name = "Farm";
  ShutdownProgramState(ctx);
  EXPECT_EQ(TIniReg(ctx.env.registry_path, "Settings").ReadString("SiteName", ""), "Farm");
  std::vector<std::string> log = ReadLines(dir / "share/stallminder/Data/SMErrLog.txt");
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "*** Closing: 2026-12-11 08:00:00 ***");

  AppContext second(ui, clock, Env());
  StartProgramState(second, FixedFormats());
  EXPECT_FALSE(second.version_changed);
}

TEST_F(StartupTest, DroppedFilesMoveOnlyWhenCopied) {
  Environment env = Env();
  dir.Write("Desktop/orvex data/sminit.dat", "init");
  dir.Write("Desktop/orvex data/smt.dat", "[Chart Views]\r\n");
  AppContext ctx(ui, clock, env);
  StartProgramState(ctx, FixedFormats());
  EXPECT_EQ(test::Slurp(dir / "bin/sminit.dat"), "init");
  EXPECT_FALSE(FileExists(dir / "Desktop/orvex data/sminit.dat"));
  EXPECT_FALSE(FileExists(dir / "Desktop/orvex data/smt.dat"));
  ASSERT_TRUE(ctx.global_template);
  EXPECT_TRUE(ctx.global_template->SectionExists("Chart Views"));

  // A program folder that cannot take the file leaves it on the desktop.
  Environment blocked = Env();
  blocked.program_folder = dir / "no/such/folder/";
  dir.Write("Desktop/orvex data/sminit.dat", "init2");
  AppContext again(ui, clock, blocked);
  StartProgramState(again, FixedFormats());
  EXPECT_TRUE(FileExists(dir / "Desktop/orvex data/sminit.dat"));
}

TEST_F(StartupTest, MissingStoredLogDirIsAskedForUntilUsable) {
  Environment env = Env();
  dir.Write("afile", "x");
  TIniReg(env.registry_path, "Settings").WriteString("MainLogDir", dir / "gone/deeper/Data");
  ui.input_answers = {std::nullopt, dir / "afile", dir / "Mine"};
  AppContext ctx(ui, clock, env);
  StartProgramState(ctx, FixedFormats());
  EXPECT_EQ(ctx.folders.main_log_dir, dir / "Mine/");
  EXPECT_EQ(ctx.settings->ReadString("MainLogDir", ""), dir / "Mine");
  EXPECT_EQ(std::count(ui.events.begin(), ui.events.end(), "input: Main Logging Directory"), 3);
}

TEST_F(StartupTest, StoredLogDirThatCanBeCreatedIsCreatedSilently) {
  Environment env = Env();
  TIniReg(env.registry_path, "Settings").WriteString("MainLogDir", dir / "Logs");
  AppContext ctx(ui, clock, env);
  StartProgramState(ctx, FixedFormats());
  EXPECT_EQ(ctx.folders.main_log_dir, dir / "Logs/");
  EXPECT_TRUE(ui.events.empty());
}

TEST_F(StartupTest, DesktopFolderThatCannotBeCreatedWarnsAndGoesOn) {
  Environment env = Env();
  dir.Write("plainfile", "x");
  env.desktop_folder = dir / "plainfile";
  AppContext ctx(ui, clock, env);
  StartProgramState(ctx, FixedFormats());
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Cannot create Orvex Data directory on Desktop"}));
  EXPECT_FALSE(ctx.folders.main_log_dir.empty());
}

TEST_F(StartupTest, NoDesktopAtAllIsNoWarning) {
  Environment env = Env();
  env.desktop_folder = dir / "no-desktop-here";
  AppContext ctx(ui, clock, env);
  StartProgramState(ctx, FixedFormats());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "no-desktop-here"));
}

TEST_F(StartupTest, ToolRoleLeavesWindowTracesAlone) {
  Environment env = Env();
  dir.Write("Desktop/orvex data/smt.dat", "[x]\r\n");
  AppContext ctx(ui, clock, env);
  StartProgramState(ctx, FixedFormats(), ProgramRole::Tool);
  EXPECT_FALSE(ctx.error_log);
  EXPECT_EQ(ctx.settings->ReadString("ProgDir", "unset"), "unset");
  EXPECT_EQ(ctx.settings->ReadString("Version", "unset"), "unset");
  EXPECT_TRUE(FileExists(dir / "Desktop/orvex data/smt.dat"));
}

TEST(Version, NumberOfVersionText) {
  EXPECT_EQ(VersionNumberOf("3.0.5.2"), 3052);
  EXPECT_EQ(VersionNumberOf("3.0.5b"), -1);
  EXPECT_EQ(VersionNumberOf(""), -1);
  EXPECT_GE(ProgramVersionNumber(), 0);
}

}  // namespace
}  // namespace sm
