// smtool import-csv FILE.csv SITEDIR: adds the records of an export-layout
// CSV file to a site folder's data files.
#include "core/text.h"
#include "logdata/csv_import.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

std::pair<std::string, int> ParseKind(const std::string& text) {
  size_t eq = text.rfind('=');
  long long ldt;
  if (eq == std::string::npos || eq == 0) throw UsageError("--kind takes NAME=LDT, not \"" + text + "\"");
  if (!TryParseInt(text.substr(eq + 1), ldt) || ldt < 0 || ldt > 255)
    throw UsageError("--kind " + text + ": the LDT byte must be 0 to 255 (decimal or 0x..)");
  return {text.substr(0, eq), static_cast<int>(ldt)};
}

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"procid", "utc-offset", "kind"});
  a.RequirePositional(2, 2);
  CsvImportOptions options;
  options.proc_id = a.Value("procid");
  if (auto offset = a.Value("utc-offset")) {
    double hours;
    if (!TryParseDouble(*offset, hours) || hours <= -24 || hours >= 24)
      throw UsageError("--utc-offset takes hours between -24 and 24, not \"" + *offset + "\"");
    options.utc_offset_hours = hours;
  }
  for (const std::string& k : a.Values("kind")) options.kinds.push_back(ParseKind(k));
  ToolContext tool;
  options.local_times = tool.ctx().startup.use_log_time;
  ImportCsvFile(a.Positional()[0], a.Positional()[1], options);
  return 0;
}

}  // namespace

Command ImportCsvCommand() {
  return {"import-csv", "add the records of a CSV export to a site's data files",
          "FILE.csv SITEDIR [--procid ID] [--utc-offset H] [--kind NAME=LDT]...",
          "FILE has the export layout: header DATE,TIME[,SITE],<series>..., dates yyyy-mm-dd, times hh:mm or\n"
          "hh:mm:ss, an empty field where a series has no value. SITEDIR and its site.ini are created when\n"
          "missing (ProcID: --procid, else the folder's name); <ProcID>.ste is written or extended (new series\n"
          "get identifier = name and LDT 0 unless --kind gives one); the records are merged into the .smd files\n"
          "day by day, the file's values winning. Times are UTC, or the logger's local time when the setting\n"
          "UseLogTime is on. A bad line stops the import before anything is written.",
          Run};
}

}  // namespace sm::tool
