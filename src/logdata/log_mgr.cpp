#include "logdata/log_mgr.h"

#include <filesystem>
#include <stdexcept>

#include "core/comma_text.h"
#include "core/files.h"
#include "core/text.h"

namespace sm {

std::string KindCode(int ldt) {
  const int b = ldt & 0xFF;
  switch (b) {
    case 0x10: return "OV";
    case 0x11: return "OO";
    case 0x20: return "SN";
    case 0x21: return "ST";
    default: break;
  }
  switch (b >> 4) {
    case 0: return "N";
    case 1: return "O";
    case 2: return "S";
    case 3: return "A";
    default: return "?";
  }
}

TLogMgr::TLogMgr(ProblemLog::Sink problems) : library_(std::move(problems)) {}
TLogMgr::~TLogMgr() = default;

void TLogMgr::Guard() const {
  if (handle_ == 0) throw std::runtime_error("Empty data-source");
}

void TLogMgr::RefreshSeriesCount() { series_count_ = handle_ == 0 ? 0 : library_.Width(handle_); }

int TLogMgr::SetOptions(int options) { return library_.SetOptions(options); }
int TLogMgr::AddAllLogs(bool flag) { return library_.AddAllLogs(flag); }

bool TLogMgr::NewSource(const std::string& folder, const std::string& mask, const std::string& site_file,
                        const std::string& kind) {
  int h = library_.NewSource(handle_, folder, mask, site_file, ToUpperAscii(kind));
  if (h == 0) return false;
  if (handle_ == 0) handle_ = h;
  RefreshSeriesCount();
  return true;
}

void TLogMgr::Close() {
  if (series_count_ == 0) return;
  Guard();
  library_.Close(handle_);
  handle_ = 0;
  RefreshSeriesCount();
}

int TLogMgr::Cleanup(int n) {
  if (series_count_ == 0) return 0;
  Guard();
  return library_.Cleanup(handle_, n);
}

std::string TLogMgr::SeriesName(int index) const {
  Guard();
  return library_.SeriesName(handle_, index);
}

std::string TLogMgr::SeriesID(int index) const {
  Guard();
  return library_.SeriesID(handle_, index);
}

int TLogMgr::SeriesLDT(int index) const {
  Guard();
  return library_.SeriesLDT(handle_, index);
}

TDateTime TLogMgr::Start() {
  Guard();
  return library_.Start(handle_, range_selector_);
}

TDateTime TLogMgr::End() {
  Guard();
  return library_.End(handle_, range_selector_);
}

void TLogMgr::InitExpansion(int interval, std::span<double> values, std::span<uint8_t> status, TDateTime start) {
  Guard();
  library_.InitExpansion(handle_, start, interval, values, status);
}

TDateTime TLogMgr::NextRow() { return library_.NextRow(handle_); }

std::string DefaultDataSource(const std::string& folder, const std::string& proc_id) {
  return QuoteIfNeeded(folder) + "," + "*.smd" + "," + QuoteIfNeeded(proc_id + ".ste") + ",ste";
}

std::string ResolveSourceFolder(const std::string& field, const std::string& site_folder) {
  std::string path;
  if (field.empty()) path = site_folder;
  else if (field.front() == '/' || field.front() == '\\' || field.find(':') != std::string::npos)
    path = ToNativePath(field);
  else
    path = site_folder + ToNativePath(field);
  return WithTrailingSlash(path);
}

namespace {

// Source folders are taken relative to the site folder, so the site folder
// itself must not be relative.
std::string AbsoluteFolder(const std::string& folder) {
  if (folder.empty() || folder.front() == '/') return folder;
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(folder, ec);
  return ec ? folder : p.string();
}

}  // namespace

TMyLogMgr::TMyLogMgr(AppContext& ctx, std::string folder, const std::string& site_base_name,
                     std::vector<std::string> sources, bool quiet)
    : TLogMgr([&ctx, quiet](const std::string& message) { ReportError(ctx, message, quiet ? 100 : 200); }),
      ctx_(ctx),
      folder_(WithTrailingSlash(AbsoluteFolder(folder))),
      quiet_(quiet) {
  SetRangeSelector(2);
  if (ctx.startup.use_log_time) SetOptions(LogLibrary::kLocalTimeOption);
  if (ctx.startup.add_log_src) AddAllLogs(true);
  if (sources.empty()) sources.push_back(DefaultDataSource(folder_, site_base_name));
  OpenSources(sources);
  for (int i = 0; i < Width(); ++i) {
    names_.push_back(ToUpperAscii(SeriesName(i)));
    ids_.push_back(SeriesID(i));
    kinds_.push_back(KindCode(SeriesLDT(i)));
  }
  if (ctx.command_line.catalogue_dump) {
    try {
      WriteLinesAtomically(folder_ + "logmgrseries.txt", names_);
    } catch (const std::exception& e) {
      Report(e.what());
    }
  }
}

TMyLogMgr::~TMyLogMgr() {
  try {
    Cleanup(0);
    Close();
  } catch (const std::exception&) {
    // Nothing to undo: the library is released with the manager anyway.
  }
}

void TMyLogMgr::Report(const std::string& message) { ReportError(ctx_, message, quiet_ ? 100 : 200); }

void TMyLogMgr::OpenSources(const std::vector<std::string>& sources) {
  for (const std::string& s : sources) {
    std::vector<std::string> fields = SplitCommaText(s);
    if (fields.size() < 4) {
      Report("Datasource Error - ini file error : " + s);
      continue;
    }
    const std::string path = ResolveSourceFolder(fields[0], folder_);
    const std::string& mask = fields[1];
    std::string extension = mask;
    if (size_t dot = extension.find('.'); dot != std::string::npos) extension.erase(0, dot + 1);
    extension = ToUpperAscii(extension);
    const bool logs_allowed = ctx_.startup.old_log_ext || ctx_.startup.add_log_src;
    if ((extension.find("LOG") != std::string::npos && !logs_allowed) ||
        extension.find_first_of("*?") != std::string::npos) {
      Report("Datasource Error - Invalid Extension : " + mask);
      continue;
    }
    std::string site_file = fields[2];
    if (!site_file.empty() && !FileExists(path + site_file)) {
      Report("Datasource Error - Site file not found : " + path + site_file);
      continue;
    }
    if (site_file.empty()) site_file = " ";
    if (!NewSource(path, mask, site_file, fields[3]))
      Report("Datasource Error - Invalid Params : " + path + " " + mask + " " + site_file + " " + fields[3]);
  }
}

std::string TMyLogMgr::KindOf(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= kinds_.size()) return {};
  return kinds_[index];
}

int TMyLogMgr::IndexOf(std::string_view name) const {
  for (size_t i = 0; i < names_.size(); ++i)
    if (IEquals(names_[i], name)) return static_cast<int>(i);
  return -1;
}

}  // namespace sm
