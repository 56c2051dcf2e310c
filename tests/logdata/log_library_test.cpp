#include <gtest/gtest.h>

#include "core/datetime.h"
#include "core/files.h"
#include "logdata/data_file_name.h"
#include "logdata/log_library.h"
#include "logdata_fixture.h"

namespace sm {
namespace {

using test::Describe;
using test::kNone;
using test::MakeSite;
using test::Records;
using test::Utc;

TDateTime AtUtc(int64_t unix_seconds) { return FromLogMillis(UnixSecondsToMillis(unix_seconds)); }

struct Row {
  TDateTime time;
  std::vector<uint8_t> status;
  std::vector<double> values;
};

class LogLibraryTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::vector<std::string> problems;
  LogLibrary lib{[this](const std::string& m) { problems.push_back(m); }};
  std::vector<double> values;
  std::vector<uint8_t> status;

  // Expands `rows` rows from `start`, requesting the series whose index is
  // listed (after starting, as range loads do).
  std::vector<Row> Expand(int handle, TDateTime start, int interval, std::vector<int> wanted, int rows) {
    const size_t width = static_cast<size_t>(lib.Width(handle));
    values.assign(width, 99.0);
    status.assign(width, 128);
    lib.InitExpansion(handle, start, interval, values, status);
    for (int i : wanted) status[i] = 0;
    std::vector<Row> out;
    for (int r = 0; r < rows; ++r) {
      TDateTime t = lib.NextRow(handle);
      out.push_back({t, status, values});
    }
    return out;
  }
};

TEST_F(LogLibraryTest, RowsTakeTheLastRecordOfTheirIntervalAndKeepTheValueOtherwise) {
  auto site = MakeSite(dir, "P", Describe({{"Temp", "A", 0x30, "C"}, {"Fan", "B", 0x21, ""}, {"Skip", "C", 0, ""}}));
  const int64_t d = Utc(2024, 3, 1);
  site.WriteDay(Records({d + 300, d + 600, d + 1200, d + 3000, d + 4500},
                        {{"A", {1, 2, 3, 4, 5}}, {"B", {kNone, 10, kNone, kNone, kNone}}, {"C", {7, 7, 7, 7, 7}}}));
  int h = lib.NewSource(0, site.path, "*.smd", "P.ste", "STE");
  ASSERT_NE(h, 0);
  auto rows = Expand(h, AtUtc(d), 900, {0, 1}, 7);
  struct Expect {
    int minute;
    uint8_t a_status;
    double a;
    uint8_t b_status;
    double b;
  } expect[] = {
      {0, 0, 0, 0, 0},    // (23:45, 00:00]: nothing yet, 0 before the first value
      {15, 1, 2, 1, 10},  // (00:00, 00:15]: 00:05 and 00:10, the last wins
      {30, 1, 3, 0, 10},  // B keeps its value without a record
      {45, 0, 3, 0, 10},
      {60, 1, 4, 0, 10},  // 00:50
      {75, 1, 5, 0, 10},  // 01:15 lies in its own row, (01:00, 01:15]
      {90, 0, 5, 0, 10},
  };
  for (size_t r = 0; r < rows.size(); ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(rows[r].time, AtUtc(d + expect[r].minute * 60));
    EXPECT_EQ(rows[r].status[0], expect[r].a_status);
    EXPECT_EQ(rows[r].values[0], expect[r].a);
    EXPECT_EQ(rows[r].status[1], expect[r].b_status);
    EXPECT_EQ(rows[r].values[1], expect[r].b);
    EXPECT_EQ(rows[r].status[2], 128);  // not requested: untouched
    EXPECT_EQ(rows[r].values[2], 99);
  }
  EXPECT_TRUE(problems.empty());
}

TEST_F(LogLibraryTest, TheFileWhoseNameSortsLastWinsAtTheSameTime) {
  auto site = MakeSite(dir, "P", Describe({{"Temp", "A", 0x30, "C"}}));
  const int64_t noon = Utc(2024, 3, 1, 12);
  site.WriteFile(DataFileName("P", noon - 3600), EncodeDataFile(Records({noon - 3600, noon}, {{"A", {1, 2}}})));
  site.WriteFile(DataFileName("P", noon), EncodeDataFile(Records({noon, noon + 300}, {{"A", {20, 30}}})));
  int h = lib.NewSource(0, site.path, "*.smd", "P.ste", "STE");
  auto rows = Expand(h, AtUtc(noon - 300), 300, {0}, 3);
  EXPECT_EQ(rows[1].values[0], 20);
  EXPECT_EQ(rows[2].values[0], 30);
  EXPECT_EQ(lib.Start(h, 2), AtUtc(noon - 3600));
  EXPECT_EQ(lib.End(h, 2), AtUtc(noon + 300));
}

TEST_F(LogLibraryTest, DamagedFilesAreReportedAndSkippedAndFilesOutsideTheRangeAreNotRead) {
  auto site = MakeSite(dir, "P", Describe({{"Temp", "A", 0x30, "C"}}));
  const int64_t d = Utc(2024, 3, 10);
  for (int day = 0; day < 5; ++day) site.WriteDay(Records({d + day * 86400 + 600}, {{"A", {double(day)}}}));
  // Day 0 and day 4 damaged, day 2 garbled in the middle.
  std::string day0 = site.path + DataFileName("P", d + 600);
  std::string day2 = site.path + DataFileName("P", d + 2 * 86400 + 600);
  std::string day4 = site.path + DataFileName("P", d + 4 * 86400 + 600);
  WriteFileAtomically(day0, "");
  std::string bytes = ReadFileBytes(day2);
  bytes[bytes.size() - 2] ^= 0x40;
  WriteFileAtomically(day2, bytes);
  WriteFileAtomically(day4, ReadFileBytes(day4).substr(0, 30));

  int h = lib.NewSource(0, site.path, "*.smd", "P.ste", "STE");
  ASSERT_NE(h, 0);
  EXPECT_TRUE(problems.empty()) << "opening reads no data file named by the convention";
  // Rows from day 1 00:00 to day 3 12:00: day 0's and day 4's files are never opened.
  auto rows = Expand(h, AtUtc(d + 86400 + 43200), 43200, {0}, 5);
  std::vector<uint8_t> logged;
  std::vector<double> seen;
  for (const Row& r : rows) {
    logged.push_back(r.status[0]);
    seen.push_back(r.values[0]);
  }
  EXPECT_EQ(logged, (std::vector<uint8_t>{1, 0, 0, 0, 1}));  // day 2's record is lost with its file
  EXPECT_EQ(seen, (std::vector<double>{1, 1, 1, 1, 3}));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], day2 + ": damaged (values checksum)");

  problems.clear();
  EXPECT_EQ(lib.Start(h, 2), AtUtc(d + 86400 + 600));
  EXPECT_EQ(lib.End(h, 2), AtUtc(d + 3 * 86400 + 600));
  EXPECT_EQ(problems, (std::vector<std::string>{day0 + ": empty file", day4 + ": truncated"}));
}

