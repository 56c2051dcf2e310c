// A process killed while writing leaves the old file or the new one, never
// a mixture or a stump.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <set>

#include "core/error_log.h"
#include "core/files.h"
#include "core/ini_file.h"
#include "core/ini_reg.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

// Runs `write(round)` in a child for ever, kills it after `micros`, and
// returns what the file holds then.
std::string KillWhileWriting(const std::string& path, const std::function<void(int)>& write, int micros) {
  pid_t pid = fork();
  if (pid == 0) {
    for (int round = 0;; ++round) write(round);
  }
  usleep(static_cast<useconds_t>(micros));
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  return test::Slurp(path);
}

std::string Big(char c) { return std::string(200000, c); }

TEST(AtomicWrite, RegistryIniSurvivesKill) {
  test::TempDir dir;
  std::string path = dir / "registry.ini";
  TIniReg(path, "Settings").WriteString("Blob", Big('0'));
  std::set<std::string> seen;
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::string text = KillWhileWriting(
        path, [&](int round) { TIniReg(path, "Settings").WriteString("Blob", Big(char('a' + round % 2))); },
        2000 + attempt * 1500);
    std::string value = TIniReg(path, "Settings").ReadString("Blob", "");
    ASSERT_TRUE(value == Big('0') || value == Big('a') || value == Big('b')) << "torn file of " << text.size();
    seen.insert(value.substr(0, 1));
  }
  EXPECT_GE(seen.size(), 1u);
}

TEST(AtomicWrite, IniFileAndErrorLogSurviveKill) {
  test::TempDir dir;
  std::string ini_path = dir / "site.ini";
  std::string log_path = dir / "SMErrLog.txt";
  const std::string a = "[S]\r\nk=" + Big('a') + "\r\n", b = "[S]\r\nk=" + Big('b') + "\r\n";
  for (int attempt = 0; attempt < 5; ++attempt) {
    std::string text = KillWhileWriting(
        ini_path,
        [&](int round) {
          IniFile ini(ini_path);
          ini.WriteString("S", "k", Big(round % 2 ? 'b' : 'a'));
          ini.Save();
        },
        3000 + attempt * 2000);
    ASSERT_TRUE(text.empty() || text == a || text == b) << text.size();
  }
  for (int attempt = 0; attempt < 5; ++attempt) {
    std::string text = KillWhileWriting(
        log_path,
        [&](int round) {
          TErrorLog log(log_path, {});
          log.Add(Big(round % 2 ? 'b' : 'a'));
          log.Close(45000, FormatSettings{});
        },
        3000 + attempt * 2000);
    if (text.empty()) continue;
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    for (const std::string& line : SplitLines(text))
      ASSERT_TRUE(line == "[/] " + Big('a') || line == "[/] " + Big('b') || line.rfind("*** Closing: ", 0) == 0)
          << line.substr(0, 40);
  }
}

}  // namespace
}  // namespace sm
