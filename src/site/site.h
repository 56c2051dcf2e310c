// The open site: its folder, ini files, lookup tables and log manager. At
// most one exists at a time.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/app_context.h"
#include "core/ini_file.h"
#include "logdata/log_mgr.h"
#include "site/lookup_tables.h"

namespace sm {

class TAirspace;

// What the window shows of an open site; smtool and tests go without one.
class SitePage {
 public:
  virtual ~SitePage() = default;
  virtual void SetSiteCaption(const std::string& caption) = 0;
  // The first and last data times as the user reads them.
  virtual void SetDataSpan(const std::string& starts, const std::string& ends) = 0;
  virtual void ShowPageArea() = 0;
};

// The display-time offset as a day fraction: 0 when logger time is shown,
// else the GMT offset. Throws for 24 hours or more either way.
double ComputeDisplayTimeOffset(bool use_log_time, int gmt_offset_hours);

class TSite {
 public:
  // Opens the site folder. Throws std::runtime_error with the message the
  // status bar shows ("No site.ini file found", a folder that cannot be
  // created, a bad lookup table, an unusable GMT offset).
  static std::unique_ptr<TSite> Create(AppContext& ctx, const std::string& folder, SitePage* page = nullptr);
  ~TSite();
  TSite(const TSite&) = delete;
  TSite& operator=(const TSite&) = delete;

  // A new log manager over one data-source string, with this site's folder
  // and ProcID; the caller owns it.
  std::unique_ptr<TMyLogMgr> CreateSourceLogMgr(const std::string& source, bool quiet = false) const;
  // Opens site.ini in the user's text editor; does nothing without it.
  void EditSiteIni() const;
  // Starts the companion site-configuration program on the .ste file; does
  // nothing when either is missing.
  void RunNodax() const;

  // The template of report columns and chart series: the site's own smt.dat
  // or else the global one (may be none).
  const IniFile* Template() const { return own_template_ ? own_template_.get() : global_template_; }

  // First and last logged times as the user sees them (display offset
  // applied); 0 when no source could be opened.
  TDateTime FirstRecord() const { return first_record_; }
  TDateTime LastRecord() const { return last_record_; }

  AppContext& ctx;
  std::string folder;  // no trailing "/"
  IniFile site_ini;
  IniFile user_ini;    // smuser.ini, created when first written
  std::string model_folder, csv_folder, batch_folder, table_folder;  // each with "/"
  std::string proc_id;
  std::string batch_type = "Batch";
  std::vector<std::shared_ptr<TAirspace>> airspaces;
  LookupTables tables;
  std::unique_ptr<TMyLogMgr> log_mgr;

 private:
  explicit TSite(AppContext& context) : ctx(context) {}

  std::unique_ptr<IniFile> own_template_;
  const IniFile* global_template_ = nullptr;
  TDateTime first_record_ = 0, last_record_ = 0;
};

}  // namespace sm
