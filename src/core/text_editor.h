// The user's text editor: $VISUAL, else $EDITOR in a terminal, else the
// desktop's opener.
#pragma once

#include <string>
#include <vector>

#include "core/ui_host.h"

namespace sm {

// The command line that edits `path`: program first.
std::vector<std::string> TextEditorCommand(const std::string& path);

// Starts the editor on the file, not waited for.
bool OpenInTextEditor(UiHost& ui, const std::string& path);

}  // namespace sm
