#include <gtest/gtest.h>

#include <cmath>

#include "chart_fixture.h"
#include "core/error_log.h"

namespace sm {
namespace {

class ChartModel : public ::testing::Test, public test::ChartFixture {};

constexpr char kViews[] =
    "[House]\r\nCharts=Climate,Broken,OnlyRight,NoParen\r\n"
    "[Climate]\r\n"
    "Temperature=Temperature,C,Humidity,%,60,10,35(Temp_In,Missing,RH)\r\n"
    "Gone=a,b,c,d,20(Bad)\r\n"
    "Daily=NoTitle,C,NoTitle,,0(Twice)\r\n"
    "[ClimateTitle]\r\nTemperature=Inside\r\n"
    "[OnlyRight]\r\nP=a,b,c,d,50(RH)\r\n"
    "[NoParen]\r\nP=a,b,c,d,50 RH\r\n"
    "[Broken]\r\nP=a,b,c,d,50(Temp_In,BadStyle)\r\n"
    "[Chart Series]\r\n"
    "Temp_In=TEMP[0,2,Left,10]\r\n"
    "RH=RH[1,3,Right,3]\r\n"
    "Bad=@NOSUCH(TEMP[0,1,Left,1]\r\n"
    "BadStyle=TEMP[0,1,Left,15]\r\n";

TEST_F(ChartModel, PanesSeriesAndTitlesFromTheDefinitions) {
  MakeChartSite(3, kViews);
  ASSERT_TRUE(OpenView("Climate", 0, 2));

  ASSERT_EQ(graph->Charts.size(), 2u);  // "Gone" lost its only series
  TMyChart& t = Pane(0);
  EXPECT_EQ(t.Section, "Climate");
  EXPECT_EQ(t.Key, "Temperature");
  EXPECT_EQ(t.Title, "Inside");
  EXPECT_EQ(t.left.title, "Temperature  C");
  EXPECT_EQ(t.right.title, "Humidity  %");
  EXPECT_EQ(t.HeightShare, 60);
  EXPECT_FALSE(t.left.auto_min);
  EXPECT_EQ(t.left.min, 10);
  EXPECT_EQ(t.left.max, 35);
  // "Missing" is in neither section: reported, and RH after it is skipped.
  ASSERT_EQ(t.series.size(), 1u);
  EXPECT_EQ(t.series[0]->title, "Temp");
  EXPECT_EQ(t.series[0]->colour, SeriesColours[10]);
  EXPECT_EQ(t.LegendItems.at(0).swatch_height, 4);
  EXPECT_TRUE(t.right_repeats_left);
  ASSERT_FALSE(ui.messages.empty());  // no error log in this program state: shown instead
  EXPECT_NE(ui.messages.back().find("Cannot create chart series Missing. Series not found in " + folder +
                                               "/smt.dat"),
            std::string::npos);

  TMyChart& daily = Pane(1);  // from smt.dat; "NoTitle" titles; no share
  EXPECT_EQ(daily.left.title, "  C");
  EXPECT_EQ(daily.right.title, "  ");
  EXPECT_EQ(daily.Title, "");
  EXPECT_EQ(daily.HeightShare, 0);
  EXPECT_EQ(daily.series.at(0)->DataItem->name, "Twice");
  // The right axis repeats the left one's automatic scale.
  EXPECT_EQ(daily.left.min, 2 * 0);  // 2026-01-01 00:00
  EXPECT_EQ(daily.left.max, 2 * 123);  // 2026-01-02 23:45
  EXPECT_EQ(daily.right.min, daily.left.min);
  EXPECT_EQ(daily.right.max, daily.left.max);
  EXPECT_EQ(graph->Caption, "Farm House");
  EXPECT_EQ(graph->Layout(400).at(1).height, kMinPaneHeight);
  EXPECT_EQ(graph->HeightTotal, 60);
}

TEST_F(ChartModel, FailuresOfOpening) {
  MakeChartSite(3, kViews);
  EXPECT_FALSE(OpenView("NotAView", 0, 2));
  EXPECT_FALSE(graph);
  try {
    OpenView("OnlyRight", 0, 2);
    ADD_FAILURE() << "a pane without left-axis series opened";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "OnlyRight (P) - chart must have left axis associated series");
  }
  EXPECT_FALSE(graph);
  EXPECT_THROW(OpenView("NoParen", 0, 2), std::runtime_error);
  EXPECT_THROW(OpenView("Broken", 0, 2), std::runtime_error);
  EXPECT_TRUE(ctx.formats.FixedInForce());
}

TEST_F(ChartModel, OpeningRangeFromTheStoredStatus) {
  const TDateTime last = 46025 + 9.75 / 24;  // 2026-01-03 09:45
  const TDateTime six = 0.25;
  struct Case {
    TDateTime stored_end;
    int days;
    TDateTime start, end;
  } cases[] = {
      {-1, 2, 46024 + six, 46026 + six},   // the day after: the last day whole
      {0, 2, 46023 + six, 46025 + six},    // the newest data's day
      {46100, 2, 46023 + six, 46025 + six},
      {46020.7, 1, 46019 + six, 46020 + six},
      {-1, 60, 46026 - 50 + six, 46026 + six},  // 50 days at most
      {-1, 0, 46025 + six, 46026 + six},
  };
  for (const Case& c : cases) {
    ChartRange shown;
    ChartRange r = OpeningRange(c.stored_end, c.days, last, six, &shown);
    EXPECT_DOUBLE_EQ(r.start, c.start) << c.stored_end << " " << c.days;
    EXPECT_DOUBLE_EQ(r.end, c.end) << c.stored_end << " " << c.days;
    EXPECT_DOUBLE_EQ(shown.end, c.end);
  }
  ChartRange shown;
  OpeningRange(-1, 60, last, six, &shown);
  EXPECT_DOUBLE_EQ(shown.start, 46026 - 60 + six);  // the date fields show what was asked
}

TEST_F(ChartModel, SeriesValuesWithGapsAfterTheData) {
  MakeChartSite(3, kViews);
  ASSERT_TRUE(OpenView("Climate", -1, 2));
  EXPECT_DOUBLE_EQ(House().range_start, 46024);
  EXPECT_DOUBLE_EQ(shown.end, 46026);
  const std::vector<double>& v = Pane(0).series[0]->values;
  ASSERT_EQ(v.size(), 192u);
  EXPECT_EQ(v[0], 100);         // 2026-01-02 00:00
  EXPECT_EQ(v[95], 123);        // 23:45
  EXPECT_EQ(v[96 + 38], 209);   // 2026-01-03 09:30
  EXPECT_TRUE(std::isnan(v[96 + 40]));  // after the last record (09:45): gaps, not zeros
  EXPECT_TRUE(std::isnan(v[191]));
  EXPECT_EQ(Pane(0).bottom.min, 0);
  EXPECT_EQ(Pane(0).bottom.max, 191);
  EXPECT_TRUE(House().scope.data_series().at(0)->values.empty());  // released after filling
}

TEST_F(ChartModel, UserOverridesSaveAndRestore) {
  MakeChartSite(3, kViews);
  UserIni("[Climate]\r\nTemperature=Warmth,K,Wet,g,30,,,1,2\r\nDaily=\r\n"
          "[ClimateTitle]\r\nTemperature=Mine\r\n[Other]\r\nKeep=1\r\n");
  ASSERT_TRUE(OpenView("Climate", 0, 2));
  TMyChart& t = Pane(0);
  EXPECT_EQ(t.left.title, "Warmth  K");
  EXPECT_EQ(t.Title, "Mine");
  EXPECT_EQ(t.HeightShare, 30);
  EXPECT_TRUE(t.left.auto_max);  // the whole value is replaced: no bounds from site.ini
  EXPECT_TRUE(t.right_repeats_left);  // its right-axis series was skipped
  EXPECT_EQ(Pane(1).left.title, "  C");  // an empty override is ignored

  t.right.SetRange(0.5, 99.25);
  t.HeightShare = 45;
  t.SaveParams();
  IniFile saved(folder + "/smuser.ini");
  EXPECT_EQ(saved.ReadString("Climate", "Temperature"), "Warmth,K,Wet,g,45,0.000,123.000,0.500,99.250");
  EXPECT_EQ(saved.ReadString("ClimateTitle", "Temperature"), "Mine");

  t.LoadParams(true);
  IniFile restored(folder + "/smuser.ini");
  EXPECT_FALSE(restored.ValueExists("Climate", "Temperature"));
  EXPECT_FALSE(restored.ValueExists("ClimateTitle", "Temperature"));
  EXPECT_TRUE(restored.ValueExists("Climate", "Daily"));
  EXPECT_EQ(restored.ReadString("Other", "Keep"), "1");
  EXPECT_EQ(t.left.title, "Temperature  C");
  EXPECT_EQ(t.Title, "Inside");
  EXPECT_EQ(t.left.max, 35);
  EXPECT_EQ(t.right.max, 35);
}

}  // namespace
}  // namespace sm
