#include <gtest/gtest.h>

#include "core/datetime.h"
#include "logdata/csv_data.h"

namespace sm {
namespace {

LogMillis At(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0) {
  return ToLogMillis(EncodeDate(y, m, d) + EncodeTime(hh, mm, ss));
}

TEST(CsvData, ExportLayoutWithSiteColumnAndEmptyFields) {
  CsvTable t = ParseCsvData(
      "DATE,TIME,SITE,Temp,Fan\r\n"
      "2024-03-01,00:15,Farm,21.3,\r\n"
      "2024-03-01,00:30:20,Farm,,1e3\r\n"
      "\r\n");
  EXPECT_EQ(t.layout, CsvLayout::Export);
  EXPECT_TRUE(t.has_site_column);
  EXPECT_EQ(t.names, (std::vector<std::string>{"Temp", "Fan"}));
  EXPECT_EQ(t.times, (std::vector<LogMillis>{At(2024, 3, 1, 0, 15), At(2024, 3, 1, 0, 30, 20)}));
  EXPECT_EQ(t.present, (std::vector<uint8_t>{1, 0, 0, 1}));
  EXPECT_EQ(t.values[0], 21.3);
  EXPECT_EQ(t.values[3], 1000);
}

TEST(CsvData, ModelLayoutCountsDaysFromTheFirstLine) {
  CsvTable t = ParseCsvData(
      "Date,Weight,WeightHigh\r\n"
      "2024-01-10,40,44\r\n"
      "not read,41.5,45\r\n"
      "2023-01-01,43,47\r\n");
  EXPECT_EQ(t.layout, CsvLayout::Model);
  EXPECT_EQ(t.names, (std::vector<std::string>{"Weight", "WeightHigh"}));
  EXPECT_EQ(t.times, (std::vector<LogMillis>{At(2024, 1, 10), At(2024, 1, 11), At(2024, 1, 12)}));
  EXPECT_EQ(t.values[2], 41.5);
}

TEST(CsvData, BadLinesNameTheirLine) {
  struct Case {
    const char* text;
    size_t line;
    const char* what;
  } cases[] = {
      {"", 1, "empty file"},
      {"Time,A\n", 1, "the header must begin with Date"},
      {"DATE,TIME,A,A\n", 1, "series \"A\" appears twice"},
      {"DATE,TIME,A,\n", 1, "empty series name in column 4"},
      {"DATE,TIME,A\n2024-01-01,00:00,1\n2024-01-01,00:05\n", 3, "expected 3 fields, found 2"},
      {"DATE,TIME,A\n2024-01-01,00:00,1,2\n", 2, "expected 3 fields, found 4"},
      {"DATE,TIME,A\n2024-13-01,00:00,1\n", 2, "bad date \"2024-13-01\" (yyyy-mm-dd)"},
      {"DATE,TIME,A\n01/02/2024,00:00,1\n", 2, "bad date \"01/02/2024\" (yyyy-mm-dd)"},
      {"DATE,TIME,A\n2024-01-01,25:00,1\n", 2, "bad time \"25:00\" (hh:mm or hh:mm:ss)"},
      {"DATE,TIME,A\n2024-01-01,1pm,1\n", 2, "bad time \"1pm\" (hh:mm or hh:mm:ss)"},
      {"DATE,TIME,A\n2024-01-01,00:00,1,5\n", 2, "expected 3 fields, found 4"},
      {"DATE,TIME,A\n2024-01-01,00:00,x1\n", 2, "bad number \"x1\""},
      {"DATE,TIME,A\n2024-01-01,00:00,nan\n", 2, "bad number \"nan\""},
      {"Date,A\nsoon,1\n", 2, "bad date \"soon\" (yyyy-mm-dd)"},
  };
  for (const Case& c : cases) {
    try {
      ParseCsvData(c.text);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const CsvError& e) {
      EXPECT_EQ(e.line(), c.line) << c.text;
      EXPECT_EQ(std::string(e.what()), c.what) << c.text;
    }
  }
}

}  // namespace
}  // namespace sm
