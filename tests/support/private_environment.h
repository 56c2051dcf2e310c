// The program's folders all inside one test folder: settings, data home,
// desktop, temporary files and program folder.
#pragma once

#include "core/folders.h"
#include "support/temp_dir.h"

namespace sm::test {

inline Environment PrivateEnvironment(const TempDir& dir) {
  Environment env;
  env.registry_path = dir / "registry.ini";
  env.data_home = dir / "share";
  env.desktop_folder = dir / "Desktop";
  env.temp_folder = dir.path();
  env.program_folder = dir / "bin/";
  return env;
}

}  // namespace sm::test
