// The program state a command works in: the same settings, folders and
// formats as the window program.
#pragma once

#include <memory>

#include "core/app_context.h"
#include "tools/console_ui_host.h"

namespace sm::tool {

class ToolContext {
 public:
  ToolContext();
  AppContext& ctx() { return *ctx_; }
  ConsoleUiHost& ui() { return ui_; }

 private:
  ConsoleUiHost ui_;
  SystemClock clock_;
  std::unique_ptr<AppContext> ctx_;
};

}  // namespace sm::tool
