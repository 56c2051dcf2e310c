#include "site/site.h"

#include <stdexcept>

#include "core/files.h"
#include "core/text_editor.h"
#include "core/text.h"
#include "logdata/range_load_state.h"

namespace sm {
namespace {

void MakeSubfolder(const std::string& folder) {
  if (!CreateDirectoryOneLevel(folder)) throw std::runtime_error("Cannot create folder " + folder);
}

std::string DisplayDateTime(AppContext& ctx, TDateTime value) {
  ctx.formats.RestoreLocaleFormats(false, ctx.startup.iso_formatting);
  const FormatSettings& fs = ctx.formats.Current();
  std::string text = FormatDateTime(fs.short_date, value, fs) + " " + FormatDateTime(fs.short_time, value, fs);
  ctx.formats.UseFixedFormats();
  return text;
}

}  // namespace

double ComputeDisplayTimeOffset(bool use_log_time, int gmt_offset_hours) {
  if (use_log_time) return 0;
  if (gmt_offset_hours >= 24 || gmt_offset_hours <= -24) throw std::runtime_error("Invalid argument to time encode");
  return gmt_offset_hours / 24.0;
}

std::unique_ptr<TSite> TSite::Create(AppContext& ctx, const std::string& site_folder, SitePage* page) {
  std::unique_ptr<TSite> site(new TSite(ctx));
  site->folder = site_folder;
  while (site->folder.size() > 1 && site->folder.back() == '/') site->folder.pop_back();
  const std::string base = site->folder + "/";
  if (!FileExists(base + "site.ini")) throw std::runtime_error("No site.ini file found");

  site->site_ini = IniFile(base + "site.ini");
  if (FileExists(base + "smt.dat"))
    site->own_template_ = std::make_unique<IniFile>(base + "smt.dat");
  else
    site->global_template_ = ctx.global_template.get();
  site->user_ini = IniFile(base + "smuser.ini");

  site->model_folder = base + "mdldata/";
  site->csv_folder = base + "csvdata/";
  site->batch_folder = base + "batches/";
  site->table_folder = base + "smcdata/";
  MakeSubfolder(site->model_folder);
  MakeSubfolder(site->csv_folder);
  MakeSubfolder(site->batch_folder);
  site->proc_id = site->site_ini.ReadString("Site", "ProcID", "");
  MakeSubfolder(site->table_folder);
  site->tables = LoadLookupTables(site->table_folder);

  RangeLoadState& range = RangeLoad(ctx);
  range.DisplayTimeOffset = ComputeDisplayTimeOffset(ctx.startup.use_log_time, ctx.startup.gmt_offset);
  range.RowTimes.clear();

  std::vector<std::string> sources;
  for (const auto& [key, value] : site->site_ini.Values("DataSources")) sources.push_back(value);
  site->log_mgr = std::make_unique<TMyLogMgr>(ctx, base, site->proc_id, sources, false);
  if (site->log_mgr->Handle() != 0) {
    site->first_record_ = site->log_mgr->Start() + range.DisplayTimeOffset;
    site->last_record_ = site->log_mgr->End() + range.DisplayTimeOffset;
  }
  site->batch_type = site->site_ini.ReadString("Site", "BatchType", "Batch");

  ctx.log_location.site_folder = FileNameOf(site->folder);
  if (page) {
    page->SetSiteCaption(ProperCase(FileNameOf(site->folder)));
    page->SetDataSpan(DisplayDateTime(ctx, site->log_mgr->Handle() ? site->log_mgr->Start() : 0),
                      DisplayDateTime(ctx, site->log_mgr->Handle() ? site->log_mgr->End() : 0));
    page->ShowPageArea();
  }
  return site;
}

TSite::~TSite() {
  ctx.log_location = {};
  // Airspaces first, in list order, then the tables, then the shared rows.
  for (auto& a : airspaces) a.reset();
  airspaces.clear();
  tables.series.clear();
  tables.files.clear();
  RangeLoad(ctx).RowTimes.clear();
  log_mgr.reset();
}

std::unique_ptr<TMyLogMgr> TSite::CreateSourceLogMgr(const std::string& source, bool quiet) const {
  return std::make_unique<TMyLogMgr>(ctx, folder + "/", proc_id, std::vector<std::string>{source}, quiet);
}

void TSite::EditSiteIni() const {
  std::string path = folder + "/site.ini";
  if (!FileExists(path)) return;
  OpenInTextEditor(ctx.ui, path);
}

void TSite::RunNodax() const {
  std::string program = ToNativePath(ctx.startup.nodax_exe);
  std::string ste = folder + "/" + proc_id + ".ste";
  if (!FileExists(program) || !FileExists(ste)) return;
  ctx.ui.StartProgram(program, {"-X", ste});
}

}  // namespace sm
