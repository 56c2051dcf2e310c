#include "site/reg_site.h"

#include <stdexcept>

#include "core/files.h"
#include "core/ini_file.h"
#include "core/text.h"

namespace sm {

std::string InvalidSitePathMessage(const std::string& folder, const std::string& name) {
  return folder + " - invalid path.  Stallminder will remove " + name + " from the " +
         "list of available sites.  You can add the site again by choosing \"Add/Remove Sites...\" from " +
         "the main \"File\" menu";
}

std::unique_ptr<TRegSite> TRegSite::Create(AppContext& ctx, const std::string& name) {
  std::unique_ptr<TRegSite> site(new TRegSite);
  site->Name = name;
  site->settings = std::make_unique<TIniReg>(ctx.env.registry_path, "Sites\\" + name);
  TIniReg& reg = *site->settings;
  site->SiteID = reg.ReadString("SiteID", "");
  std::string stored_path = ToNativePath(reg.ReadString("Path", ""));
  site->Path = stored_path.empty() ? std::string() : WithTrailingSlash(stored_path);
  site->LastSMDDownload = reg.ReadFloat("LastSMDDownload", 0);
  site->Folder = site->Path + name;

  // An entry without a path names no folder at all.
  if (stored_path.empty() || !DirectoryExists(site->Folder)) {
    TIniReg(ctx.env.registry_path, "Sites").DeleteKey(name);
    throw std::runtime_error(InvalidSitePathMessage(site->Folder, name));
  }

  site->ImportDroppedFiles(ctx);
  std::string site_ini = JoinPath(site->Folder, "site.ini");
  if (FileExists(site_ini)) {
    IniFile ini(site_ini);
    site->Version = static_cast<int>(ini.ReadInteger("Site", "Version", -1));
    site->ProcID = ini.ReadString("Site", "ProcID", "");
    site->HasSiteFile = FileExists(JoinPath(site->Folder, site->ProcID + ".ste"));
  }
  site->ServerIndex = reg.ReadInteger("ServerIndex", 0);
  site->Download = reg.ReadBool("Download", false);
  return site;
}

void TRegSite::ImportDroppedFiles(AppContext&) {}

}  // namespace sm
