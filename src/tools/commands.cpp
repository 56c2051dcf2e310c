#include "tools/command.h"

namespace sm::tool {

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      SettingsCommand(),
      SitesCommand(),
      SiteCommand(),
      EvalCommand(),
      ReportCommand(),
      ChartDataCommand(),
#ifdef SM_WITH_CHART_RENDERING
      ChartCommand(),
#endif
      BatchCommand(),
      ModelCommand(),
      ImportCsvCommand(),
      CatalogCommand(),
      SpanCommand(),
      ExportCommand(),
      DemoCommand(),
      EncryptCommand(),
      DecryptCommand(),
      ScrambleCommand(),
      UnscrambleCommand(),
      ListCommand(),
      GetCommand(),
  };
  return commands;
}

const Command* FindCommand(const std::string& name) {
  for (const Command& c : AllCommands())
    if (name == c.name) return &c;
  return nullptr;
}

}  // namespace sm::tool
