// The new-version check: which file counts, what is asked, started or deleted.
#include <gtest/gtest.h>

#include "core/files.h"
#include "core/new_version.h"
#include "core/text.h"
#include "core/startup.h"
#include "support/fake_ui_host.h"
#include "support/private_environment.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

TEST(NewVersion, DecisionPerFileNameAndVersion) {
  using enum NewVersionStep;
  struct Case {
    std::vector<std::string> names;
    int program;
    NewVersionStep step;
    std::string file;
  } cases[] = {
      {{}, 3052, Nothing, ""},
      {{"readme.txt", "smt.dat"}, 3052, Nothing, ""},
      {{"smv3052.exe"}, 3052, DeleteFile, "smv3052.exe"},     // the same version
      {{"smv3052.exe"}, 3051, AskToInstall, "smv3052.exe"},   // newer than the program
      {{"smv3052.exe"}, 3100, DeleteFile, "smv3052.exe"},     // older
      {{"smv3052.exe"}, -1, AskToInstall, "smv3052.exe"},     // a program without a version
      {{"SMV3060.EXE"}, 3052, AskToInstall, "SMV3060.EXE"},   // letter case does not count
      {{"smv3060"}, 3052, AskToInstall, "smv3060"},           // the Linux name
      {{"smv3040.exe", "smv3060.exe"}, 3052, DeleteFile, "smv3040.exe"},  // only the first counts
      {{"smv.txt", "smv3060.tar", "smv3060.exe"}, 3052, AskToInstall, "smv3060.exe"},
  };
  for (const Case& c : cases) {
    NewVersionDecision d = DecideNewVersion(c.names, c.program);
    EXPECT_EQ(d.step, c.step) << c.file << " at " << c.program;
    EXPECT_EQ(d.file, c.file);
  }
  for (const char* bad : {"smv3a52.exe", "smv30.exe", "smv-305.exe", "smv 305.exe"})
    EXPECT_THROW(
        {
          try {
            DecideNewVersion({bad}, 3052);
          } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad).substr(3, 4) + "' is not a valid integer value");
            throw;
          }
        },
        std::runtime_error)
        << bad;
}

class NewVersionRun : public ::testing::Test {
 protected:
  NewVersionRun() : ctx(ui, clock, Env()) {
    StartProgramState(ctx, FixedFormats());
    ui.messages.clear();
    ui.events.clear();
  }
  Environment Env() const {
    Environment env = PrivateEnvironment(dir);
    CreateDirectories(env.desktop_folder);
    return env;
  }
  std::string Drop(const std::string& name) { return dir.Write("Desktop/orvex data/" + name, "#!/bin/sh\n"); }

  test::TempDir dir;
  test::FakeUiHost ui;
  FixedClock clock{EncodeDateTime(2026, 12, 11, 8, 0, 0)};
  AppContext ctx;
};

TEST_F(NewVersionRun, OlderOrSameVersionIsDeletedWithoutAWord) {
  const std::string same = Drop("smv3052.exe");
  EXPECT_FALSE(RunNewVersionCheck(ctx, 3052));
  EXPECT_FALSE(FileExists(same));
  const std::string older = Drop("smv2999.exe");
  EXPECT_FALSE(RunNewVersionCheck(ctx, 3052));
  EXPECT_FALSE(FileExists(older));
  EXPECT_TRUE(ui.events.empty());
}

TEST_F(NewVersionRun, NewerVersionIsOfferedAndStartedOnYes) {
  const std::string update = Drop("smv3053.exe");
  ui.message_answers = {MessageAnswer::No, MessageAnswer::Yes};
  EXPECT_FALSE(RunNewVersionCheck(ctx, 3052));
  EXPECT_TRUE(FileExists(update)) << "No leaves it for the next start";
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], NewVersionQuestion(ctx.folders.program));
  EXPECT_NE(ui.messages[0].find("This should read " + ToUpperAscii(dir / "bin/") + "Install new version now?"),
            std::string::npos);

  EXPECT_TRUE(RunNewVersionCheck(ctx, 3052)) << "Yes closes the window";
  EXPECT_EQ(ui.events.back(), "start: " + update);
  EXPECT_TRUE(FileExists(update));

  ui.message_answers = {MessageAnswer::Yes};
  ui.programs_start = false;
  EXPECT_FALSE(RunNewVersionCheck(ctx, 3052)) << "a program that cannot start keeps this one running";
}

TEST_F(NewVersionRun, TheFirstIdlePassChecksOnceAndShowsAConversionError) {
  const std::string bad = Drop("smv3x52.exe");
  ASSERT_TRUE(ctx.first_idle_check_pending);
  EXPECT_FALSE(RunFirstIdleCheck(ctx));
  EXPECT_EQ(ui.messages, std::vector<std::string>{"'3x52' is not a valid integer value"});
  EXPECT_FALSE(ctx.first_idle_check_pending);
  EXPECT_FALSE(RunFirstIdleCheck(ctx));
  EXPECT_EQ(ui.messages.size(), 1u) << "attempted once per run";
  EXPECT_TRUE(FileExists(bad));
}

}  // namespace
}  // namespace sm
