#include "logdata/smd_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>
#include <unordered_map>

#include "core/files.h"
#include "logdata/data_file.h"
#include "logdata/data_file_name.h"
#include "logdata/site_description.h"

namespace sm {
namespace {

int64_t FloorToMinute(int64_t seconds) { return seconds - ((seconds % 60) + 60) % 60; }

// Reads a file of at most `limit` bytes into `bytes`; an error text
// instead when it cannot be read. A larger file is read only as far as the
// limit, which the reader then refuses.
bool ReadAtMost(const std::string& path, size_t limit, std::string& bytes, std::string& error) {
  int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  struct stat st;
  size_t want = limit;
  if (::fstat(fd, &st) == 0 && st.st_size >= 0 && static_cast<size_t>(st.st_size) < limit)
    want = static_cast<size_t>(st.st_size) + 1;  // one more to see a file that grew
  bytes.resize(want);
  size_t have = 0;
  while (have < want) {
    ssize_t n = ::read(fd, bytes.data() + have, want - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = std::strerror(errno);
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    have += static_cast<size_t>(n);
  }
  ::close(fd);
  bytes.resize(have);
  return true;
}

class SmdFeed : public SourceFeed {
 public:
  SmdFeed(SmdSource& source, const std::vector<size_t>& series, const std::vector<SampleBuffer*>& buffers,
          LogMillis after)
      : source_(source), buffers_(buffers), day_marks_(buffers.size()), file_marks_(buffers.size()) {
    for (size_t k = 0; k < series.size(); ++k) wanted_.emplace(source.Series()[series[k]].id, k);
    int64_t first_day = UtcDayOf(MillisToUnixSeconds(after));
    auto& files = source_.Files();
    next_ = static_cast<size_t>(std::lower_bound(files.begin(), files.end(), first_day,
                                                 [](const SmdSource::FileEntry& f, int64_t d) { return f.day < d; }) -
                                files.begin());
  }

  void FillThrough(LogMillis until) override {
    const int64_t until_day = UtcDayOf(MillisToUnixSeconds(until));
    auto& files = source_.Files();
    while (next_ < files.size() && files[next_].day <= until_day) {
      const int64_t day = files[next_].day;
      for (size_t k = 0; k < buffers_.size(); ++k) day_marks_[k] = buffers_[k]->size();
      size_t files_in_day = 0;
      for (; next_ < files.size() && files[next_].day == day; ++next_)
        if (Append(files[next_])) ++files_in_day;
      // Several files of one day: the day's samples are sorted by time and
      // the later file's sample kept where two share a time.
      if (files_in_day > 1)
        for (size_t k = 0; k < buffers_.size(); ++k) MergeByTimeLastWins(*buffers_[k], day_marks_[k]);
    }
  }

 private:
  // Appends the file's samples of the wanted series; all or nothing per file.
  bool Append(SmdSource::FileEntry& file) {
    std::optional<DataFileReader> checked;
    if (file.state == SmdSource::FileEntry::State::Damaged || !source_.ReadChecked(file, bytes_, &checked))
      return false;
    for (size_t k = 0; k < buffers_.size(); ++k) file_marks_[k] = buffers_[k]->size();
    try {
      const DataFileReader& reader = *checked;
      const std::vector<int64_t> times = reader.DecodeTimes();
      for (size_t i = 0; i < reader.SeriesCount(); ++i) {
        auto it = wanted_.find(reader.SeriesId(i));
        if (it == wanted_.end()) continue;
        reader.DecodeSeries(i, values_, present_);
        SampleBuffer& out = *buffers_[it->second];
        for (size_t r = 0; r < times.size(); ++r)
          if (present_[r]) out.push_back({UnixSecondsToMillis(times[r]), values_[r]});
      }
    } catch (const DataFileError& e) {
      for (size_t k = 0; k < buffers_.size(); ++k) buffers_[k]->resize(file_marks_[k]);
      source_.ReportDamage(file, e.what());
      return false;
    }
    return true;
  }

  SmdSource& source_;
  std::vector<SampleBuffer*> buffers_;
  std::vector<size_t> day_marks_, file_marks_;
  std::unordered_map<std::string, size_t> wanted_;
  std::string bytes_;
  std::vector<double> values_;
  std::vector<uint8_t> present_;
  size_t next_ = 0;
};

}  // namespace

std::unique_ptr<SmdSource> SmdSource::Open(const std::string& folder, const std::vector<std::string>& masks,
                                           const std::string& site_file, ProblemLog& problems) {
  if (!DirectoryExists(folder) || site_file.empty()) return nullptr;
  const std::string ste_path = JoinPath(folder, site_file);
  std::string text;
  try {
    text = ReadFileBytes(ste_path);
  } catch (const std::exception& e) {
    problems.Report(e.what());
    return nullptr;
  }
  std::vector<LineProblem> line_problems;
  SiteDescription site = ParseSiteDescription(text, line_problems);
  for (const LineProblem& p : line_problems)
    problems.Report(ste_path + ":" + std::to_string(p.line) + ": " + p.what);

  std::unique_ptr<SmdSource> source(new SmdSource(folder, problems));
  for (const SeriesDescription& s : site.series) source->series_.push_back({s.name, s.id, s.ldt});
  source->local_offset_ = HoursToMillis(site.utc_offset_hours);
  source->IndexFiles(masks);
  return source;
}

void SmdSource::IndexFiles(const std::vector<std::string>& masks) {
  std::set<std::string> names;
  for (const std::string& mask : masks)
    for (std::string& name : ListFiles(folder_, mask)) names.insert(std::move(name));
  for (const std::string& name : names) {
    FileEntry e;
    e.name = name;
    if (auto minute = DataFileNameMinute(name)) {
      e.minute = *minute;
      e.day = UtcDayOf(*minute);
    } else {
      // Only files named otherwise are opened now, to learn their day.
      e.from_name = false;
      std::string bytes;
      if (!ReadChecked(e, bytes)) continue;
      e.minute = FloorToMinute(e.first);
      e.day = UtcDayOf(e.first);
    }
    files_.push_back(std::move(e));
  }
  std::stable_sort(files_.begin(), files_.end(), [](const FileEntry& a, const FileEntry& b) {
    return a.day != b.day ? a.day < b.day : a.name < b.name;
  });
}

void SmdSource::ReportDamage(FileEntry& file, const std::string& what) {
  file.state = FileEntry::State::Damaged;
  problems_.Report(JoinPath(folder_, file.name) + ": " + what);
}

bool SmdSource::ReadChecked(FileEntry& file, std::string& bytes, std::optional<DataFileReader>* reader_out) {
  if (file.state == FileEntry::State::Damaged) return false;
  std::string error;
  if (!ReadAtMost(JoinPath(folder_, file.name), kMaxDataFileBytes + 1, bytes, error)) {
    ReportDamage(file, "cannot read: " + error);
    return false;
  }
  try {
    DataFileReader reader(bytes);
    if (file.from_name && FloorToMinute(reader.FirstTime()) != file.minute)
      throw DataFileError("first record does not match the file name");
    file.first = reader.FirstTime();
    file.last = reader.LastTime();
    file.state = FileEntry::State::Good;
    if (reader_out) reader_out->emplace(std::move(reader));
  } catch (const DataFileError& e) {
    ReportDamage(file, e.what());
    return false;
  }
  return true;
}

size_t SmdSource::DayEnd(size_t begin) const {
  size_t end = begin;
  while (end < files_.size() && files_[end].day == files_[begin].day) ++end;
  return end;
}

std::optional<int64_t> SmdSource::DayBound(size_t begin, size_t end, bool first) {
  std::string bytes;
  std::optional<int64_t> bound;
  for (size_t i = begin; i < end; ++i) {
    FileEntry& f = files_[i];
    if (f.state == FileEntry::State::Unread) ReadChecked(f, bytes);
    if (f.state != FileEntry::State::Good) continue;
    const int64_t t = first ? f.first : f.last;
    if (!bound || (first ? t < *bound : t > *bound)) bound = t;
  }
  return bound;
}

std::optional<LogMillis> SmdSource::FirstTime() {
  for (size_t begin = 0; begin < files_.size(); begin = DayEnd(begin))
    if (auto first = DayBound(begin, DayEnd(begin), true)) return UnixSecondsToMillis(*first);
  return std::nullopt;
}

std::optional<LogMillis> SmdSource::LastTime() {
  for (size_t end = files_.size(); end > 0;) {
    size_t begin = end - 1;
    while (begin > 0 && files_[begin - 1].day == files_[end - 1].day) --begin;
    if (auto last = DayBound(begin, end, false)) return UnixSecondsToMillis(*last);
    end = begin;
  }
  return std::nullopt;
}

std::unique_ptr<SourceFeed> SmdSource::Feed(const std::vector<size_t>& series,
                                            const std::vector<SampleBuffer*>& buffers, LogMillis after) {
  return std::make_unique<SmdFeed>(*this, series, buffers, after);
}

}  // namespace sm
