// The list of registered sites the site selector shows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/app_context.h"
#include "site/reg_site.h"

namespace sm {

struct ListedSite {
  std::string display_name;  // ProperCase of the site name
  std::unique_ptr<TRegSite> site;
};

// Converts old entries, registers the demonstration site when none is
// registered, drops entries whose folders are gone, and runs the one-time
// date conversion of each site's files. Keeps the registry's order.
std::vector<ListedSite> ListSites(AppContext& ctx);

// Turns old-layout values under Sites (one full folder path each) into
// subkeys. Throws when the settings store cannot be changed.
void ConvertOldSiteEntries(AppContext& ctx);

}  // namespace sm
