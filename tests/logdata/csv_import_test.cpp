#include <gtest/gtest.h>

#include <map>

#include "core/files.h"
#include "logdata/csv_import.h"
#include "logdata/data_file.h"
#include "logdata/data_writer.h"
#include "logdata/log_library.h"
#include "logdata_fixture.h"

namespace sm {
namespace {

using test::Utc;

// Every file of a folder with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const std::string& name : ListFiles(folder, "*")) files[name] = ReadFileBytes(JoinPath(folder, name));
  return files;
}

// Each series' values by time, as the site's files hold them.
std::map<std::string, std::map<int64_t, double>> Stored(const std::string& folder) {
  std::map<std::string, std::map<int64_t, double>> out;
  for (const std::string& name : ListFiles(folder, "*.smd")) {
    DataRecords r = DataFileReader(ReadFileBytes(JoinPath(folder, name))).DecodeAll();
    for (const DataColumn& c : r.columns)
      for (size_t k = 0; k < r.times.size(); ++k)
        if (c.present[k]) out[c.id][r.times[k]] = c.values[k];
  }
  return out;
}

class CsvImportTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string site = dir / "Farm";
};

TEST_F(CsvImportTest, CreatesTheSiteAndTheSameImportTwiceLeavesTheSameFiles) {
  std::string csv = dir.Write("in.csv",
                              "DATE,TIME,Temp,Fan\r\n"
                              "2024-03-01,23:30,21.3,\r\n"
                              "2024-03-02,00:15:00,21.4,1\r\n"
                              "2024-03-02,00:30:00,,0\r\n");
  CsvImportOptions options;
  options.kinds = {{"Temp", 0x30}};
  CsvImportResult result = ImportCsvFile(csv, site, options);
  EXPECT_EQ(result.proc_id, "Farm");
  EXPECT_EQ(result.records, 3u);
  EXPECT_EQ(result.new_series, 2u);
  EXPECT_EQ(ReadLines(site + "/site.ini"), (std::vector<std::string>{"[Site]", "ProcID=Farm"}));
  auto ste = ReadLines(site + "/Farm.ste");
  EXPECT_EQ(std::vector<std::string>(ste.end() - 4, ste.end()),
            (std::vector<std::string>{"Logger,Farm", "UTCOffset,0", "Series,Temp,Temp,0x30,", "Series,Fan,Fan,0x00,"}));
  auto before = Snapshot(site);
  EXPECT_EQ(before.count("Farm-2024-03-01-2330.smd"), 1u);
  EXPECT_EQ(before.count("Farm-2024-03-02-0015.smd"), 1u);
  auto stored = Stored(site);
  EXPECT_EQ(stored["Temp"][Utc(2024, 3, 1, 23, 30)], 21.3);
  EXPECT_EQ(stored["Fan"].size(), 2u);

  ImportCsvFile(csv, site, options);
  EXPECT_EQ(Snapshot(site), before);
}

TEST_F(CsvImportTest, NewRecordsWinAndOtherSeriesAndDescriptionLinesStay) {
  ImportCsvFile(dir.Write("a.csv", "DATE,TIME,Temp,Fan\n2024-03-01,10:00,1,5\n2024-03-01,11:00,2,6\n"), site, {});
  WriteFileAtomically(site + "/Farm.ste", ReadFileBytes(site + "/Farm.ste") + "; kept by hand\r\n");
  ImportCsvFile(dir.Write("b.csv", "DATE,TIME,temp,Hum\n2024-03-01,11:00,20,50\n2024-03-01,09:00,0.5,\n"), site,
                {});
  auto stored = Stored(site);
  EXPECT_EQ(stored["Temp"], (std::map<int64_t, double>{{Utc(2024, 3, 1, 9), 0.5},
                                                       {Utc(2024, 3, 1, 10), 1},
                                                       {Utc(2024, 3, 1, 11), 20}}));
  EXPECT_EQ(stored["Fan"].size(), 2u);
  EXPECT_EQ(stored["Hum"].size(), 1u);
  // The day was rewritten as one file named after its new first record.
  EXPECT_EQ(ListFiles(site, "*.smd"), std::vector<std::string>{"Farm-2024-03-01-0900.smd"});
  auto ste = ReadLines(site + "/Farm.ste");
  EXPECT_EQ(ste[ste.size() - 2], "; kept by hand");
  EXPECT_EQ(ste.back(), "Series,Hum,Hum,0x00,");
}

TEST_F(CsvImportTest, ABadLineStopsTheImportBeforeAnythingIsWritten) {
  ImportCsvFile(dir.Write("a.csv", "DATE,TIME,Temp\n2024-03-01,10:00,1\n"), site, {});
  auto before = Snapshot(site);
  struct Case {
    std::string text;
    std::string message;
  } cases[] = {
      {"DATE,TIME,Temp\n2024-03-02,10:00,1\n2024-03-02,10:05,1,2\n", ":3: expected 3 fields, found 4"},
      {"DATE,TIME,Temp\n2024-03-02,10:00,1\n2024-02-30,10:05,1\n", ":3: bad date \"2024-02-30\" (yyyy-mm-dd)"},
      {"DATE,TIME,Temp\n2024-03-02,10:00,one\n", ":2: bad number \"one\""},
      {"Date,Temp\n2024-03-02,1\n", ":1: the header must begin with DATE,TIME"},
  };
  for (const Case& c : cases) {
    std::string csv = dir.Write("bad.csv", c.text);
    try {
      ImportCsvFile(csv, site, {});
      ADD_FAILURE() << c.text;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), csv + c.message);
    }
    EXPECT_EQ(Snapshot(site), before);
  }
  try {
    ImportCsvFile(dir.Write("new.csv", "DATE,TIME,Temp\n2024-03-02,10:00,x\n"), dir / "Fresh", {});
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(DirectoryExists(dir / "Fresh"));
}

TEST_F(CsvImportTest, ADamagedDayIsNeverRewrittenFromPartOfItsData) {
  ImportCsvFile(dir.Write("a.csv", "DATE,TIME,Temp\n2024-03-01,10:00,1\n"), site, {});
  const std::string day = site + "/Farm-2024-03-01-1000.smd";
  WriteFileAtomically(day, ReadFileBytes(day).substr(0, 50));
  auto before = Snapshot(site);
  try {
    ImportCsvFile(dir.Write("b.csv", "DATE,TIME,Temp\n2024-03-01,11:00,2\n"), site, {});
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), day + ": truncated");
  }
  EXPECT_EQ(Snapshot(site), before);
}

TEST_F(CsvImportTest, LocalTimesAreTakenBackToUtcWithTheDescriptionsOffset) {
  CsvImportOptions options;
  options.utc_offset_hours = 2;
  options.local_times = true;
  ImportCsvFile(dir.Write("a.csv", "DATE,TIME,Temp\n2024-03-01,01:00,1\n"), site, options);
  EXPECT_EQ(ListFiles(site, "*.smd"), std::vector<std::string>{"Farm-2024-02-29-2300.smd"});
  options.utc_offset_hours = 3;
  EXPECT_THROW(ImportCsvFile(dir.Write("b.csv", "DATE,TIME,Temp\n2024-03-01,02:00,1\n"), site, options),
               std::runtime_error);
}

}  // namespace
}  // namespace sm
