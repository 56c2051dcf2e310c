// Lookup tables (".smc" files in a site's smcdata folder): whole-number
// keys and one or more series of values per key.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace sm {

// The keys of one table file, ascending.
class TSMCFile {
 public:
  std::string path;
  std::vector<int32_t> keys;

  // Row of the key, or -1.
  int RowOf(int32_t key) const;
};

class TSMCSeries {
 public:
  std::string name;
  int column = 0;  // item number in the file's lines, from 2
  const TSMCFile* file = nullptr;
  std::vector<float> values;  // one per row, in key order

  // The value of the row whose key is the whole-number part of x (truncated
  // toward zero), or -1 when no row has that key.
  float ValueAt(double x) const;
};

struct LookupTables {
  std::vector<std::unique_ptr<TSMCFile>> files;
  std::vector<std::pair<std::string, std::unique_ptr<TSMCSeries>>> series;

  // First series of that name (ASCII case ignored), or nullptr.
  const TSMCSeries* Find(const std::string& name) const;
};

// Reads one table file. Throws std::runtime_error naming the file and line
// for a key or value that is not a number or a line shorter than the header.
void LoadLookupTable(const std::string& path, LookupTables& tables);

// Every "*.smc" file of the folder.
LookupTables LoadLookupTables(const std::string& folder);

}  // namespace sm
