// smtool export SITEDIR --from DATE --to DATE: the site's logged series as
// comma-separated rows, as the Export Data dialog writes them.
#include <cstdio>
#include <stdexcept>

#include "core/files.h"
#include "core/text.h"
#include "logdata/data_export.h"
#include "logdata/site_log.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

TDateTime DateOption(const Arguments& a, const std::string& name, const AppContext& ctx) {
  auto text = a.Value(name);
  if (!text) throw UsageError("--" + name + " is required");
  auto date = TryStrToDate(*text, FixedFormats());
  if (!date) date = TryStrToDate(*text, ctx.formats.LocaleFormats(), ctx.CurrentYear());
  if (!date) throw UsageError("--" + name + " takes a date (yyyy-mm-dd), not \"" + *text + "\"");
  return *date;
}

int IntervalOption(const Arguments& a) {
  auto text = a.Value("interval");
  if (!text) return 900;
  long long seconds;
  if (!TryParseInt(*text, seconds) || seconds < 1 || seconds > 86400 * 366)
    throw UsageError("--interval takes a whole number of seconds, not \"" + *text + "\"");
  return static_cast<int>(seconds);
}

std::vector<bool> TickedSeries(const Arguments& a, const TMyLogMgr& mgr) {
  std::vector<bool> ticked(static_cast<size_t>(mgr.Width()), !a.Value("series"));
  if (auto list = a.Value("series")) {
    for (const std::string& item : SplitText(*list, ',')) {
      std::string name = Trim(item);
      int index = mgr.IndexOf(name);
      if (index < 0) throw std::runtime_error("unknown series \"" + name + "\"");
      ticked[static_cast<size_t>(index)] = true;
    }
  }
  return ticked;
}

std::string FolderName(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return FileNameOf(folder);
}

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"from", "to", "interval", "series", "out"}, {"site-column"});
  a.RequirePositional(1, 1);
  ToolContext tool;
  AppContext& ctx = tool.ctx();
  const std::string& site = a.Positional()[0];
  ExportOptions options;
  options.start_date = DateOption(a, "from", ctx);
  options.end_date = DateOption(a, "to", ctx);
  options.interval = IntervalOption(a);
  auto mgr = OpenSiteLogMgr(ctx, site);
  options.ticked = TickedSeries(a, *mgr);
  if (a.Flag("site-column")) options.site_column = FolderName(site);
  options.date_formats = ctx.formats.LocaleFormats();
  options.decimal_separator = ctx.formats.Current().decimal_separator;
  if (auto out = a.Value("out")) {
    WriteFileAtomically(*out, ExportData(*mgr, options));
    return 0;
  }
  ExportData(*mgr, options, [](std::string_view piece) {
    if (std::fwrite(piece.data(), 1, piece.size(), stdout) != piece.size())
      throw std::runtime_error("cannot write to standard output");
  });
  if (std::fflush(stdout) != 0) throw std::runtime_error("cannot write to standard output");
  return 0;
}

}  // namespace

Command ExportCommand() {
  return {"export", "export a site's logged series as CSV",
          "SITEDIR --from DATE --to DATE [--interval S] [--series A,B,...] [--site-column] [--out FILE]",
          "One line per row from --from 00:00 up to the midnight after --to, every S seconds (900): DATE,TIME,\n"
          "the SITE column when asked for, then the value of each series (all, or those of --series, in catalogue\n"
          "order), empty where the row has none. Dates and times in the locale's short date and long time\n"
          "(yyyy-mm-dd and hh:mm:ss under the C locale). To standard output without --out.",
          Run};
}

}  // namespace sm::tool
