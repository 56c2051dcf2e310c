// A generated benchmark site opened with its airspaces, in a program state
// of its own (settings beside the site, nothing shown).
#pragma once

#include <memory>
#include <string>

#include "airspace/airspace.h"
#include "bench_sites.h"
#include "site/site.h"

namespace sm::bench {

class OpenedSite {
 public:
  explicit OpenedSite(const std::string& folder)
      : ctx(ui, clock, SettingsBeside(folder)), site(TSite::Create(ctx, folder)) {
    CreateAirspaces(*site);
  }
  TAirspace& house() { return *site->airspaces.at(0); }

  static Environment SettingsBeside(const std::string& folder) {
    Environment env;
    env.registry_path = folder + "/registry.ini";
    return env;
  }

  NullUi ui;
  SystemClock clock;
  AppContext ctx;
  std::unique_ptr<TSite> site;
};

}  // namespace sm::bench
