#include "core/new_version.h"

#include <stdexcept>

#include "core/files.h"
#include "core/text.h"
#include "core/version.h"

namespace sm {
namespace {

bool IsUpdateName(const std::string& name) {
  return WildcardMatch(name, "smv*.exe") || (WildcardMatch(name, "smv????") && name.find('.') == std::string::npos);
}

int UpdateNumber(const std::string& name) {
  const std::string digits = name.substr(3, 4);
  bool all_digits = digits.size() == 4;
  for (char c : digits) all_digits = all_digits && c >= '0' && c <= '9';
  if (!all_digits) throw std::runtime_error("'" + digits + "' is not a valid integer value");
  return std::stoi(digits);
}

}  // namespace

NewVersionDecision DecideNewVersion(const std::vector<std::string>& names, int program_version) {
  for (const std::string& name : names) {
    if (!IsUpdateName(name)) continue;
    const int update = UpdateNumber(name);
    return {program_version < update ? NewVersionStep::AskToInstall : NewVersionStep::DeleteFile, name};
  }
  return {};
}

std::string NewVersionQuestion(const std::string& program_folder) {
  return "Stallminder has detected a new version of the Stallminder program on your system.  Select \"Yes\" if you "
         "would like to exit Stallminder and install the new version now (strongly recommended).  You will be asked "
         "to enter the correct path for the Stallminder executable file.  This should read " +
         ToUpperAscii(program_folder) + "Install new version now?";
}

bool RunNewVersionCheck(AppContext& ctx, int program_version) {
  const std::string& folder = ctx.folders.desktop_data;
  if (folder.empty()) return false;
  const NewVersionDecision decision = DecideNewVersion(ListFiles(folder, "smv*"), program_version);
  const std::string path = JoinPath(folder, decision.file);
  switch (decision.step) {
    case NewVersionStep::Nothing:
      return false;
    case NewVersionStep::DeleteFile:
      DeleteFile(path);
      return false;
    case NewVersionStep::AskToInstall:
      if (ctx.ui.ShowMessage(NewVersionQuestion(ctx.folders.program), MessageKind::Information,
                             kButtonYes | kButtonNo) != MessageAnswer::Yes)
        return false;
      // A program that cannot start leaves this one running rather than
      // leaving the user with neither.
      return ctx.ui.StartProgram(path, {});
  }
  return false;
}

bool RunFirstIdleCheck(AppContext& ctx) {
  if (!ctx.first_idle_check_pending) return false;
  ctx.first_idle_check_pending = false;
  try {
    return RunNewVersionCheck(ctx, ProgramVersionNumber());
  } catch (const std::exception& e) {
    ctx.ui.ShowMessage(e.what(), MessageKind::Error, kButtonOk);
    return false;
  }
}

}  // namespace sm
