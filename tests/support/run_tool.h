// Runs smtool as a user would and captures what it prints.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sm::test {

struct ToolResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Runs `program` with the arguments and extra environment variables
// ("NAME=value"), standard input from /dev/null.
ToolResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::vector<std::string>& env = {});

// The environment of a run in a private home: its own registry file and
// data folder below `home`, and the C locale.
std::vector<std::string> PrivateHomeEnvironment(const std::string& home);

}  // namespace sm::test
