#include "support/run_tool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "support/temp_dir.h"

extern char** environ;

namespace sm::test {

ToolResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::vector<std::string>& env) {
  TempDir capture;
  std::string out_path = capture / "out", err_path = capture / "err";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

  std::vector<std::string> argv_strings{program};
  argv_strings.insert(argv_strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argv_strings) argv.push_back(a.data());
  argv.push_back(nullptr);

  std::vector<std::string> env_strings;
  for (char** e = environ; *e; ++e) env_strings.emplace_back(*e);
  for (const auto& extra : env) {
    std::string name = extra.substr(0, extra.find('=') + 1);
    std::erase_if(env_strings, [&](const std::string& s) { return s.compare(0, name.size(), name) == 0; });
    env_strings.push_back(extra);
  }
  std::vector<char*> envp;
  for (auto& e : env_strings) envp.push_back(e.data());
  envp.push_back(nullptr);

  pid_t pid;
  int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) throw std::runtime_error("cannot start " + program);
  int status = 0;
  waitpid(pid, &status, 0);
  ToolResult result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = Slurp(out_path);
  result.err = Slurp(err_path);
  return result;
}

std::vector<std::string> PrivateHomeEnvironment(const std::string& home) {
  return {"HOME=" + home, "STALLMINDER_REGISTRY=" + home + "/registry.ini", "XDG_DATA_HOME=" + home + "/share",
          "LC_ALL=C"};
}

}  // namespace sm::test
