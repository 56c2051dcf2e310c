// smtool: the command-line side of the program.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "core/version.h"
#include "tools/command.h"

namespace {

using sm::tool::AllCommands;
using sm::tool::Command;
using sm::tool::FindCommand;

void PrintOverview(FILE* out) {
  std::fprintf(out, "usage: smtool COMMAND [ARGS...]\n\ncommands:\n");
  for (const Command& c : AllCommands()) std::fprintf(out, "  %-14s %s\n", c.name, c.summary);
  std::fprintf(out,
               "\n  smtool help COMMAND   help on one command\n"
               "  smtool --version      the program's version\n");
}

void PrintUsage(FILE* out, const Command& c) { std::fprintf(out, "usage: smtool %s %s\n", c.name, c.usage); }

void PrintHelp(const Command& c) {
  PrintUsage(stdout, c);
  std::printf("\n%s\n", c.summary);
  if (*c.details) std::printf("\n%s\n", c.details);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintOverview(stderr);
    return 2;
  }
  const std::string& first = args[0];
  if (first == "--help" || first == "-h") {
    PrintOverview(stdout);
    return 0;
  }
  if (first == "--version") {
    std::printf("smtool %s\n", sm::VersionInfoString("FileVersion").c_str());
    return 0;
  }
  if (first == "help") {
    if (args.size() == 1) {
      PrintOverview(stdout);
      return 0;
    }
    const Command* c = FindCommand(args[1]);
    if (!c) {
      std::fprintf(stderr, "smtool: unknown command \"%s\"\n", args[1].c_str());
      return 2;
    }
    PrintHelp(*c);
    return 0;
  }
  const Command* command = FindCommand(first);
  if (!command) {
    std::fprintf(stderr, "smtool: unknown command \"%s\"\n", first.c_str());
    PrintOverview(stderr);
    return 2;
  }
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
    PrintHelp(*command);
    return 0;
  }
  try {
    return command->run(rest);
  } catch (const sm::tool::UsageError& e) {
    std::fprintf(stderr, "smtool: %s\n", e.what());
    PrintUsage(stderr, *command);
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "smtool: %s\n", e.what());
    return 1;
  }
}
