// smtool scramble NAME: the name a file or folder has on the download server.
#include <cstdio>

#include "download/name_scrambler.h"
#include "tools/arguments.h"
#include "tools/command.h"

namespace sm::tool {
namespace {

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {});
  a.RequirePositional(1, 1);
  std::printf("%s\n", ScrambleName(a.Positional()[0]).c_str());
  return 0;
}

}  // namespace

Command ScrambleCommand() {
  return {"scramble", "the server name of a plain file or folder name", "NAME",
          "A name holding a character outside the name alphabet is printed unchanged.", Run};
}

}  // namespace sm::tool
