// The check for a newer program dropped into the desktop data folder as
// "smv" + four digits + ".exe" (3.0.5.2 is smv3052.exe; on Linux the name
// may lack ".exe"). Run once, by the window's first idle pass.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/app_context.h"

namespace sm {

enum class NewVersionStep { Nothing, AskToInstall, DeleteFile };

struct NewVersionDecision {
  NewVersionStep step = NewVersionStep::Nothing;
  std::string file;  // the update's name in the desktop data folder
};

// The first update file among `names` (sorted), compared with the running
// program's version number (-1 when it has none). Throws the number
// conversion error when the four characters after "smv" are not digits.
NewVersionDecision DecideNewVersion(const std::vector<std::string>& names, int program_version);

// The question asked before installing; the program folder is shown in
// upper case, as the installer expects it to be typed.
std::string NewVersionQuestion(const std::string& program_folder);

// Looks in the desktop data folder: asks about a newer program and starts
// it on Yes, deletes a file of the same or an older version silently.
// True when the newer program was started and the window should close.
bool RunNewVersionCheck(AppContext& ctx, int program_version);

// The first idle pass's work: runs the check once per run when it is
// pending; a failure is shown. True when the window should close.
bool RunFirstIdleCheck(AppContext& ctx);

}  // namespace sm
