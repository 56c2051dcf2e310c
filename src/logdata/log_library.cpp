#include "logdata/log_library.h"

#include <stdexcept>

#include "core/text.h"
#include "logdata/csv_source.h"
#include "logdata/expansion.h"
#include "logdata/smd_source.h"

namespace sm {

struct LogLibrary::Group {
  std::vector<std::unique_ptr<LogSource>> sources;
  struct Entry {
    const LogSource* source;
    size_t local;
  };
  std::vector<Entry> series;
  std::unique_ptr<Expansion> expansion;

  const SourceSeries* At(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= series.size()) return nullptr;
    return &series[index].source->Series()[series[index].local];
  }
};

LogLibrary::LogLibrary(ProblemLog::Sink problems) : problems_(std::move(problems)) {}
LogLibrary::~LogLibrary() = default;

int LogLibrary::SetOptions(int options) {
  options_ = options;
  return 0;
}

int LogLibrary::AddAllLogs(bool flag) {
  add_all_logs_ = flag;
  return 0;
}

LogLibrary::Group* LogLibrary::Find(int handle) const {
  auto it = groups_.find(handle);
  return it == groups_.end() ? nullptr : it->second.get();
}

std::vector<std::string> LogLibrary::MasksFor(const std::string& mask) const {
  std::vector<std::string> masks{mask};
  if (add_all_logs_) {
    size_t dot = mask.rfind('.');
    std::string twin = (dot == std::string::npos ? mask : mask.substr(0, dot)) + ".log";
    if (!IEquals(twin, mask)) masks.push_back(twin);
  }
  return masks;
}

int LogLibrary::NewSource(int handle, const std::string& folder, const std::string& mask,
                          const std::string& site_file, const std::string& kind) {
  if (handle != 0 && !Find(handle)) return 0;
  if (mask.empty()) return 0;
  const std::string site = Trim(site_file);
  std::unique_ptr<LogSource> source;
  if (IEquals(kind, "STE")) source = SmdSource::Open(folder, MasksFor(mask), site, problems_);
  else if (IEquals(kind, "CSV")) source = CsvSource::Open(folder, MasksFor(mask), problems_);
  if (!source) return 0;

  if (handle == 0) {
    handle = next_handle_++;
    groups_.emplace(handle, std::make_unique<Group>());
  }
  Group& g = *Find(handle);
  for (size_t i = 0; i < source->Series().size(); ++i) g.series.push_back({source.get(), i});
  g.sources.push_back(std::move(source));
  return handle;
}

int LogLibrary::Width(int handle) const {
  const Group* g = Find(handle);
  return g ? static_cast<int>(g->series.size()) : 0;
}

std::string LogLibrary::SeriesName(int handle, int index) const {
  const Group* g = Find(handle);
  const SourceSeries* s = g ? g->At(index) : nullptr;
  return s ? s->name : std::string();
}

std::string LogLibrary::SeriesID(int handle, int index) const {
  const Group* g = Find(handle);
  const SourceSeries* s = g ? g->At(index) : nullptr;
  return s ? s->id : std::string();
}

int LogLibrary::SeriesLDT(int handle, int index) const {
  const Group* g = Find(handle);
  const SourceSeries* s = g ? g->At(index) : nullptr;
  return s ? s->ldt : 0;
}

LogMillis LogLibrary::DeliveredOffset(const LogSource& source) const {
  return (options_ & kLocalTimeOption) ? source.LocalOffset() : 0;
}

// The earliest first record (or the latest last one) of the group's
// sources, in delivered time; 0 without records.
TDateTime LogLibrary::Bound(int handle, bool first) {
  Group* g = Find(handle);
  if (!g) return 0;
  std::optional<LogMillis> bound;
  for (auto& s : g->sources) {
    std::optional<LogMillis> t = first ? s->FirstTime() : s->LastTime();
    if (!t) continue;
    const LogMillis delivered = *t + DeliveredOffset(*s);
    if (!bound || (first ? delivered < *bound : delivered > *bound)) bound = delivered;
  }
  return bound ? FromLogMillis(*bound) : 0;
}

TDateTime LogLibrary::Start(int handle, int) { return Bound(handle, true); }
TDateTime LogLibrary::End(int handle, int) { return Bound(handle, false); }

int LogLibrary::InitExpansion(int handle, TDateTime start, int interval, std::span<double> values,
                              std::span<uint8_t> status) {
  Group* g = Find(handle);
  if (!g) return 0;
  if (interval < 1) throw std::invalid_argument("The interval must be at least one second");
  std::vector<Expansion::SourcePart> parts;
  size_t first_index = 0;
  for (auto& s : g->sources) {
    parts.push_back({s.get(), first_index, DeliveredOffset(*s)});
    first_index += s->Series().size();
  }
  g->expansion.reset();
  g->expansion = std::make_unique<Expansion>(std::move(parts), ToLogMillis(start), int64_t{interval} * 1000, values,
                                             status);
  return 0;
}

TDateTime LogLibrary::NextRow(int handle) {
  Group* g = Find(handle);
  if (!g || !g->expansion) return 0;
  return FromLogMillis(g->expansion->NextRow());
}

int LogLibrary::Cleanup(int handle, int) {
  if (Group* g = Find(handle)) g->expansion.reset();
  return 0;
}

void LogLibrary::Close(int handle) { groups_.erase(handle); }

}  // namespace sm