TEST_F(LogLibraryTest, AFileWhoseFirstRecordDiffersFromItsNameIsRefused) {
  auto site = MakeSite(dir, "P", Describe({{"Temp", "A", 0x30, "C"}}));
  const int64_t d = Utc(2024, 3, 10);
  site.WriteFile(DataFileName("P", d + 86400), EncodeDataFile(Records({d + 600}, {{"A", {1}}})));
  int h = lib.NewSource(0, site.path, "*.smd", "P.ste", "STE");
  EXPECT_EQ(lib.Start(h, 2), 0);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], site.path + "P-2024-03-11-0000.smd: first record does not match the file name");
}

TEST_F(LogLibraryTest, SourcesOfAGroupFollowOneAnotherAndKeepTheirOwnRecords) {
  auto one = MakeSite(dir, "One", Describe({{"Temp", "A", 0x30, "C"}, {"Fan", "B", 0x10, ""}}));
  auto two = MakeSite(dir, "Two", Describe({{"Temp", "A", 0x31, "C"}}));
  const int64_t d = Utc(2024, 3, 1);
  one.WriteDay(Records({d + 900}, {{"A", {1}}, {"B", {2}}}));
  two.WriteDay(Records({d + 900}, {{"A", {3}}}));
  int h = lib.NewSource(0, one.path, "*.smd", "One.ste", "STE");
  EXPECT_EQ(lib.NewSource(h, two.path, "*.smd", "Two.ste", "ste"), h);
  ASSERT_EQ(lib.Width(h), 3);
  EXPECT_EQ(lib.SeriesName(h, 2), "Temp");
  EXPECT_EQ(lib.SeriesLDT(h, 2), 0x31);
  EXPECT_EQ(lib.SeriesID(h, 1), "B");
  EXPECT_EQ(lib.SeriesName(h, 3), "");
  auto rows = Expand(h, AtUtc(d + 900), 900, {0, 2}, 1);
  EXPECT_EQ(rows[0].values, (std::vector<double>{1, 99, 3}));
}

