// smtool report: an airspace's report table as Save Data writes it.
#include <cstdio>
#include <stdexcept>

#include "airspace/airspace.h"
#include "airspace/report.h"
#include "core/files.h"
#include "core/text.h"
#include "tools/airspace_arguments.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"airspace", "out"}, {"batches", "list"});
  a.RequirePositional(1, 1);
  ToolContext tool;
  std::unique_ptr<TSite> site = TSite::Create(tool.ctx(), a.Positional()[0]);
  CreateAirspaces(*site);
  std::string text;
  if (a.Flag("list")) {
    for (auto& airspace : site->airspaces) text += airspace->name + "," + airspace->code + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
  }
  TAirspace& airspace = PickAirspace(*site, a.Value("airspace"));
  ComputeReport(airspace);
  std::vector<std::string> lines = SaveDataLines(airspace, a.Flag("batches"));
  if (auto out = a.Value("out")) {
    WriteLinesAtomically(*out, lines);
    return 0;
  }
  for (const std::string& line : lines) text += line + "\r\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace

Command ReportCommand() {
  return {"report", "compute an airspace's report table", "SITEDIR [--airspace NAME] [--batches] [--out FILE] | SITEDIR --list",
          "Opens the site as the program does, computes the report of the airspace named (by name or\n"
          "code; the first one by default) and writes it in the Save Data layout: the header row, one\n"
          "line per view and, with --batches, one line per stored batch, latest first.\n"
          "--list prints the airspaces as name,code.",
          Run};
}

}  // namespace sm::tool
