// One smtool subcommand: its name, one-line summary, usage and the function
// that runs it.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace sm::tool {

struct Command {
  const char* name;
  const char* summary;
  const char* usage;    // the arguments after the command name
  const char* details;  // further help text, may be empty
  int (*run)(const std::vector<std::string>& args);
};

// Wrong usage: smtool prints the command's usage and exits with 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

const std::vector<Command>& AllCommands();
const Command* FindCommand(const std::string& name);

// The commands, one file each.
Command SettingsCommand();
Command SitesCommand();
Command SiteCommand();
Command EvalCommand();
Command ReportCommand();
Command ChartDataCommand();
#ifdef SM_WITH_CHART_RENDERING
Command ChartCommand();
#endif
Command BatchCommand();
Command ModelCommand();
Command ImportCsvCommand();
Command CatalogCommand();
Command SpanCommand();
Command ExportCommand();
Command DemoCommand();
Command EncryptCommand();
Command DecryptCommand();
Command ScrambleCommand();
Command UnscrambleCommand();
Command ListCommand();
Command GetCommand();

}  // namespace sm::tool
