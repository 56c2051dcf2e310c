#include <gtest/gtest.h>

#include "chart_fixture.h"

namespace sm {
namespace {

// 60 days of data, 2026-01-01 (46023) to 2026-03-01 09:45 (46082).
class RangeModel : public ::testing::Test, public test::ChartFixture {
 protected:
  void SetUp() override {
    MakeChartSite(60, "[House]\r\nCharts=C\r\n[C]\r\nP=T,C,R,%,50(Temp_In)\r\n"
                      "[Chart Series]\r\nTemp_In=TEMP[0,1,Left,1]\r\n");
  }
  TChartView& View() { return *graph->view; }
  std::pair<double, double> Axis() { return {Pane(0).bottom.min, Pane(0).bottom.max}; }
};

TEST_F(RangeModel, ScrollingStaysInsideTheLoggedDays) {
  ASSERT_TRUE(OpenView("C", -1, 3));
  EXPECT_DOUBLE_EQ(House().range_start, 46080);
  EXPECT_EQ(View().Days, 3);

  View().ScrollDays(1);  // already ends on the day after the last logged day
  EXPECT_EQ(Axis(), (std::pair<double, double>{0, 287}));
  EXPECT_DOUBLE_EQ(House().range_start, 46080);
  EXPECT_EQ(ctx.stored_status.view_end, -1);
  EXPECT_EQ(ctx.stored_status.view_days, 3);

  View().ScrollDays(-1);  // leaves the loaded points: reloads exactly those days
  EXPECT_DOUBLE_EQ(House().range_start, 46079);
  EXPECT_EQ(Axis(), (std::pair<double, double>{0, 287}));
  EXPECT_EQ(Pane(0).series[0]->values.size(), 288u);
  EXPECT_EQ(Pane(0).series[0]->values[0], 5600);  // day 56, 00:00
  EXPECT_EQ(ctx.stored_status.view_end, 46082);
  EXPECT_DOUBLE_EQ(shown.start, 46079);
  EXPECT_DOUBLE_EQ(shown.end, 46082);

  View().ShowStartingAt(0);  // the "Start" command: clamped to the first logged day
  EXPECT_DOUBLE_EQ(House().range_start, 46023);
  EXPECT_DOUBLE_EQ(shown.end, 46026);
  View().ScrollDays(-1);
  EXPECT_DOUBLE_EQ(House().range_start, 46023);
  EXPECT_EQ(Axis(), (std::pair<double, double>{0, 287}));

  View().ScrollScreens(1);
  EXPECT_DOUBLE_EQ(House().range_start, 46026);
  View().ShowEndingAt(46050.5);
  EXPECT_DOUBLE_EQ(shown.start, 46047);
  EXPECT_DOUBLE_EQ(shown.end, 46050);
  EXPECT_EQ(ctx.stored_status.view_end, 46050);
}

TEST_F(RangeModel, ZoomStepsKeepTheCentre) {
  ASSERT_TRUE(OpenView("C", -1, 3));
  View().ZoomDates(false);  // 3 days in: 2, from the same first point
  EXPECT_EQ(Axis(), (std::pair<double, double>{0, 191}));
  EXPECT_DOUBLE_EQ(House().range_start, 46080);
  EXPECT_EQ(ctx.stored_status.view_days, 2);

  View().ZoomDates(true);  // 2 days out: 4, a day earlier and a day later
  EXPECT_DOUBLE_EQ(House().range_start, 46079);
  EXPECT_EQ(Axis(), (std::pair<double, double>{0, 383}));
  EXPECT_EQ(View().Days, 4);
}

TEST_F(RangeModel, ZoomFromFiftyAndThirtyDays) {
  ASSERT_TRUE(OpenView("C", -1, 60));
  EXPECT_DOUBLE_EQ(House().range_start, 46033);  // 50 days at most
  EXPECT_EQ(View().Days, 50);
  View().ZoomDates(true);  // 50 days out gives 30, centred
  EXPECT_EQ(Axis(), (std::pair<double, double>{960, 3839}));
  View().ZoomDates(true);  // 30 days out: nothing
  EXPECT_EQ(Axis(), (std::pair<double, double>{960, 3839}));

  ASSERT_TRUE(OpenView("C", -1, 50));
  View().ZoomDates(false);  // 50 days in gives 30 as well
  EXPECT_EQ(Axis(), (std::pair<double, double>{960, 3839}));
}

TEST_F(RangeModel, DateLabelsInTheUsersFormats) {
  FormatSettings dmy = FixedFormats();
  dmy.short_date = "dd/mm/yyyy";
  dmy.date_separator = '/';
  ctx.formats.InitFormats(dmy);
  ctx.formats.UseFixedFormats();
  ASSERT_TRUE(OpenView("C", -1, 3));
  EXPECT_EQ(View().DayLabelFormat, "dd/mm");
  EXPECT_EQ(View().BottomLabel("0"), "27/02");
  EXPECT_EQ(View().BottomLabel("96"), "28/02");
  EXPECT_EQ(View().BottomLabel("100"), "01:00");
  EXPECT_EQ(View().BottomLabel("1.5"), "1.5");
  EXPECT_DOUBLE_EQ(View().PointDate(48), 46080.5);
  EXPECT_EQ(View().PointOf(46080.5), 48);

  Pane(0).plot_width = 600;
  Pane(0).day_label_width = 30;
  Pane(0).SetDateRange(0, 4799);
  EXPECT_EQ(Pane(0).bottom.increment, 384);
  graph.reset();
  EXPECT_TRUE(ctx.formats.FixedInForce());
}

}  // namespace
}  // namespace sm
