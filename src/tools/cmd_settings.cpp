// smtool settings [NAME [VALUE]]: shows or changes the stored settings.
#include <cstdio>

#include "core/comma_text.h"
#include "core/settings.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {});
  a.RequirePositional(0, 2);
  ToolContext tool;
  AppContext& ctx = tool.ctx();
  const std::string default_dir = DefaultMainLogDir(ctx.env);
  const auto& words = a.Positional();
  if (words.size() == 2) {
    WriteSettingText(*ctx.settings, words[0], words[1]);
    return 0;
  }
  if (words.size() == 1) {
    std::printf("%s\n", ReadSettingText(*ctx.settings, words[0], default_dir).c_str());
    return 0;
  }
  std::printf("name,type,value\n");
  for (const SettingSpec& s : SettingsTable()) {
    std::string line =
        JoinCommaText({s.name, SettingTypeName(s.type), ReadSettingText(*ctx.settings, s.name, default_dir)});
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

}  // namespace

Command SettingsCommand() {
  return {"settings", "show or change the stored settings", "[NAME [VALUE]]",
          "Without arguments: every setting as name,type,value (the default where none is stored).\n"
          "With NAME: its value. With NAME VALUE: stores the value, checked against the setting's type.\n"
          "The settings file is $STALLMINDER_REGISTRY, else ~/.config/stallminder/registry.ini.",
          Run};
}

}  // namespace sm::tool
