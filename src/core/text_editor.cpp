#include "core/text_editor.h"

#include <cstdlib>

namespace sm {

std::vector<std::string> TextEditorCommand(const std::string& path) {
  if (const char* visual = std::getenv("VISUAL"); visual && *visual) return {visual, path};
  if (const char* editor = std::getenv("EDITOR"); editor && *editor) return {"x-terminal-emulator", "-e", editor, path};
  return {"xdg-open", path};
}

bool OpenInTextEditor(UiHost& ui, const std::string& path) {
  std::vector<std::string> command = TextEditorCommand(path);
  std::string program = command.front();
  command.erase(command.begin());
  return ui.StartProgram(program, command);
}

}  // namespace sm
