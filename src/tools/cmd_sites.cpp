// smtool sites: the registered sites as the site selector gets them.
#include <cstdio>

#include "core/comma_text.h"
#include "site/site_list.h"
#include "tools/arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {});
  a.RequirePositional(0, 0);
  ToolContext tool;
  std::vector<ListedSite> sites = ListSites(tool.ctx());
  std::printf("name,folder,siteid,serverindex,openable\n");
  for (const ListedSite& s : sites) {
    std::string line = JoinCommaText({s.display_name, s.site->Folder, s.site->SiteID,
                                      std::to_string(s.site->ServerIndex), s.site->HasSiteFile ? "yes" : "no"});
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

}  // namespace

Command SitesCommand() {
  return {"sites", "list the registered sites", "",
          "One line per registered site, as name,folder,siteid,serverindex,openable.\n"
          "Runs what the program runs when it lists sites: old entries are converted, the\n"
          "demonstration site Demo1 is registered when none is, entries whose folder is gone\n"
          "are removed, and each site's data files get their one-time date conversion.",
          Run};
}

}  // namespace sm::tool
