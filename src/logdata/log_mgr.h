// The log manager: the program's only door to the logged data.
// TLogMgr is the thin wrapper over the logging library; TMyLogMgr opens a
// site's data sources from their source strings and keeps the catalogue.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/app_context.h"
#include "logdata/log_library.h"

namespace sm {

// "N", "OV", "OO", "O", "SN", "ST", "S", "A" or "?" from the low byte of a
// series' LDT value.
std::string KindCode(int ldt);

class TLogMgr {
 public:
  explicit TLogMgr(ProblemLog::Sink problems = {});
  virtual ~TLogMgr();
  TLogMgr(const TLogMgr&) = delete;
  TLogMgr& operator=(const TLogMgr&) = delete;

  int Handle() const { return handle_; }
  int SeriesCount() const { return series_count_; }
  int RangeSelector() const { return range_selector_; }

  // Each manager has its own library state: options and added logs apply to
  // the sources it opens afterwards.
  int SetOptions(int options);
  int AddAllLogs(bool flag);

  // Kind is upper-cased; true when the library opened the source.
  bool NewSource(const std::string& folder, const std::string& mask, const std::string& site_file,
                 const std::string& kind);
  void Close();
  int Cleanup(int n);
  int Width() const { return series_count_; }

  // These throw "Empty data-source" without an open group.
  std::string SeriesName(int index) const;
  std::string SeriesID(int index) const;
  int SeriesLDT(int index) const;
  TDateTime Start();
  TDateTime End();
  void InitExpansion(int interval, std::span<double> values, std::span<uint8_t> status, TDateTime start);
  TDateTime NextRow();

 protected:
  void SetRangeSelector(int selector) { range_selector_ = selector; }

 private:
  void Guard() const;
  void RefreshSeriesCount();

  LogLibrary library_;
  int handle_ = 0;
  int series_count_ = 0;
  int range_selector_ = -1;
};

class TMyLogMgr : public TLogMgr {
 public:
  // `folder`: the site folder (made absolute, a "/" added); `site_base_name`:
  // the ProcID, naming the default source's site description; `sources`:
  // source strings "folder,mask,site file,kind" (the default source when
  // empty). Source errors are reported (severity 100 when quiet, else 200)
  // and skipped; the construction itself does not fail.
  TMyLogMgr(AppContext& ctx, std::string folder, const std::string& site_base_name,
            std::vector<std::string> sources, bool quiet);
  ~TMyLogMgr() override;

  const std::string& Folder() const { return folder_; }
  const std::vector<std::string>& Names() const { return names_; }  // upper case
  const std::vector<std::string>& IDs() const { return ids_; }
  const std::vector<std::string>& Kinds() const { return kinds_; }
  bool Quiet() const { return quiet_; }

  // The kind code of series `index`; empty for an index outside the catalogue.
  std::string KindOf(int index) const;
  // The first series whose name equals `name` without regard to case; -1
  // when there is none.
  int IndexOf(std::string_view name) const;

 private:
  void OpenSources(const std::vector<std::string>& sources);
  void Report(const std::string& message);

  AppContext& ctx_;
  std::string folder_;
  bool quiet_;
  std::vector<std::string> names_, ids_, kinds_;
};

// The default source of a site: its folder, "*.smd" and "<ProcID>.ste".
std::string DefaultDataSource(const std::string& folder, const std::string& proc_id);

// A source string's folder field as a path: empty is the site folder, an
// absolute path (or one with a drive letter) stays, anything else is taken
// relative to the site folder; "\" becomes "/", and a "/" ends it.
std::string ResolveSourceFolder(const std::string& field, const std::string& site_folder);

}  // namespace sm
