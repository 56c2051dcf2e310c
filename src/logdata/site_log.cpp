#include "logdata/site_log.h"

#include <stdexcept>

#include "core/files.h"
#include "core/ini_file.h"
#include "core/text.h"

namespace sm {

std::unique_ptr<TMyLogMgr> OpenSiteLogMgr(AppContext& ctx, const std::string& site_folder, bool quiet) {
  const std::string folder = WithTrailingSlash(site_folder);
  if (!FileExists(folder + "site.ini")) throw std::runtime_error("No site.ini file found");
  IniFile site_ini(folder + "site.ini");
  std::vector<std::string> sources;
  for (auto& [key, value] : site_ini.Values("DataSources")) sources.push_back(value);
  return std::make_unique<TMyLogMgr>(ctx, folder, site_ini.ReadString("Site", "ProcID"), std::move(sources), quiet);
}

}  // namespace sm
