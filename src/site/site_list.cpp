#include "site/site_list.h"

#include "core/convert_file_dates.h"
#include "core/files.h"
#include "core/ini_file.h"
#include "core/text.h"

namespace sm {
namespace {

constexpr const char* kConversionFailed =
    "Stallminder error occurred while converting registry site entries to version 2 format";

void RegisterDemoSite(AppContext& ctx) {
  TIniReg demo(ctx.env.registry_path, "Sites\\Demo1");
  demo.WriteString("Path", ctx.folders.main_log_dir);
  demo.WriteInteger("ServerIndex", 0);
  demo.WriteString("SiteID", "1dmo");
  CreateDirectoryOneLevel(ctx.folders.main_log_dir + "Demo1");
}

void ConvertDatesOnce(AppContext& ctx, TRegSite& site) {
  if (site.settings->ReadBool("DateFormatChecked", false)) return;
  const int year = ctx.CurrentYear();
  const bool iso = ctx.startup.iso_formatting;
  ConvertFileDates(site.Folder + "/csvdata/", "csv", ctx.formats, iso, year);
  ConvertFileDates(site.Folder + "/batches/", "bch", ctx.formats, iso, year);
  ConvertFileDates(site.Folder + "/mdldata/", "mdl", ctx.formats, iso, year);
  site.settings->WriteBool("DateFormatChecked", true);
}

}  // namespace

void ConvertOldSiteEntries(AppContext& ctx) {
  TIniReg sites(ctx.env.registry_path, "Sites");
  for (const std::string& value_name : sites.ValueNames()) {
    // The folder's case is kept: unlike the file systems this layout came
    // from, ours tells "Farm One" from "farm one".
    std::string full = ToNativePath(sites.ReadString(value_name, ""));
    while (full.size() > 1 && full.back() == '/') full.pop_back();
    if (full.empty()) continue;
    size_t slash = full.rfind('/');
    std::string name = slash == std::string::npos ? full : full.substr(slash + 1);
    std::string path = slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
    TIniReg entry(ctx.env.registry_path, "Sites\\" + name);
    entry.WriteString("Path", path);
    entry.WriteInteger("ServerIndex", 0);
    sites.DeleteValue(value_name);
    IniFile site_ini(JoinPath(full, "site.ini"));
    entry.WriteString("SiteID", site_ini.ReadString("Site", "SiteID", ""));
  }
}

std::vector<ListedSite> ListSites(AppContext& ctx) {
  std::vector<ListedSite> result;
  try {
    ConvertOldSiteEntries(ctx);
  } catch (const std::exception&) {
    ReportError(ctx, kConversionFailed, 300);
    return result;
  }
  std::vector<std::string> names = TIniReg(ctx.env.registry_path, "Sites").KeyNames();
  if (names.empty()) {
    RegisterDemoSite(ctx);
    names = {"Demo1"};
  }
  for (const std::string& name : names) {
    try {
      result.push_back({ProperCase(name), TRegSite::Create(ctx, name)});
    } catch (const std::exception&) {
      // The entry is gone; the next listing does not see it again.
    }
  }
  for (ListedSite& listed : result) ConvertDatesOnce(ctx, *listed.site);
  return result;
}

}  // namespace sm
