#include "tools/tool_context.h"

#include "core/startup.h"

namespace sm::tool {

ToolContext::ToolContext() : ctx_(std::make_unique<AppContext>(ui_, clock_, Environment::FromProcess())) {
  StartProgramState(*ctx_, FormatsFromEnvironmentLocale(), ProgramRole::Tool);
}

}  // namespace sm::tool
