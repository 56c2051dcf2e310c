#include <gtest/gtest.h>

#include <filesystem>

#include "airspace/report.h"
#include "expr/functions.h"
#include "report_fixture.h"

namespace sm {
namespace {

class AirspaceTest : public ::testing::Test, protected test::ReportFixture {
 protected:
  void SetUp() override {
    MakeSite(40, {"T", "H1T"}, [](const std::string&, int d, int) { return std::to_string(d); });
  }
};

TEST_F(AirspaceTest, EntriesGiveNameAndCode) {
  SiteIni("ReportCols=Temp\r\n[Airspaces]\r\n1=House 1(h1)\r\n2=Barn\r\n[Report Columns]\r\nTemp=@AVE(#T)\r\n");
  auto site = Open();
  ASSERT_EQ(site->airspaces.size(), 2u);
  EXPECT_EQ(site->airspaces[0]->name, "House 1");
  EXPECT_EQ(site->airspaces[0]->code, "H1");
  EXPECT_EQ(site->airspaces[0]->report_items.size(), 1u);  // #T is H1T
  EXPECT_EQ(site->airspaces[1]->name, "Barn");
  EXPECT_EQ(site->airspaces[1]->code, "");
  EXPECT_EQ(site->airspaces[1]->report_items[0]->expression ? 1 : 0, 1);  // #T is plain T
  EXPECT_EQ(site->airspaces[0]->chart_view_list, std::vector<std::string>{"Charts1"});
}

TEST_F(AirspaceTest, ColumnsFromSiteIniTemplateAndFallbacks) {
  SiteIni("ReportCols=A,B,C,Missing,Bad\r\n[Airspaces]\r\n1=House 1(H1)\r\n2=Own\r\n"
          "[Own]\r\nReportCols=C\r\nCharts=Climate,Feed\r\n"
          "[Report Columns]\r\nA=@AVE(T)\r\nC=NOTLOGGED\r\nBad=T[1,x,y,low]\r\n");
  home.Write("sites/Farm/smt.dat", "[Report Columns]\r\nA=@MAX(T)\r\nB=@MIN(T)\r\n");
  auto site = Open();
  const TAirspace& house = *site->airspaces[0];
  ASSERT_EQ(house.report_items.size(), 2u);  // C does not parse, Missing is missing, Bad has a bad low
  EXPECT_EQ(house.report_items[0]->name, "A");
  EXPECT_NE(dynamic_cast<const TExprAve*>(house.report_items[0]->expression.get()), nullptr);  // site.ini wins
  EXPECT_EQ(house.report_items[1]->name, "B");
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Cannot find report column Missing"}));
  EXPECT_TRUE(site->airspaces[1]->report_items.empty());
  EXPECT_EQ(site->airspaces[1]->chart_view_list, (std::vector<std::string>{"Climate", "Feed"}));
}

TEST_F(AirspaceTest, LiveEndAndLiveBatchStart) {
  // Records run to day 39 at 23:00.
  SiteIni("SetStart=06:00\r\n[Airspaces]\r\n1=A\r\n2=B\r\n3=C\r\n");
  UserIni("[B]\r\nLiveBatchStart=46000\r\n[C]\r\nLiveBatchStart=46056\r\n");
  auto site = Open();
  const TAirspace& a = *site->airspaces[0];
  EXPECT_EQ(a.DayStart, EncodeTime(6, 0, 0));
  EXPECT_EQ(a.live_end, kFirstDay + 39 + a.DayStart);
  EXPECT_EQ(a.live_batch_start, kFirstDay + 9 + a.DayStart);  // 30 days back
  EXPECT_EQ(a.live_days, 30);
  // Before the first record (day 0 at 00:00, before 06:00): day 0 at 06:00.
  EXPECT_EQ(site->airspaces[1]->live_batch_start, kFirstDay + a.DayStart);
  EXPECT_EQ(site->airspaces[2]->live_days, 6);

  site.reset();
  UserIni("[A]\r\nLiveBatchStart=soon\r\n");
  EXPECT_THROW(Open(), std::runtime_error);
}

TEST_F(AirspaceTest, LastRecordBeforeTheDayStartEndsTheDayBefore) {
  std::filesystem::remove_all(folder);
  MakeSite(3, {"T"}, [](const std::string&, int d, int h) { return (d == 0 && h < 6) || (d == 2 && h > 4) ? "" : "1"; });
  // Records run from day 0 at 06:00 to day 2 at 04:45.
  SiteIni("SetStart=05:30\r\n[Airspaces]\r\n1=A\r\n");
  auto site = Open();
  EXPECT_EQ(site->airspaces[0]->live_end, kFirstDay + 1 + EncodeTime(5, 30, 0));
  // Data shorter than 30 days: the batch starts on the first logged day,
  // the day after when the first record lies before the day start.
  EXPECT_EQ(site->airspaces[0]->live_batch_start, kFirstDay + 1 + EncodeTime(5, 30, 0));
}

TEST(ReportAttributesTest, Attributes) {
  struct Case {
    const char* definition;
    int decimals;
    const char* units;
    const char* description;
    double low, high;
    const char* model;
  } cases[] = {
      {"@AVE(T1)[1,\xc2\xb0""C,Mean temperature]", 1, "\xc2\xb0""C", "Mean temperature", -1, -1, ""},
      {"@AVE(T1)", 1, "", "", -1, -1, ""},
      {"T[x,kg]", 1, "kg", "", -1, -1, ""},
      {"T[3,l,Water,10,20,WaterModel,extra]", 3, "l", "Water", 10, 20, "WaterModel"},
      {"T[2,,,,5]", 2, "", "", -1, 5, ""},
      {"T[99]", 12, "", "", -1, -1, ""},
  };
  for (const auto& c : cases) {
    ReportAttributes a = ParseReportAttributes(c.definition);
    EXPECT_EQ(a.decimals, c.decimals) << c.definition;
    EXPECT_EQ(a.units, c.units) << c.definition;
    EXPECT_EQ(a.description, c.description) << c.definition;
    EXPECT_EQ(a.low, c.low) << c.definition;
    EXPECT_EQ(a.high, c.high) << c.definition;
    EXPECT_EQ(a.model_name, c.model) << c.definition;
  }
  EXPECT_THROW(ParseReportAttributes("T[1,,,1.5]"), std::runtime_error);
  EXPECT_THROW(ParseReportAttributes("T[1,,,,high]"), std::runtime_error);
}

}  // namespace
}  // namespace sm
