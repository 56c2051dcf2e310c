#include "demo_fixture.h"

#include "core/formats.h"
#include "core/text.h"
#include "demo/demo_site.h"

namespace sm::test {

void DemoSiteTest::SetUp() {
  demo::DemoOptions options;
  options.main_dir = MainDir();
  options.days = kDays;
  options.end_day = static_cast<int64_t>(*TryStrToDate(kEndDate, FixedFormats()));
  demo::GenerateDemoSite(options);
}

ToolResult DemoSiteTest::Smtool(const std::vector<std::string>& args) const {
  return RunProgram(SMTOOL_PATH, args, PrivateHomeEnvironment(home.path()));
}

std::unique_ptr<TSite> DemoSiteTest::OpenSite() {
  ctx.global_template = std::make_unique<IniFile>(MainDir() + "/smt.dat");
  return TSite::Create(ctx, SiteFolder());
}

std::string DemoSiteTest::Definition(const TSite& site, const std::string& section, const std::string& name) {
  std::string d = site.site_ini.ReadString(section, name);
  if (d.empty() && site.Template()) d = site.Template()->ReadString(section, name);
  return d;
}

std::vector<std::pair<std::string, std::string>> DemoSiteTest::Airspaces(const TSite& site) {
  std::vector<std::pair<std::string, std::string>> list;
  for (const auto& [key, entry] : site.site_ini.Values("Airspaces"))
    list.emplace_back(Trim(RemoveBracketed(entry, false)), BracketContent(entry, false));
  return list;
}

std::vector<std::string> DemoSiteTest::ListOf(const TSite& site, const std::string& airspace, const std::string& key) {
  std::string text = site.site_ini.ReadString(airspace, key);
  if (text.empty()) text = site.site_ini.ReadString("Site", key);
  return SplitText(text, ',');
}

}  // namespace sm::test
