// smtool catalog SITEDIR: the site's catalogued series in library order.
#include <cstdio>

#include "core/comma_text.h"
#include "logdata/site_log.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

int Run(const std::vector<std::string>& args) {
  const std::string folder = SinglePositional(args);
  ToolContext tool;
  auto mgr = OpenSiteLogMgr(tool.ctx(), folder);
  std::printf("index,name,id,kind\n");
  for (int i = 0; i < mgr->Width(); ++i) {
    std::string line = JoinCommaText({std::to_string(i), mgr->SeriesName(i), mgr->SeriesID(i), mgr->KindOf(i)});
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

}  // namespace

Command CatalogCommand() {
  return {"catalog", "list a site's logged series", "SITEDIR",
          "Opens the site as the program does (the [DataSources] of site.ini, else <ProcID>.ste and *.smd)\n"
          "and prints index,name,id,kind for each series; kind is the kind code (N, O, OV, OO, S, SN, ST, A, ?).",
          Run};
}

}  // namespace sm::tool
