// smtool site SITEDIR: what opening a site finds.
#include <cstdio>

#include "core/formats.h"
#include "core/text.h"
#include "logdata/log_mgr.h"
#include "site/site.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

void Fact(const std::string& key, const std::string& value) { std::printf("%s: %s\n", key.c_str(), value.c_str()); }

std::string TimeText(TDateTime t) { return FormatDateTime("yyyy-mm-dd hh:nn:ss", t, FixedFormats()); }

int Run(const std::vector<std::string>& args) {
  const std::string folder = SinglePositional(args);
  ToolContext tool;
  std::vector<std::string> problems;
  tool.ui().captured_messages = &problems;
  std::unique_ptr<TSite> site = TSite::Create(tool.ctx(), folder);
  tool.ui().captured_messages = nullptr;

  Fact("folder", site->folder);
  Fact("procid", site->proc_id);
  Fact("batch type", site->batch_type);
  const bool has_data = site->log_mgr->Handle() != 0;
  Fact("start", has_data ? TimeText(site->FirstRecord()) : "none");
  Fact("end", has_data ? TimeText(site->LastRecord()) : "none");
  for (const auto& [key, entry] : site->site_ini.Values("Airspaces")) Fact("airspace", entry);
  std::vector<std::string> sources;
  for (const auto& [key, value] : site->site_ini.Values("DataSources")) sources.push_back(value);
  if (sources.empty()) sources.push_back(DefaultDataSource(site->folder + "/", site->proc_id) + " (default)");
  for (const std::string& s : sources) Fact("data source", s);
  for (const std::string& p : problems) Fact("source error", p);
  Fact("series", std::to_string(site->log_mgr->Names().size()));
  for (const auto& file : site->tables.files) {
    std::string names;
    for (const auto& [name, series] : site->tables.series)
      if (series->file == file.get()) names += (names.empty() ? "" : ", ") + name;
    Fact("lookup table", file->path + " (" + std::to_string(file->keys.size()) + " rows: " + names + ")");
  }
  return 0;
}

}  // namespace

Command SiteCommand() {
  return {"site", "show what opening a site finds", "SITEDIR",
          "One fact per line as \"key: value\": folder, ProcID, batch type, first and last logged\n"
          "times, the [Airspaces] entries, the data sources with any source errors, the number of\n"
          "catalogued series and the lookup tables with their series.",
          Run};
}

}  // namespace sm::tool
