#include <gtest/gtest.h>

#include "core/files.h"
#include "logdata/data_export.h"
#include "logdata_fixture.h"

namespace sm {
namespace {

using test::Describe;
using test::kNone;
using test::MakeSite;
using test::Records;
using test::Utc;

// One day, 2024-03-01, of 30-minute records: Temp 20.5 + hour / 10, Hum only
// in the first hour.
class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    site = MakeSite(t.dir, "SiteA", Describe({{"Temp", "T1", 0x30, "C"}, {"Fan", "F1", 0x21, ""},
                                              {"Hum", "H1", 0x30, "%"}}));
    std::vector<int64_t> times;
    std::vector<double> temp, hum;
    for (int k = 0; k < 48; ++k) {
      times.push_back(Utc(2024, 3, 1) + k * 1800);
      temp.push_back(20.5 + (k / 2) / 10.0);
      hum.push_back(k < 2 ? 60 : kNone);
    }
    site.WriteDay(Records(times, {{"T1", temp}, {"H1", hum}}));
    mgr = std::make_unique<TMyLogMgr>(ctx, site.path, "SiteA", std::vector<std::string>{}, false);
    options.start_date = march1;
    options.end_date = march1;
    options.interval = 3600;
    options.ticked = {true, false, true};
  }

  std::vector<std::string> Lines(const ExportOptions& o) {
    std::string text = ExportData(*mgr, o);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    return SplitLines(text);
  }

  test::TestContext t;
  AppContext& ctx = *t.ctx;
  test::SiteFolder site;
  std::unique_ptr<TMyLogMgr> mgr;
  ExportOptions options;
  const TDateTime march1 = EncodeDate(2024, 3, 1);
};

TEST_F(ExportTest, OneLinePerRowWithEmptyFieldsForMissingValues) {
  options.site_column = "SiteA";
  auto lines = Lines(options);
  ASSERT_EQ(lines.size(), 25u);  // header and 24 hourly rows of the one day
  EXPECT_EQ(lines[0], "DATE,TIME,SITE,Temp,Hum");
  EXPECT_EQ(lines[1], "2024-03-01,00:00:00,SiteA,20.5,60");
  EXPECT_EQ(lines[2], "2024-03-01,01:00:00,SiteA,20.6,60");
  EXPECT_EQ(lines[3], "2024-03-01,02:00:00,SiteA,20.7,");
  EXPECT_EQ(lines[24], "2024-03-01,23:00:00,SiteA,22.8,");
}

TEST_F(ExportTest, NoTickedSeriesGivesDatesAndTimesOnly) {
  options.ticked.clear();
  auto lines = Lines(options);
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], "DATE,TIME");
  EXPECT_EQ(lines[5], "2024-03-01,04:00:00");
}

TEST_F(ExportTest, DatesAreRoundedToWholeDaysAndFollowTheGivenFormats) {
  options.start_date = march1 - 0.4;
  options.end_date = march1 + 0.3;
  options.interval = 21600;
  options.date_formats.short_date = "dd/mm/yyyy";
  options.date_formats.date_separator = '.';
  options.decimal_separator = ',';
  auto lines = Lines(options);
  // Each row takes the last record of its six hours: 06:00 has Hum's 00:30 record.
  EXPECT_EQ(lines, (std::vector<std::string>{"DATE,TIME,Temp,Hum", "01.03.2024,00:00:00,20,5,60",
                                             "01.03.2024,06:00:00,21,1,60", "01.03.2024,12:00:00,21,7,",
                                             "01.03.2024,18:00:00,22,3,"}));
}

TEST_F(ExportTest, FailuresNoDataAndBadInterval) {
  TMyLogMgr empty(ctx, t.dir / "none", "none", {}, true);
  try {
    ExportData(empty, options);
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "No data");
  }
  options.interval = 0;
  EXPECT_THROW(ExportData(*mgr, options), std::runtime_error);
}

TEST_F(ExportTest, ToFileCreatesTheFolderAndReplacesTheFileWhole) {
  const std::string folder = t.dir / "Export";
  t.dir.Write("Export/SiteA.CSV", "old content that is longer than the new one would be? no, but replaced anyway");
  std::vector<int> progress;
  ExportDataToFile(*mgr, options, folder, "SiteA.CSV", [&](int p) { progress.push_back(p); });
  EXPECT_EQ(test::Slurp(folder + "/SiteA.CSV"), ExportData(*mgr, options));
  EXPECT_EQ(progress.front(), 0);
  EXPECT_EQ(progress.back(), 95);
  EXPECT_THROW(ExportDataToFile(*mgr, options, t.dir / "a/b/c", "x.csv"), std::runtime_error);
}

}  // namespace
}  // namespace sm
