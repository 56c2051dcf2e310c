#include <gtest/gtest.h>

#include "logdata/site_description.h"

namespace sm {
namespace {

TEST(SiteDescription, ReadsAHandWrittenFile) {
  std::vector<LineProblem> problems;
  SiteDescription site = ParseSiteDescription(
      "; written by hand\r\n"
      "Logger,\"Farm one, house 2\"\r\n"
      "\r\n"
      "utcoffset, -5.5\n"
      "Series,\"Temp House 1\",T1,0x30,degC\r\n"
      "SERIES,Fan,F1,17\r\n"
      "Series,Water,W1,0x10,\r\n",
      problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(site.logger_name, "Farm one, house 2");
  EXPECT_EQ(site.utc_offset_hours, -5.5);
  ASSERT_EQ(site.series.size(), 3u);
  EXPECT_EQ(site.series[0].name, "Temp House 1");
  EXPECT_EQ(site.series[0].id, "T1");
  EXPECT_EQ(site.series[0].ldt, 0x30);
  EXPECT_EQ(site.series[0].units, "degC");
  EXPECT_EQ(site.series[1].ldt, 17);
  EXPECT_EQ(site.series[1].units, "");
  EXPECT_EQ(site.series[2].id, "W1");
}

TEST(SiteDescription, BrokenLinesAreSkippedWithTheirLineNumber) {
  std::vector<LineProblem> problems;
  SiteDescription site = ParseSiteDescription(
      "Series,A,ID1,0x30,u\n"         // 1 good
      "Series,B,ID2\n"                // 2 too few fields
      "Series,C,ID3,256,u\n"          // 3 LDT out of range
      "Series,D,ID1,0,u\n"            // 4 identifier used
      "UTCOffset,24\n"                // 5 offset out of range
      "UTCOffset,two\n"               // 6 not a number
      "Sensor,E,ID5,0,u\n"            // 7 unknown entry
      "Series,,ID6,0,u\n"             // 8 no name
      "Series,F,ID7,x,u\n"            // 9 LDT not a number
      "Series,G,ID8,0x21,u\n",        // 10 good
      problems);
  ASSERT_EQ(site.series.size(), 2u);
  EXPECT_EQ(site.series[1].name, "G");
  EXPECT_EQ(site.utc_offset_hours, 0);
  std::vector<size_t> lines;
  for (const auto& p : problems) lines.push_back(p.line);
  EXPECT_EQ(lines, (std::vector<size_t>{2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(problems[2].what, "identifier \"ID1\" already used on line 1");
  EXPECT_EQ(problems[3].what, "UTCOffset must lie between -24 and 24 hours");
}

TEST(SiteDescription, WrittenFileReadsBackTheSame) {
  SiteDescription site{"Barn \"B\"", 2, {{"House 1 Temp", "T 1", 0x30, "deg C"}, {"Fan", "F1", 0x21, ""}}};
  std::vector<LineProblem> problems;
  SiteDescription back = ParseSiteDescription(FormatSiteDescription(site), problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(back.logger_name, site.logger_name);
  EXPECT_EQ(back.utc_offset_hours, 2);
  ASSERT_EQ(back.series.size(), 2u);
  EXPECT_EQ(back.series[0].name, "House 1 Temp");
  EXPECT_EQ(back.series[0].id, "T 1");
  EXPECT_EQ(back.series[0].units, "deg C");
  EXPECT_EQ(back.series[1].ldt, 0x21);
  EXPECT_EQ(FormatSeriesLine(site.series[1]), "Series,Fan,F1,0x21,");
}

}  // namespace
}  // namespace sm
