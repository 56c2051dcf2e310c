// Comma-separated data read as logged records, in two layouts:
// - model files: header "Date,<series>...", one line per day; line k is the
//   record at the first line's date + k days (later date cells are not read);
// - exports: header "DATE,TIME[,SITE],<series>...", one line per record at
//   its date (yyyy-mm-dd) and time (hh:mm or hh:mm:ss); an empty field means
//   no value.
// Fields are separated by "," and never quoted.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "logdata/log_time.h"

namespace sm {

enum class CsvLayout { Model, Export };

struct CsvTable {
  CsvLayout layout = CsvLayout::Export;
  bool has_site_column = false;
  std::vector<std::string> names;
  std::vector<LogMillis> times;  // one per data line, in file order
  std::vector<double> values;    // data lines x names, row by row
  std::vector<uint8_t> present;  // likewise; 1 = a value was given

  size_t RowCount() const { return times.size(); }
};

// A line that cannot be read; line is 1-based.
class CsvError : public std::runtime_error {
 public:
  CsvError(size_t line, const std::string& what) : std::runtime_error(what), line_(line) {}
  size_t line() const { return line_; }

 private:
  size_t line_;
};

// All or nothing: the first bad line throws CsvError.
CsvTable ParseCsvData(std::string_view text);

// The series names of a header line (throws CsvError for line 1).
CsvTable ParseCsvHeader(std::string_view header_line);

}  // namespace sm
