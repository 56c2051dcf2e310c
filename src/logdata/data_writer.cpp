#include "logdata/data_writer.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

#include "core/files.h"
#include "logdata/data_file_name.h"

namespace sm {
namespace {

int64_t MinuteOf(int64_t seconds) { return (seconds - ((seconds % 60) + 60) % 60) / 60; }

DataRecords Slice(const DataRecords& r, size_t begin, size_t end) {
  DataRecords s;
  s.times.assign(r.times.begin() + begin, r.times.begin() + end);
  for (const DataColumn& c : r.columns) {
    DataColumn part{c.id, {}, {}};
    part.values.assign(c.values.begin() + begin, c.values.begin() + end);
    part.present.assign(c.present.begin() + begin, c.present.begin() + end);
    s.columns.push_back(std::move(part));
  }
  return s;
}

std::string DayPattern(const std::string& proc_id, int64_t day) {
  std::string name = DataFileName(proc_id, day * 86400);  // "<ProcID>-YYYY-MM-DD-0000.smd"
  return name.substr(0, name.size() - 8) + "*.smd";
}

}  // namespace

std::vector<NamedFile> PackDay(const std::string& proc_id, const DataRecords& day) {
  std::vector<NamedFile> files;
  const size_t n = day.RecordCount();
  size_t begin = 0;
  while (begin < n) {
    std::string whole = EncodeDataFile(Slice(day, begin, n));
    if (whole.size() <= kMaxDataFileBytes) {
      files.push_back({DataFileName(proc_id, day.times[begin]), std::move(whole)});
      break;
    }
    // The longest run from `begin` that fits one file.
    size_t fits = 0, lo = 1, hi = n - begin - 1;
    std::string best;
    while (lo <= hi) {
      size_t mid = lo + (hi - lo) / 2;
      std::string bytes = EncodeDataFile(Slice(day, begin, begin + mid));
      if (bytes.size() <= kMaxDataFileBytes) {
        fits = mid;
        best = std::move(bytes);
        lo = mid + 1;
      } else {
        hi = mid - 1;
      }
    }
    if (fits == 0) throw std::invalid_argument("one record is larger than a data file can be");
    if (MinuteOf(day.times[begin + fits]) == MinuteOf(day.times[begin]))
      throw std::invalid_argument("one minute holds more records than a data file can");
    files.push_back({DataFileName(proc_id, day.times[begin]), std::move(best)});
    begin += fits;
  }
  return files;
}

std::vector<DataRecords> SplitByDay(const DataRecords& records) {
  std::vector<DataRecords> days;
  size_t begin = 0;
  while (begin < records.RecordCount()) {
    size_t end = begin;
    const int64_t day = UtcDayOf(records.times[begin]);
    while (end < records.RecordCount() && UtcDayOf(records.times[end]) == day) ++end;
    days.push_back(Slice(records, begin, end));
    begin = end;
  }
  return days;
}

DataRecords MergeRecords(const std::vector<const DataRecords*>& sets) {
  DataRecords merged;
  for (const DataRecords* s : sets) merged.times.insert(merged.times.end(), s->times.begin(), s->times.end());
  std::sort(merged.times.begin(), merged.times.end());
  merged.times.erase(std::unique(merged.times.begin(), merged.times.end()), merged.times.end());
  const size_t n = merged.times.size();
  std::unordered_map<std::string, size_t> column_of;
  for (const DataRecords* s : sets) {
    for (const DataColumn& c : s->columns) {
      auto [it, added] = column_of.emplace(c.id, merged.columns.size());
      if (added) merged.columns.push_back({c.id, std::vector<double>(n, 0.0), std::vector<uint8_t>(n, 0)});
      DataColumn& out = merged.columns[it->second];
      for (size_t r = 0; r < s->times.size(); ++r) {
        if (c.present[r] != 1) continue;
        size_t row = static_cast<size_t>(std::lower_bound(merged.times.begin(), merged.times.end(), s->times[r]) -
                                         merged.times.begin());
        out.values[row] = c.values[r];
        out.present[row] = 1;
      }
    }
  }
  return merged;
}

DataWritePlan PlanDataWrite(const std::string& folder, const std::string& proc_id, const DataRecords& records) {
  DataWritePlan plan;
  for (const DataRecords& day : SplitByDay(records)) {
    const std::vector<std::string> existing = ListFiles(folder, DayPattern(proc_id, UtcDayOf(day.times.front())));
    std::vector<DataRecords> old;
    for (const std::string& name : existing) {
      const std::string path = JoinPath(folder, name);
      try {
        old.push_back(DataFileReader(ReadFileBytes(path)).DecodeAll());
      } catch (const DataFileError& e) {
        throw std::runtime_error(path + ": " + e.what());
      }
    }
    std::vector<const DataRecords*> sets;
    for (const DataRecords& r : old) sets.push_back(&r);
    sets.push_back(&day);
    std::vector<NamedFile> files = PackDay(proc_id, MergeRecords(sets));
    for (const std::string& name : existing)
      if (std::none_of(files.begin(), files.end(), [&](const NamedFile& f) { return f.name == name; }))
        plan.deletes.push_back(name);
    for (NamedFile& f : files) plan.writes.push_back(std::move(f));
  }
  return plan;
}

void ApplyDataWritePlan(const std::string& folder, const DataWritePlan& plan) {
  for (const NamedFile& f : plan.writes) WriteFileAtomically(JoinPath(folder, f.name), f.bytes);
  for (const std::string& name : plan.deletes) DeleteFile(JoinPath(folder, name));
}

void WriteDay(const std::string& folder, const std::string& proc_id, const DataRecords& day) {
  for (const NamedFile& f : PackDay(proc_id, day)) WriteFileAtomically(JoinPath(folder, f.name), f.bytes);
}

}  // namespace sm
