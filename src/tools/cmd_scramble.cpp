// smtool scramble NAME: the name a file or folder has on the download server.
#include <cstdio>

#include "download/name_scrambler.h"
#include "tools/arguments.h"
#include "tools/command.h"

namespace sm::tool {
namespace {

int Run(const std::vector<std::string>& args) {
  std::printf("%s\n", ScrambleName(SinglePositional(args)).c_str());
  return 0;
}

}  // namespace

Command ScrambleCommand() {
  return {"scramble", "the server name of a plain file or folder name", "NAME",
          "A name holding a character outside the name alphabet is printed unchanged.", Run};
}

}  // namespace sm::tool
