// A source of kind "CSV": comma-separated files (model files or exports) in
// a folder. Opening reads each file's header for the catalogue; the records
// are read when first needed. Times are taken as written.
#pragma once

#include <memory>
#include <string>

#include "logdata/log_source.h"

namespace sm {

class CsvSource : public LogSource {
 public:
  // Nothing when the folder cannot be read.
  static std::unique_ptr<CsvSource> Open(const std::string& folder, const std::vector<std::string>& masks,
                                         ProblemLog& problems);

  std::optional<LogMillis> FirstTime() override;
  std::optional<LogMillis> LastTime() override;
  std::unique_ptr<SourceFeed> Feed(const std::vector<size_t>& series, const std::vector<SampleBuffer*>& buffers,
                                   LogMillis after) override;

 private:
  explicit CsvSource(ProblemLog& problems) : problems_(problems) {}
  void Load();

  ProblemLog& problems_;
  std::vector<std::string> paths_;
  bool loaded_ = false;
  std::vector<std::vector<Sample>> samples_;  // per series, by time
};

}  // namespace sm
