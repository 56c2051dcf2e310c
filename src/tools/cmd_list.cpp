// smtool list URL: a server directory as the download reads it.
#include <cstdio>

#include "core/comma_text.h"
#include "core/formats.h"
#include "download/http_client.h"
#include "download/server_url.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {});
  a.RequirePositional(1, 1);
  ToolContext tool;
  auto http = CreateHttpClient(tool.ctx());
  const ServerUrl url = SplitServerUrl(a.Positional()[0]);
  http->SetServer(url.server);
  http->ChangeDir(url.path);
  WithHttpFailureDetails(*http, [&] { http->List(); });
  std::printf("name,dir,size,time\n");
  for (const THTMLDirEntry& e : http->Listing().Entries()) {
    const std::string line =
        JoinCommaText({e.Name, e.IsDirectory ? "true" : "false", std::to_string(e.Size),
                       FormatDateTime("yyyy-mm-dd hh:mm", e.Modified, FixedFormats())});
    std::printf("%s\n", line.c_str());
  }
  if (int bad = http->Listing().BadEntries())
    std::fprintf(stderr, "smtool: %d link(s) skipped: not a plain file name\n", bad);
  return 0;
}

}  // namespace

Command ListCommand() {
  return {"list", "list a directory of the download server", "URL",
          "Reads the directory's HTML listing page and prints name,dir,size,time per entry\n"
          "(time as yyyy-mm-dd hh:mm; today at 00:00 when the page shows none). Time-out,\n"
          "retries and proxy come from the settings.",
          Run};
}

}  // namespace sm::tool
