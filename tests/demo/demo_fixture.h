// A demonstration site for a fixed end day (in winter), made as smtool demo
// makes it, and a program state to open it with.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "site/site.h"
#include "site/site_fixture.h"
#include "support/run_tool.h"

namespace sm::test {

// Each test runs in a process of its own, so each makes its site.
class DemoSiteTest : public ::testing::Test, protected SiteFixture {
 protected:
  static constexpr const char* kEndDate = "2026-02-15";
  static constexpr int kDays = 50;

  void SetUp() override;

  // smtool with this test's registry, folders and the C locale.
  ToolResult Smtool(const std::vector<std::string>& args) const;
  std::string MainDir() const { return home / "main"; }
  std::string SiteFolder() const { return home / "main/Demo1"; }
  // Opens the site with the generated smt.dat as the global template.
  std::unique_ptr<TSite> OpenSite();

  // A report column's or chart series' definition: site.ini first, then
  // the template; empty when neither has it.
  static std::string Definition(const TSite& site, const std::string& section, const std::string& name);
  // The [Airspaces] entries as (name, code).
  static std::vector<std::pair<std::string, std::string>> Airspaces(const TSite& site);
  // An airspace's own key, else the [Site] one, split at ",".
  static std::vector<std::string> ListOf(const TSite& site, const std::string& airspace, const std::string& key);
};

}  // namespace sm::test