TEST_F(LogLibraryTest, LocalTimeOptionShiftsByTheDescriptionsOffset) {
  auto site = MakeSite(dir, "P", Describe({{"Temp", "A", 0x30, "C"}}, 2));
  const int64_t ten = Utc(2024, 3, 1, 10);
  site.WriteDay(Records({ten}, {{"A", {5}}}));
  lib.SetOptions(LogLibrary::kLocalTimeOption);
  int h = lib.NewSource(0, site.path, "*.smd", "P.ste", "STE");
  EXPECT_EQ(lib.Start(h, 2), AtUtc(ten + 7200));
  auto rows = Expand(h, AtUtc(ten + 7200 - 3600), 3600, {0}, 2);
  EXPECT_EQ(rows[1].time, AtUtc(ten + 7200));
  EXPECT_EQ(rows[1].status[0], 1);
  EXPECT_EQ(rows[0].status[0], 0);
}

TEST_F(LogLibraryTest, AllLogsAddsTheFormatsLogFiles) {
  auto site = MakeSite(dir, "P", Describe({{"Temp", "A", 0x30, "C"}}));
  const int64_t d = Utc(2024, 3, 1);
  site.WriteDay(Records({d + 600}, {{"A", {1}}}));
  site.WriteFile("old.log", EncodeDataFile(Records({d - 86400 + 600}, {{"A", {0.5}}})));
  int plain = lib.NewSource(0, site.path, "*.smd", "P.ste", "STE");
  EXPECT_EQ(lib.Start(plain, 2), AtUtc(d + 600));
  lib.AddAllLogs(true);
  int with_logs = lib.NewSource(0, site.path, "*.smd", "P.ste", "STE");
  EXPECT_EQ(lib.Start(with_logs, 2), AtUtc(d - 86400 + 600));
  auto rows = Expand(with_logs, AtUtc(d - 86400), 86400, {0}, 2);
  EXPECT_EQ(rows[1].values[0], 0.5);
}

TEST_F(LogLibraryTest, CsvSourcesReadModelFilesAndExports) {
  test::TempDir data;
  data.Write("m.mdl", "Date,Weight,WeightHigh\r\n2024-01-10,40,44\r\n2024-01-11,41.5,\r\n2024-01-12,43,47\r\n");
  data.Write("x.csv",
             "DATE,TIME,SITE,Temp\r\n2024-01-10,00:15:00,F,21.3\r\n2024-01-10,00:30:00,F,\r\n"
             "2024-01-10,00:45:00,F,22\r\n");
  int model = lib.NewSource(0, data.path() + "/", "m.mdl", " ", "CSV");
  ASSERT_NE(model, 0);
  ASSERT_EQ(lib.Width(model), 2);
  EXPECT_EQ(lib.SeriesName(model, 1), "WeightHigh");
  EXPECT_EQ(lib.Start(model, 2), EncodeDate(2024, 1, 10));
  auto days = Expand(model, EncodeDate(2024, 1, 10), 86400, {0, 1}, 3);
  EXPECT_EQ(days[1].values, (std::vector<double>{41.5, 44}));
  EXPECT_EQ(days[1].status, (std::vector<uint8_t>{1, 0}));

  int exported = lib.NewSource(0, data.path(), "*.csv", "", "csv");
  ASSERT_EQ(lib.Width(exported), 1);
  auto rows = Expand(exported, EncodeDate(2024, 1, 10) + EncodeTime(0, 15, 0), 900, {0}, 3);
  EXPECT_EQ(rows[0].values[0], 21.3);
  EXPECT_EQ(rows[1].status[0], 0);
  EXPECT_EQ(rows[2].values[0], 22);
}

TEST_F(LogLibraryTest, SourcesThatCannotOpenAnswerHandleZero) {
  auto site = MakeSite(dir, "P", Describe({{"Temp", "A", 0x30, "C"}}));
  EXPECT_EQ(lib.NewSource(0, site.path, "*.smd", "P.ste", "XYZ"), 0);
  EXPECT_EQ(lib.NewSource(0, site.path, "*.smd", " ", "STE"), 0);
  EXPECT_EQ(lib.NewSource(0, site.path + "missing/", "*.smd", "P.ste", "STE"), 0);
  EXPECT_EQ(lib.NewSource(7, site.path, "*.smd", "P.ste", "STE"), 0);
  EXPECT_EQ(lib.Width(7), 0);
  EXPECT_EQ(lib.NextRow(7), 0);
}

TEST_F(LogLibraryTest, BrokenDescriptionLinesAreReportedWithTheFileAndLine) {
  test::TempDir folder;
  folder.Write("P.ste", "Series,Temp,A,0x30,C\r\nSeries,Fan\r\n");
  int h = lib.NewSource(0, folder.path() + "/", "*.smd", "P.ste", "STE");
  ASSERT_NE(h, 0);
  EXPECT_EQ(lib.Width(h), 1);
  EXPECT_EQ(problems,
            (std::vector<std::string>{folder.path() + "/P.ste:2: Series takes a name, an identifier, an LDT byte and units"}));
}

}  // namespace
}  // namespace sm
