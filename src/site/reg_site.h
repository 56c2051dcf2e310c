// A registered site: its entry under the settings store's Sites key and
// what its folder tells about it.
#pragma once

#include <memory>
#include <string>

#include "core/app_context.h"
#include "core/ini_reg.h"

namespace sm {

class TRegSite {
 public:
  // Reads the entry "Sites\<name>" and checks the folder. A missing folder
  // removes the entry and throws std::runtime_error with the message the
  // user sees.
  static std::unique_ptr<TRegSite> Create(AppContext& ctx, const std::string& name);

  std::string Name;
  std::string SiteID;
  std::string Folder;  // Path + Name, no trailing "/"
  std::string Path;    // with trailing "/"
  std::string ProcID = "unknown";
  std::unique_ptr<TIniReg> settings;  // "Sites\<Name>"
  double LastSMDDownload = 0;
  int ServerIndex = 0;
  int Version = -1;
  bool Download = false;
  bool HasSiteFile = false;  // site.ini and <ProcID>.ste present: the site can be opened

  // Download state, used by the site download.
  int Access = 0;
  std::string DataKey;
  int Stage = 0;
  int FilesDownloaded = 0;
  int DataFilesDownloaded = 0;
  int ServerSlot = -1;

  // Intake of files delivered for this site in the desktop data folder;
  // filled in by provisioning.
  void ImportDroppedFiles(AppContext& ctx);

 private:
  TRegSite() = default;
};

// The message of a registered site whose folder is missing.
std::string InvalidSitePathMessage(const std::string& folder, const std::string& name);

}  // namespace sm
