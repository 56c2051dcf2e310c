// smtool span SITEDIR: the first and last logged times of a site.
#include <cstdio>
#include <stdexcept>

#include "core/formats.h"
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
  if (mgr->Width() == 0) throw std::runtime_error("no logged series in " + folder);
  TDateTime start = mgr->Start(), end = mgr->End();
  if (start == 0 && end == 0) throw std::runtime_error("no logged data in " + folder);
  const char* format = "yyyy-mm-dd hh:nn:ss";
  std::printf("start,end\n%s,%s\n", FormatDateTime(format, start, FixedFormats()).c_str(),
              FormatDateTime(format, end, FixedFormats()).c_str());
  return 0;
}

}  // namespace

Command SpanCommand() {
  return {"span", "show the first and last logged times of a site", "SITEDIR",
          "Prints start,end as yyyy-mm-dd hh:mm:ss, in UTC, or in the logger's local time when the setting\n"
          "UseLogTime is on.",
          Run};
}

}  // namespace sm::tool
