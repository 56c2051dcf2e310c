#include "logdata/data_file.h"

#include <bit>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <unordered_set>

#include "logdata/crc32.h"
#include "logdata/decimal_value.h"

namespace sm {
namespace {

constexpr char kMagic[4] = {'S', 'M', 'D', '1'};
constexpr uint16_t kVersion = 1;
constexpr size_t kHeaderBytes = 36;
constexpr int64_t kSecondsPerDay = 86400;
// 1900-01-01 and 9999-12-31 23:59:59, seconds since 1970.
constexpr int64_t kEarliestTime = -2208988800;
constexpr int64_t kLatestTime = 253402300799;

// Fuzzing builds let checksums pass, so that the fuzzer reaches the parsing
// behind them.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
constexpr bool kCheckSums = false;
#else
constexpr bool kCheckSums = true;
#endif

enum : uint8_t { kAllPresent = 0, kPresenceBitmap = 1 };
enum : uint8_t { kDecimalValues = 0, kRawValues = 1 };

void CheckRecords(const DataRecords& r) {
  const size_t n = r.times.size();
  if (n == 0) throw std::invalid_argument("a data file needs at least one record");
  if (n > UINT32_MAX) throw std::invalid_argument("too many records for one data file");
  for (size_t i = 0; i < n; ++i) {
    if (r.times[i] < kEarliestTime || r.times[i] > kLatestTime)
      throw std::invalid_argument("record time out of range");
    if (i > 0 && r.times[i] <= r.times[i - 1]) throw std::invalid_argument("record times must ascend");
  }
  if (UtcDayOf(r.times.front()) != UtcDayOf(r.times.back()))
    throw std::invalid_argument("a data file covers at most one UTC day");
  std::unordered_set<std::string> ids;
  for (const DataColumn& c : r.columns) {
    if (c.id.empty() || c.id.size() > kMaxSeriesIdBytes)
      throw std::invalid_argument("series id \"" + c.id + "\" must be 1 to 255 bytes");
    if (!ids.insert(c.id).second) throw std::invalid_argument("series id \"" + c.id + "\" repeated");
    if (c.values.size() != n || c.present.size() != n)
      throw std::invalid_argument("series \"" + c.id + "\" has the wrong number of values");
  }
}

std::string EncodeTimes(const std::vector<int64_t>& times) {
  ByteWriter w;
  int64_t previous_delta = 0;
  for (size_t i = 1; i < times.size(); ++i) {
    int64_t delta = times[i] - times[i - 1];
    w.VarInt(delta - previous_delta);
    previous_delta = delta;
  }
  return std::move(w.Buffer());
}

// Decimal mantissas at one common exponent, or nothing when some value has
// no exact decimal form within the limits.
std::optional<std::pair<int, std::vector<int64_t>>> DecimalMantissas(const std::vector<double>& values) {
  std::vector<DecimalForm> forms;
  forms.reserve(values.size());
  int exponent = -kMaxDecimalExponent;
  for (double v : values) {
    auto f = ShortestDecimal(v);
    if (!f) return std::nullopt;
    forms.push_back(*f);
    if (f->mantissa != 0 && f->exponent > exponent) exponent = f->exponent;
  }
  if (values.empty()) exponent = 0;
  std::vector<int64_t> mantissas;
  mantissas.reserve(values.size());
  for (size_t i = 0; i < forms.size(); ++i) {
    auto m = forms[i].mantissa == 0 ? std::optional<int64_t>(0) : MantissaAt(forms[i], exponent);
    if (!m || DecimalToDouble(*m, exponent) != values[i]) return std::nullopt;
    mantissas.push_back(*m);
  }
  return std::pair{exponent, std::move(mantissas)};
}

std::string EncodeSeries(const DataColumn& c) {
  const size_t n = c.present.size();
  std::vector<double> logged;
  for (size_t i = 0; i < n; ++i)
    if (c.present[i] == 1) logged.push_back(c.values[i]);
  ByteWriter w;
  if (logged.size() == n) {
    w.U8(kAllPresent);
  } else {
    w.U8(kPresenceBitmap);
    std::string bitmap((n + 7) / 8, '\0');
    for (size_t i = 0; i < n; ++i)
      if (c.present[i] == 1) bitmap[i / 8] = static_cast<char>(bitmap[i / 8] | (1 << (i % 8)));
    w.Bytes(bitmap);
  }
  if (auto decimal = DecimalMantissas(logged)) {
    w.U8(kDecimalValues);
    w.U8(static_cast<uint8_t>(static_cast<int8_t>(decimal->first)));
    int64_t previous = 0;
    for (int64_t m : decimal->second) {
      w.VarInt(m - previous);
      previous = m;
    }
  } else {
    w.U8(kRawValues);
    for (double v : logged) w.U64(std::bit_cast<uint64_t>(v));
  }
  return std::move(w.Buffer());
}

bool AnyPresent(const DataColumn& c) {
  for (uint8_t p : c.present)
    if (p == 1) return true;
  return false;
}

}  // namespace

int64_t UtcDayOf(int64_t unix_seconds) {
  return unix_seconds >= 0 ? unix_seconds / kSecondsPerDay : -((-unix_seconds + kSecondsPerDay - 1) / kSecondsPerDay);
}

std::string EncodeDataFile(const DataRecords& records) {
  CheckRecords(records);
  std::string time_block = EncodeTimes(records.times);
  std::vector<const DataColumn*> columns;
  std::vector<std::string> blocks;
  for (const DataColumn& c : records.columns) {
    if (!AnyPresent(c)) continue;
    columns.push_back(&c);
    blocks.push_back(EncodeSeries(c));
  }

  ByteWriter dir;
  dir.VarUint(time_block.size());
  dir.U32(Crc32(time_block));
  for (size_t k = 0; k < columns.size(); ++k) {
    dir.U8(static_cast<uint8_t>(columns[k]->id.size()));
    dir.Bytes(columns[k]->id);
    dir.VarUint(blocks[k].size());
    dir.U32(Crc32(blocks[k]));
  }

  ByteWriter out;
  out.Bytes(std::string_view(kMagic, 4));
  out.U16(kVersion);
  out.U16(0);
  out.U32(static_cast<uint32_t>(records.times.size()));
  out.U32(static_cast<uint32_t>(columns.size()));
  out.U64(static_cast<uint64_t>(records.times.front()));
  out.U32(static_cast<uint32_t>(records.times.back() - records.times.front()));
  out.U32(static_cast<uint32_t>(dir.Size()));
  out.U32(Crc32(out.Buffer()));
  out.Bytes(dir.Buffer());
  out.U32(Crc32(dir.Buffer()));
  out.Bytes(time_block);
  for (const std::string& b : blocks) out.Bytes(b);
  return std::move(out.Buffer());
}

DataFileReader::DataFileReader(std::string_view bytes) : bytes_(bytes) {
  if (bytes.empty()) throw DataFileError("empty file");
  if (bytes.size() > kMaxDataFileBytes)
    throw DataFileError("larger than a data file can be (" + std::to_string(bytes.size()) + " bytes)");
  if (bytes.size() < kHeaderBytes + 4) {
    if (bytes.substr(0, 4) != std::string_view(kMagic, std::min<size_t>(4, bytes.size())))
      throw DataFileError("not a data file");
    throw DataFileError("truncated");
  }
  ByteReader header(bytes.substr(0, kHeaderBytes), "header");
  if (header.Bytes(4) != std::string_view(kMagic, 4)) throw DataFileError("not a data file");
  uint16_t version = header.U16();
  if (version != kVersion) throw DataFileError("unknown format version " + std::to_string(version));
  if (kCheckSums && Crc32(bytes.substr(0, kHeaderBytes - 4)) != ByteReader(bytes.substr(kHeaderBytes - 4, 4), "header").U32())
    throw DataFileError("damaged (header checksum)");
  if (header.U16() != 0) throw DataFileError("unknown flags");
  record_count_ = header.U32();
  uint32_t series_count = header.U32();
  first_time_ = static_cast<int64_t>(header.U64());
  span_ = header.U32();
  size_t dir_length = header.U32();
  if (record_count_ == 0) throw DataFileError("no records");
  if (first_time_ < kEarliestTime || first_time_ > kLatestTime) throw DataFileError("first time out of range");
  if (UtcDayOf(first_time_) != UtcDayOf(first_time_ + span_)) throw DataFileError("records cross midnight");
  if (record_count_ > 1 + static_cast<size_t>(span_)) throw DataFileError("more records than seconds");

  if (dir_length > bytes.size() - kHeaderBytes - 4) throw DataFileError("truncated");
  std::string_view dir_bytes = bytes.substr(kHeaderBytes, dir_length);
  if (kCheckSums && Crc32(dir_bytes) != ByteReader(bytes.substr(kHeaderBytes + dir_length, 4), "directory").U32())
    throw DataFileError("damaged (directory checksum)");

  ByteReader dir(dir_bytes, "directory");
  size_t offset = kHeaderBytes + dir_length + 4;
  const size_t limit = bytes.size();
  auto read_block = [&](Block& b) {
    uint64_t length = dir.VarUint();
    b.crc = dir.U32();
    if (length > kMaxDataFileBytes) throw DataFileError("damaged (block length)");
    b.offset = offset;
    b.length = static_cast<size_t>(length);
    offset += b.length;
  };
  read_block(times_);
  if (series_count > dir.Remaining() / 6) throw DataFileError("damaged (series count)");
  series_.reserve(series_count);
  std::unordered_set<std::string_view> ids;
  for (uint32_t k = 0; k < series_count; ++k) {
    Block b;
    uint8_t id_length = dir.U8();
    if (id_length == 0) throw DataFileError("damaged (empty series id)");
    b.id = std::string(dir.Bytes(id_length));
    read_block(b);
    series_.push_back(std::move(b));
  }
  if (!dir.AtEnd()) throw DataFileError("damaged (directory length)");
  for (const Block& b : series_)
    if (!ids.insert(b.id).second) throw DataFileError("series \"" + b.id + "\" named twice");
  if (offset < limit) throw DataFileError("bytes after the last block");
  if (offset > limit) throw DataFileError("truncated");
}

std::string_view DataFileReader::BlockBytes(const Block& b, const char* what) const {
  std::string_view bytes = bytes_.substr(b.offset, b.length);
  if (kCheckSums && Crc32(bytes) != b.crc) throw DataFileError(std::string("damaged (") + what + " checksum)");
  return bytes;
}

std::vector<int64_t> DataFileReader::DecodeTimes() const {
  ByteReader r(BlockBytes(times_, "times"), "times");
  std::vector<int64_t> times;
  times.reserve(record_count_);
  times.push_back(first_time_);
  int64_t delta = 0;
  for (size_t i = 1; i < record_count_; ++i) {
    int64_t change = r.VarInt();
    // Bounded by the span, so neither sum can overflow.
    if (change > span_ || change < -span_) r.Fail("step out of range");
    delta += change;
    if (delta < 1 || delta > span_) r.Fail("times do not ascend");
    times.push_back(times.back() + delta);
    if (times.back() > first_time_ + span_) r.Fail("times pass the span");
  }
  if (!r.AtEnd()) r.Fail("trailing bytes");
  if (times.back() != first_time_ + span_) r.Fail("last time differs from the header");
  return times;
}

void DataFileReader::DecodeSeries(size_t i, std::vector<double>& values, std::vector<uint8_t>& present) const {
  const Block& b = series_.at(i);
  ByteReader r(BlockBytes(b, "values"), "values");
  const size_t n = record_count_;
  values.assign(n, 0.0);
  present.assign(n, 0);
  uint8_t presence = r.U8();
  if (presence == kAllPresent) {
    present.assign(n, 1);
  } else if (presence == kPresenceBitmap) {
    std::string_view bitmap = r.Bytes((n + 7) / 8);
    for (size_t k = 0; k < n; ++k) present[k] = (static_cast<uint8_t>(bitmap[k / 8]) >> (k % 8)) & 1;
    if (n % 8 && (static_cast<uint8_t>(bitmap.back()) >> (n % 8)) != 0) r.Fail("stray presence bits");
  } else {
    r.Fail("unknown presence kind");
  }
  uint8_t encoding = r.U8();
  if (encoding == kDecimalValues) {
    int exponent = static_cast<int8_t>(r.U8());
    if (exponent > kMaxDecimalExponent || exponent < -kMaxDecimalExponent) r.Fail("exponent out of range");
    int64_t m = 0;
    for (size_t k = 0; k < n; ++k) {
      if (!present[k]) continue;
      int64_t step = r.VarInt();
      // Both within the exact range, so the sum cannot overflow.
      if (step > 2 * kMaxExactMantissa || step < -2 * kMaxExactMantissa) r.Fail("value out of range");
      m += step;
      if (m > kMaxExactMantissa || m < -kMaxExactMantissa) r.Fail("value out of range");
      values[k] = DecimalToDouble(m, exponent);
    }
  } else if (encoding == kRawValues) {
    for (size_t k = 0; k < n; ++k)
      if (present[k]) values[k] = std::bit_cast<double>(r.U64());
  } else {
    r.Fail("unknown value encoding");
  }
  if (!r.AtEnd()) r.Fail("trailing bytes");
}

DataRecords DataFileReader::DecodeAll() const {
  DataRecords records;
  records.times = DecodeTimes();
  for (size_t i = 0; i < series_.size(); ++i) {
    DataColumn c;
    c.id = series_[i].id;
    DecodeSeries(i, c.values, c.present);
    records.columns.push_back(std::move(c));
  }
  return records;
}

}  // namespace sm
