// Data files (".smd"): the logged records of one UTC day or part of it, in
// a compact binary layout described in docs/formats.md. Every part carries
// a CRC-32, so damage is found before a value is delivered.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "logdata/byte_codec.h"

namespace sm {

// The download path moves files below 60,000 bytes once enciphered.
constexpr size_t kMaxDataFileBytes = 59904;
constexpr size_t kMaxSeriesIdBytes = 255;

// One series of a set of records: a value per record, logged or not.
struct DataColumn {
  std::string id;
  std::vector<double> values;    // one per record; ignored where not present
  std::vector<uint8_t> present;  // one per record; 1 = a value was logged
};

// Records at ascending times (seconds since 1970-01-01 00:00 UTC), each with
// the values of the series logged at that time.
struct DataRecords {
  std::vector<int64_t> times;
  std::vector<DataColumn> columns;

  size_t RecordCount() const { return times.size(); }
};

// Encodes the records as one data file. Columns without any present value
// are left out. Throws std::invalid_argument when the records cannot form
// one file: none, times not strictly ascending, more than one UTC day, an
// id that is empty, too long or repeated, or columns of the wrong length.
// The size limit is the caller's business (see PackDay).
std::string EncodeDataFile(const DataRecords& records);

// A data file checked as far as its header and directory; the blocks are
// checked as they are decoded. Throws DataFileError.
class DataFileReader {
 public:
  explicit DataFileReader(std::string_view bytes);

  int64_t FirstTime() const { return first_time_; }
  int64_t LastTime() const { return first_time_ + span_; }
  size_t RecordCount() const { return record_count_; }
  size_t SeriesCount() const { return series_.size(); }
  const std::string& SeriesId(size_t i) const { return series_[i].id; }

  std::vector<int64_t> DecodeTimes() const;
  // The values of series i: `values` and `present` get one slot per record.
  void DecodeSeries(size_t i, std::vector<double>& values, std::vector<uint8_t>& present) const;
  // Everything, for rewriting a day.
  DataRecords DecodeAll() const;

 private:
  struct Block {
    std::string id;
    size_t offset = 0, length = 0;
    uint32_t crc = 0;
  };
  std::string_view BlockBytes(const Block& b, const char* what) const;

  std::string_view bytes_;
  int64_t first_time_ = 0;
  int64_t span_ = 0;
  size_t record_count_ = 0;
  Block times_;
  std::vector<Block> series_;
};

// Seconds since 1970 of the UTC day's midnight, and the day number itself.
int64_t UtcDayOf(int64_t unix_seconds);

}  // namespace sm
