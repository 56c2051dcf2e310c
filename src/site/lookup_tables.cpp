#include "site/lookup_tables.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include "core/comma_text.h"
#include "core/files.h"
#include "core/text.h"

namespace sm {

int TSMCFile::RowOf(int32_t key) const {
  auto it = std::lower_bound(keys.begin(), keys.end(), key);
  return it != keys.end() && *it == key ? static_cast<int>(it - keys.begin()) : -1;
}

float TSMCSeries::ValueAt(double x) const {
  double whole = std::trunc(x);
  if (!file || !(whole >= INT32_MIN && whole <= INT32_MAX)) return -1;
  int row = file->RowOf(static_cast<int32_t>(whole));
  return row < 0 ? -1.0f : values[static_cast<size_t>(row)];
}

const TSMCSeries* LookupTables::Find(const std::string& name) const {
  for (const auto& [series_name, s] : series)
    if (IEquals(series_name, name)) return s.get();
  return nullptr;
}

namespace {

std::runtime_error TableError(const std::string& path, size_t line, const std::string& what) {
  return std::runtime_error("Lookup table " + path + " line " + std::to_string(line) + ": " + what);
}

}  // namespace

void LoadLookupTable(const std::string& path, LookupTables& tables) {
  std::vector<std::string> lines = ReadLines(path);
  if (lines.empty()) throw TableError(path, 1, "no header");
  std::vector<std::string> header = SplitCommaText(lines[0]);

  struct Row {
    int32_t key;
    std::vector<float> values;
  };
  std::vector<Row> rows;
  for (size_t i = 1; i < lines.size(); ++i) {
    if (Trim(lines[i]).empty()) continue;  // blank lines hold no row
    std::vector<std::string> items = SplitCommaText(lines[i]);
    if (items.size() < header.size())
      throw TableError(path, i + 1, "fewer items than the header's " + std::to_string(header.size()));
    long long key;
    if (!TryParseInt(items[0], key) || key < INT32_MIN || key > INT32_MAX)
      throw TableError(path, i + 1, "\"" + items[0] + "\" is not a whole number");
    Row row{static_cast<int32_t>(key), {}};
    for (size_t c = 1; c < header.size(); ++c) {
      double v;
      if (!TryParseDouble(items[c], v)) throw TableError(path, i + 1, "\"" + items[c] + "\" is not a number");
      row.values.push_back(static_cast<float>(v));
    }
    rows.push_back(std::move(row));
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.key < b.key; });

  auto file = std::make_unique<TSMCFile>();
  file->path = path;
  for (const Row& r : rows) file->keys.push_back(r.key);
  for (size_t c = 1; c < header.size(); ++c) {
    auto series = std::make_unique<TSMCSeries>();
    series->name = header[c];
    series->column = static_cast<int>(c + 1);
    series->file = file.get();
    for (const Row& r : rows) series->values.push_back(r.values[c - 1]);
    tables.series.emplace_back(header[c], std::move(series));
  }
  tables.files.push_back(std::move(file));
}

LookupTables LoadLookupTables(const std::string& folder) {
  LookupTables tables;
  for (const std::string& name : ListFiles(folder, "*.smc")) LoadLookupTable(JoinPath(folder, name), tables);
  return tables;
}

}  // namespace sm
