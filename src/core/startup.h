// The start-up and shut-down steps that need no window.
#pragma once

#include <functional>

#include "core/app_context.h"

namespace sm {

// Folders, settings store, Main Logging Directory, error log, stored status,
// format sets, start-up settings, dropped files and the global template, in
// the program's start-up order. `locale` is the user's format set.
// The command-line tool shares the settings and folders but leaves the
// window program's own traces alone: no dropped files moved, no ProgDir or
// Version written, no error log (its failures go to standard error).
enum class ProgramRole { Window, Tool };
void StartProgramState(AppContext& ctx, const FormatSettings& locale, ProgramRole role = ProgramRole::Window);

// Tears the state down in the reverse order: locale formats back, the HTTP
// client released, stored status saved, settings released, global template
// released, then `release_upper` (sites and the rest), the error log closed
// last.
void ShutdownProgramState(AppContext& ctx, const std::function<void()>& release_upper = {});

}  // namespace sm
