// Opening a site folder's log manager the way site opening does: the
// [DataSources] values of its site.ini, or the default source of its ProcID
// when there are none.
#pragma once

#include <memory>
#include <string>

#include "logdata/log_mgr.h"

namespace sm {

// Throws "No site.ini file found" when the folder has none.
std::unique_ptr<TMyLogMgr> OpenSiteLogMgr(AppContext& ctx, const std::string& site_folder, bool quiet = false);

}  // namespace sm
