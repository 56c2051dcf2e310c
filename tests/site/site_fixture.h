// A program state over a temporary home: registry, Main Logging Directory
// and desktop all inside one folder.
#pragma once

#include "core/app_context.h"
#include "core/files.h"
#include "core/startup.h"
#include "support/fake_ui_host.h"
#include "support/private_environment.h"
#include "support/temp_dir.h"

namespace sm::test {

class SiteFixture {
 public:
  SiteFixture() : clock(EncodeDateTime(2026, 12, 11, 8, 0, 0)), ctx(ui, clock, Env()) {
    StartProgramState(ctx, FixedFormats(), ProgramRole::Tool);
  }

  std::string LogDir() const { return ctx.folders.main_log_dir; }
  TIniReg Sites() const { return TIniReg(ctx.env.registry_path, "Sites"); }
  TIniReg Entry(const std::string& name) const { return TIniReg(ctx.env.registry_path, "Sites\\" + name); }

  TempDir home;
  FakeUiHost ui;
  FixedClock clock;
  AppContext ctx;

 private:
  Environment Env() const { return PrivateEnvironment(home); }
};

}  // namespace sm::test
