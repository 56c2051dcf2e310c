// smtool get URL OUT: fetches one file from the download server.
#include "download/http_client.h"
#include "download/server_url.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {});
  a.RequirePositional(2, 2);
  ToolContext tool;
  auto http = CreateHttpClient(tool.ctx());
  const ServerUrl url = SplitServerUrl(a.Positional()[0]);
  http->SetServer(url.server);
  WithHttpFailureDetails(*http, [&] { http->GetFile(url.path, a.Positional()[1]); });
  return 0;
}

}  // namespace

Command GetCommand() {
  return {"get", "fetch one file from the download server", "URL OUT",
          "Writes the body to OUT whole, or nothing when the fetch fails. Time-out,\n"
          "retries and proxy come from the settings.",
          Run};
}

}  // namespace sm::tool
