#include <gtest/gtest.h>

#include "core/numbers.h"
#include "logdata/data_file.h"
#include "logdata/data_file_name.h"
#include "logdata/data_writer.h"
#include "logdata_fixture.h"

namespace sm {
namespace {

using test::kNone;
using test::Records;
using test::Utc;

DataRecords Sample() {
  const int64_t t0 = Utc(2024, 3, 1, 0, 5);
  return Records({t0, t0 + 300, t0 + 600, t0 + 1200, t0 + 1201},
                 {{"T1", {21.3, 21.4, kNone, 21.2, -0.5}},
                  {"RAW", {1.0 / 3, 2.0 / 3, 1e300, kNone, 0}},
                  {"BIG", {1e20, 2.5e20, 0, 7e-9, 123456.789}},
                  {"EMPTY", {kNone, kNone, kNone, kNone, kNone}}});
}

TEST(DataFile, RoundTripKeepsTimesPresenceAndEveryValueBitForBit) {
  DataRecords in = Sample();
  std::string bytes = EncodeDataFile(in);
  DataFileReader reader(bytes);
  EXPECT_EQ(reader.FirstTime(), in.times.front());
  EXPECT_EQ(reader.LastTime(), in.times.back());
  ASSERT_EQ(reader.SeriesCount(), 3u);  // a series without values is left out
  DataRecords out = reader.DecodeAll();
  EXPECT_EQ(out.times, in.times);
  for (size_t c = 0; c < 3; ++c) {
    EXPECT_EQ(out.columns[c].id, in.columns[c].id);
    EXPECT_EQ(out.columns[c].present, in.columns[c].present);
    for (size_t r = 0; r < in.times.size(); ++r)
      if (in.columns[c].present[r]) {
        EXPECT_EQ(out.columns[c].values[r], in.columns[c].values[r]) << c << "/" << r;
      }
  }
  // The logged text survives: 21.3 comes back as the double nearest 21.3.
  EXPECT_EQ(FormatGeneral(out.columns[0].values[0]), "21.3");
  EXPECT_EQ(FormatGeneral(out.columns[0].values[4]), "-0.5");
}

TEST(DataFile, EveryDamagedByteIsFoundBeforeAValueIsDelivered) {
  const std::string good = EncodeDataFile(Sample());
  const DataRecords expected = DataFileReader(good).DecodeAll();
  for (size_t pos = 0; pos < good.size(); ++pos) {
    std::string bad = good;
    bad[pos] = static_cast<char>(bad[pos] ^ 0x24);
    EXPECT_THROW(DataFileReader(bad).DecodeAll(), DataFileError) << "byte " << pos;
  }
  for (size_t length : {size_t{0}, size_t{3}, size_t{20}, size_t{39}, good.size() / 2, good.size() - 1}) {
    EXPECT_THROW(DataFileReader(good.substr(0, length)).DecodeAll(), DataFileError) << "length " << length;
  }
  EXPECT_THROW(DataFileReader(good + "x"), DataFileError);
  EXPECT_THROW(DataFileReader(std::string(kMaxDataFileBytes + 1, 'S')), DataFileError);
}

TEST(DataFile, ReasonsNameWhatIsWrong) {
  const std::string good = EncodeDataFile(Sample());
  auto reason = [](const std::string& bytes) {
    try {
      DataFileReader(bytes).DecodeAll();
    } catch (const DataFileError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(reason(""), "empty file");
  EXPECT_EQ(reason("hello, world, this is text and not data at all"), "not a data file");
  EXPECT_EQ(reason(good.substr(0, good.size() - 3)), "truncated");
  EXPECT_EQ(reason(std::string(60000, '\0')), "larger than a data file can be (60000 bytes)");
  std::string flipped = good;
  flipped.back() = static_cast<char>(flipped.back() ^ 1);
  EXPECT_EQ(reason(flipped), "damaged (values checksum)");
}

TEST(DataFile, EncodingRefusesRecordsThatCannotBeOneFile) {
  const int64_t t = Utc(2024, 3, 1, 23, 50);
  EXPECT_THROW(EncodeDataFile(Records({t, t}, {{"A", {1, 2}}})), std::invalid_argument);
  EXPECT_THROW(EncodeDataFile(Records({t, t + 600}, {{"A", {1, 2}}})), std::invalid_argument);  // past midnight
  EXPECT_THROW(EncodeDataFile(Records({t}, {{"A", {1}}, {"A", {2}}})), std::invalid_argument);
  EXPECT_THROW(EncodeDataFile(Records({}, {})), std::invalid_argument);
}

TEST(DataFile, DayOfSixtyFourSeriesAtFiveMinutesFitsOneSmallFile) {
  std::vector<int64_t> times;
  for (int k = 0; k < 288; ++k) times.push_back(Utc(2024, 3, 1) + k * 300);
  std::vector<test::Column> columns;
  for (int s = 0; s < 64; ++s) {
    test::Column c{"S" + std::to_string(s), {}};
    for (int k = 0; k < 288; ++k) c.values.push_back(std::round((20 + s + 3 * std::sin(k / 20.0 + s)) * 10) / 10);
    columns.push_back(c);
  }
  DataRecords day = Records(times, columns);
  auto files = PackDay("P", day);
  ASSERT_EQ(files.size(), 1u);
  EXPECT_LT(files[0].bytes.size(), 25000u);
  EXPECT_EQ(files[0].name, "P-2024-03-01-0000.smd");
}

TEST(DataFile, PackDaySplitsLargeDaysIntoFilesNamedByTheirFirstRecord) {
  std::vector<int64_t> times;
  for (int k = 0; k < 1440; ++k) times.push_back(Utc(2024, 3, 1) + k * 60);
  std::vector<test::Column> columns;
  for (int s = 0; s < 8; ++s) {
    test::Column c{"R" + std::to_string(s), {}};
    for (int k = 0; k < 1440; ++k) c.values.push_back(1.0 / (k + s + 3));  // no short decimals: raw doubles
    columns.push_back(c);
  }
  DataRecords day = Records(times, columns);
  auto files = PackDay("P", day);
  ASSERT_GT(files.size(), 1u);
  std::vector<const DataRecords*> parts;
  std::vector<DataRecords> decoded;
  for (const auto& f : files) {
    EXPECT_LE(f.bytes.size(), kMaxDataFileBytes);
    decoded.push_back(DataFileReader(f.bytes).DecodeAll());
    EXPECT_EQ(f.name, DataFileName("P", decoded.back().times.front()));
  }
  for (const auto& d : decoded) parts.push_back(&d);
  DataRecords joined = MergeRecords(parts);
  EXPECT_EQ(joined.times, day.times);
  EXPECT_EQ(joined.columns[3].values, day.columns[3].values);
}

TEST(DataFileName, NamesCarryTheFirstRecordsUtcMinute) {
  EXPECT_EQ(DataFileName("Farm-1", Utc(2024, 2, 29, 13, 7, 45)), "Farm-1-2024-02-29-1307.smd");
  EXPECT_EQ(DataFileNameMinute("Farm-1-2024-02-29-1307.smd"), Utc(2024, 2, 29, 13, 7));
  EXPECT_EQ(DataFileNameMinute("x-1999-12-31-2359.log"), Utc(1999, 12, 31, 23, 59));
  for (const char* bad : {"x-2024-02-30-1200.smd", "x-2024-02-01-2400.smd", "x2024-02-01-1200.smd",
                          "x-2024-02-01-12a0.smd", "short.smd", "x-2024-02-01-1200"})
    EXPECT_FALSE(DataFileNameMinute(bad)) << bad;
}

}  // namespace
}  // namespace sm
