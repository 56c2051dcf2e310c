#include "logdata/csv_source.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <unordered_map>

#include "core/files.h"
#include "logdata/csv_data.h"

namespace sm {
namespace {

class CsvFeed : public SourceFeed {
 public:
  CsvFeed(const std::vector<std::vector<Sample>>& samples, const std::vector<size_t>& series,
          const std::vector<SampleBuffer*>& buffers, LogMillis after) {
    // Everything is in memory already: hand over the samples after the start.
    for (size_t k = 0; k < series.size(); ++k) {
      const auto& all = samples[series[k]];
      auto first = std::upper_bound(all.begin(), all.end(), after,
                                    [](LogMillis t, const Sample& s) { return t < s.time; });
      buffers[k]->insert(buffers[k]->end(), first, all.end());
    }
  }
  void FillThrough(LogMillis) override {}
};

}  // namespace

std::unique_ptr<CsvSource> CsvSource::Open(const std::string& folder, const std::vector<std::string>& masks,
                                           ProblemLog& problems) {
  if (!DirectoryExists(folder)) return nullptr;
  std::unique_ptr<CsvSource> source(new CsvSource(problems));
  std::set<std::string> names;
  for (const std::string& mask : masks)
    for (std::string& name : ListFiles(folder, mask)) names.insert(std::move(name));
  std::unordered_map<std::string, size_t> known;
  for (const std::string& name : names) {
    std::string path = JoinPath(folder, name);
    std::ifstream in(path, std::ios::binary);
    std::string header;
    if (!in || !std::getline(in, header)) {
      problems.Report(path + ": cannot read");
      continue;
    }
    try {
      for (const std::string& series : ParseCsvHeader(header).names)
        if (known.emplace(series, source->series_.size()).second) source->series_.push_back({series, series, 0});
    } catch (const CsvError& e) {
      problems.Report(path + ":" + std::to_string(e.line()) + ": " + e.what());
      continue;
    }
    source->paths_.push_back(std::move(path));
  }
  return source;
}

void CsvSource::Load() {
  if (loaded_) return;
  loaded_ = true;
  samples_.assign(series_.size(), {});
  std::unordered_map<std::string, size_t> index;
  for (size_t i = 0; i < series_.size(); ++i) index.emplace(series_[i].name, i);
  for (const std::string& path : paths_) {
    CsvTable table;
    try {
      table = ParseCsvData(ReadFileBytes(path));
    } catch (const CsvError& e) {
      problems_.Report(path + ":" + std::to_string(e.line()) + ": " + e.what());
      continue;
    } catch (const std::exception& e) {
      problems_.Report(e.what());
      continue;
    }
    const size_t width = table.names.size();
    for (size_t c = 0; c < width; ++c) {
      auto it = index.find(table.names[c]);
      if (it == index.end()) continue;  // the file changed since it was opened
      auto& out = samples_[it->second];
      for (size_t r = 0; r < table.RowCount(); ++r)
        if (table.present[r * width + c]) out.push_back({table.times[r], table.values[r * width + c]});
    }
  }
  // Lines of one file may come in any order; equal times keep the later line
  // and, across files, the later file.
  for (auto& s : samples_) MergeByTimeLastWins(s);
}

std::optional<LogMillis> CsvSource::FirstTime() {
  Load();
  std::optional<LogMillis> first;
  for (const auto& s : samples_)
    if (!s.empty() && (!first || s.front().time < *first)) first = s.front().time;
  return first;
}

std::optional<LogMillis> CsvSource::LastTime() {
  Load();
  std::optional<LogMillis> last;
  for (const auto& s : samples_)
    if (!s.empty() && (!last || s.back().time > *last)) last = s.back().time;
  return last;
}

std::unique_ptr<SourceFeed> CsvSource::Feed(const std::vector<size_t>& series,
                                            const std::vector<SampleBuffer*>& buffers, LogMillis after) {
  Load();
  return std::make_unique<CsvFeed>(samples_, series, buffers, after);
}

}  // namespace sm
