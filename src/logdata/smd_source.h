// A source of kind "STE": a site description naming the series and a folder
// of data files. Opening reads the description and lists the files by name;
// a file is read only when its day is needed.
#pragma once

#include <memory>
#include <string>

#include "logdata/data_file.h"
#include "logdata/log_source.h"

namespace sm {

class SmdSource : public LogSource {
 public:
  // Nothing when the folder or the site description cannot be read.
  // `masks`: the file masks to take (the source's own and, when all logs
  // are added, its ".log" twin).
  static std::unique_ptr<SmdSource> Open(const std::string& folder, const std::vector<std::string>& masks,
                                         const std::string& site_file, ProblemLog& problems);

  std::optional<LogMillis> FirstTime() override;
  std::optional<LogMillis> LastTime() override;
  std::unique_ptr<SourceFeed> Feed(const std::vector<size_t>& series, const std::vector<SampleBuffer*>& buffers,
                                   LogMillis after) override;

  struct FileEntry {
    std::string name;
    int64_t day = 0;     // UTC day since 1970 the file's records lie on
    int64_t minute = 0;  // claimed time of the first record (seconds since 1970)
    bool from_name = true;
    enum class State { Unread, Good, Damaged } state = State::Unread;
    int64_t first = 0, last = 0;  // record times once read
  };

  // Reads the file into `bytes` (reusing its storage) and answers true when
  // it is a readable data file whose first record matches its name;
  // otherwise reports it, marks it damaged and answers false.
  // The checked reader over `bytes` is handed out when asked for.
  bool ReadChecked(FileEntry& file, std::string& bytes, std::optional<DataFileReader>* reader = nullptr);
  std::vector<FileEntry>& Files() { return files_; }
  void ReportDamage(FileEntry& file, const std::string& what);

 private:
  SmdSource(std::string folder, ProblemLog& problems) : folder_(std::move(folder)), problems_(problems) {}
  void IndexFiles(const std::vector<std::string>& masks);
  // End of the index range of the files of the day at `begin`.
  size_t DayEnd(size_t begin) const;
  // The earliest first (or latest last) record of files [begin, end),
  // reading those not read yet.
  std::optional<int64_t> DayBound(size_t begin, size_t end, bool first);

  std::string folder_;
  ProblemLog& problems_;
  std::vector<FileEntry> files_;  // by day, then by name
};

}  // namespace sm
