// Writing data files: packing a day's records into files of at most
// kMaxDataFileBytes, and merging new records into a folder's existing days.
// Generators (demonstration and benchmark sites) and the CSV import use it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "logdata/data_file.h"

namespace sm {

struct NamedFile {
  std::string name;
  std::string bytes;
};

// The records of one UTC day as data files named after their first record,
// split where one file would grow too large. Throws std::invalid_argument
// when the records are not one day's or one minute holds more than a file.
std::vector<NamedFile> PackDay(const std::string& proc_id, const DataRecords& day);

// Splits records (ascending times) into one set per UTC day.
std::vector<DataRecords> SplitByDay(const DataRecords& records);

// Merges record sets of one day: later sets win where a series has a value
// at the same time in two of them.
DataRecords MergeRecords(const std::vector<const DataRecords*>& sets);

// What writing new records into a folder comes to: files to write and files
// they replace. Worked out before anything is written.
struct DataWritePlan {
  std::vector<NamedFile> writes;
  std::vector<std::string> deletes;  // file names
};

// For each day of `records`: the day's existing files "<ProcID>-<day>-*.smd"
// merged in name order, the new records winning, packed anew. Throws
// std::runtime_error naming an existing file that cannot be read, so a
// damaged day is never rewritten from part of its data.
DataWritePlan PlanDataWrite(const std::string& folder, const std::string& proc_id, const DataRecords& records);

// Writes each file atomically, then removes the files they replace.
void ApplyDataWritePlan(const std::string& folder, const DataWritePlan& plan);

// Packs and writes one day's records without merging (for generated sites).
void WriteDay(const std::string& folder, const std::string& proc_id, const DataRecords& day);

}  // namespace sm
