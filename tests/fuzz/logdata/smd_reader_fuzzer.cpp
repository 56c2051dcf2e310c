// Any bytes given to the data file reader end in a clean DataFileError or
// in records that are consistent and encode again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "logdata/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  sm::DataRecords records;
  try {
    records = sm::DataFileReader(bytes).DecodeAll();
  } catch (const sm::DataFileError&) {
    return 0;
  }
  for (size_t i = 1; i < records.times.size(); ++i)
    if (records.times[i] <= records.times[i - 1]) std::abort();
  for (const auto& c : records.columns)
    if (c.values.size() != records.times.size() || c.present.size() != records.times.size()) std::abort();
  // What was read can be written again and reads back the same.
  sm::DataRecords again = sm::DataFileReader(sm::EncodeDataFile(records)).DecodeAll();
  if (again.times != records.times) std::abort();
  return 0;
}
