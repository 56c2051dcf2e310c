// Any text given to the CSV data reader ends in a CsvError naming a line
// or in a table whose shape matches its header.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "logdata/csv_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    sm::CsvTable t = sm::ParseCsvData(text);
    if (t.values.size() != t.RowCount() * t.names.size() || t.present.size() != t.values.size()) std::abort();
  } catch (const sm::CsvError& e) {
    if (e.line() == 0) std::abort();
  }
  return 0;
}
