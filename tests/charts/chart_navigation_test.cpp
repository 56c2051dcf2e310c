// Axis selection, value-axis shifts and zooms, the cross-hair's states,
// direction markers, pointer read-outs and the edit dialog's parameters.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "chart_fixture.h"
#include "charts/cross_hair.h"
#include "charts/direction_markers.h"
#include "charts/pane_axes.h"
#include "charts/pane_edit.h"
#include "charts/print_layout.h"
#include "charts/readout.h"

namespace sm {
namespace {

class ChartNavigation : public ::testing::Test, public test::ChartFixture {
 protected:
  void SetUp() override {
    MakeChartSite(3,
                  "[House]\r\nCharts=C\r\n"
                  "[C]\r\nBoth=T,C,H,%,30,0,50(Temp_In,RH)\r\nLeft=T,C,R,%,70,0,40(Temp_In)\r\n"
                  "[Chart Series]\r\nTemp_In=TEMP[0,2,Left,10]\r\nRH=RH[0,1,Right,3]\r\n");
    ASSERT_TRUE(OpenView("C", 0, 2));
  }
  TMyChart& both() { return Pane(0); }
  TMyChart& left_only() { return Pane(1); }
};

TEST_F(ChartNavigation, AxisSelectionFollowsTheRightAxisSeries) {
  AxisSelection s = SelectAxis(both(), false);
  EXPECT_TRUE(s.right_selected);
  EXPECT_FALSE(s.left_marker);
  EXPECT_TRUE(s.right_marker);
  EXPECT_TRUE(s.right_button_down);
  EXPECT_TRUE(s.right_button_enabled);

  // A right-half press on a pane without right-axis series: left axis,
  // both markers, RAxisSel disabled.
  s = SelectAxis(left_only(), false);
  EXPECT_FALSE(s.right_selected);
  EXPECT_TRUE(s.left_marker && s.right_marker);
  EXPECT_TRUE(s.left_button_down);
  EXPECT_FALSE(s.right_button_enabled);
}

TEST_F(ChartNavigation, ShiftAndZoomTheSelectedValueAxis) {
  both().left.SetRange(0, 50);
  both().right.SetRange(40, 80);
  ShiftY(both(), +1, false);
  EXPECT_EQ(both().left.min, 5);
  EXPECT_EQ(both().left.max, 55);
  EXPECT_EQ(both().right.min, 40);  // the other axis stays
  ShiftY(both(), -1, true);
  EXPECT_EQ(both().right.min, 36);
  EXPECT_EQ(both().right.max, 76);

  struct Case {
    bool out;
    double min, max;
  };
  for (const Case& c : {Case{true, -10, 50}, Case{false, 10, 30}}) {
    left_only().left.SetRange(0, 40);
    // The right axis is "selected" but the pane has none: both axes zoom.
    ZoomY(left_only(), c.out, true);
    EXPECT_EQ(left_only().left.min, c.min);
    EXPECT_EQ(left_only().left.max, c.max);
    EXPECT_EQ(left_only().right.min, c.min);
    EXPECT_EQ(left_only().right.max, c.max);
    EXPECT_FALSE(left_only().left.auto_min);
  }
  ShiftY(left_only(), -1, false);
  EXPECT_EQ(left_only().right.max, left_only().left.max);
}

class RecordingCanvas : public CrossHairCanvas {
 public:
  bool InPlotArea(const TMyChart&, int x, int y) const override { return x >= 10 && y >= 10; }
  void DrawLines(TMyChart&, int x, int y) override { lines.push_back({x, y}); }
  void RemoveLines(TMyChart&) override { lines.pop_back(); }
  std::vector<std::pair<int, int>> lines;
};

TEST_F(ChartNavigation, CrossHairStates) {
  RecordingCanvas canvas;
  TCrossHair hair(canvas);
  hair.SetActive(true);  // not enabled: nothing
  hair.MoveTo(20, 20, &both());
  EXPECT_TRUE(canvas.lines.empty());

  hair.SetEnabled(true);
  hair.SetActive(true);
  hair.MoveTo(20, 20, &both());
  hair.MoveTo(30, 25, &both());
  ASSERT_EQ(canvas.lines.size(), 1u);  // the old lines went before the new ones came
  EXPECT_EQ(canvas.lines[0], std::make_pair(30, 25));
  hair.MoveTo(5, 5, &both());  // outside the plot area
  EXPECT_TRUE(canvas.lines.empty());
  EXPECT_EQ(hair.Chart, nullptr);

  hair.MoveTo(30, 30, &left_only());
  hair.SetEnabled(false);  // a tool-bar click
  EXPECT_TRUE(canvas.lines.empty());
  EXPECT_FALSE(hair.Active);
}

TEST(DirectionMarkers, CircularMeanAndVector) {
  struct MeanCase {
    std::vector<double> values;
    int mean;
  };
  for (const MeanCase& c : {MeanCase{{350, 10}, 0}, MeanCase{{90.9, 90.2, 91}, 90}, MeanCase{{10, 350, 340}, 354},
                            MeanCase{{180, 190}, 185}, MeanCase{{}, 0}})
    EXPECT_EQ(CircularMeanDegrees(c.values), c.mean) << c.values.size();

  struct VectorCase {
    int angle;
    Vector2 v;
  };
  for (const VectorCase& c : {VectorCase{0, {0, 10}}, VectorCase{90, {10, 0}}, VectorCase{180, {0, -10}},
                              VectorCase{270, {-10, 0}}, VectorCase{135, {7, -7}}, VectorCase{315, {-7, 7}},
                              VectorCase{225, {-7, -7}}, VectorCase{45, {7, 7}}})
    EXPECT_EQ(DirectionVector(c.angle), c.v) << c.angle;
}

TEST(DirectionMarkers, OneMarkerPerFiftyPixels) {
  std::vector<double> values(201, 90);
  for (int i = 100; i < 120; ++i) values[static_cast<size_t>(i)] = NAN;
  // Points 0 to 200 over 500 pixels: 20 points a marker, windows starting
  // at 0, 20, .., 160; the window of gaps at 100 has none.
  const auto markers = PlaceDirectionMarkers(values, 0, 200, 500);
  ASSERT_EQ(markers.size(), 8u);
  EXPECT_EQ(markers[0].centre_point, 10);
  EXPECT_EQ(markers[0].angle, 90);
  EXPECT_EQ(markers[5].centre_point, 130);
  EXPECT_TRUE(PlaceDirectionMarkers(values, 0, 200, 20000).empty());  // window 0
  EXPECT_TRUE(PlaceDirectionMarkers(values, 5, 5, 500).empty());
}

TEST(PointerReadout, Texts) {
  EXPECT_EQ(FormatAxisNumber(12.5, '.'), "12.5");
  EXPECT_EQ(FormatAxisNumber(0.00049, '.'), "0");
  EXPECT_EQ(FormatAxisNumber(-1.23456, ','), "-1,235");
  EXPECT_EQ(PointerValueText(21.4567, "C", '.'), "21.46 C");
  EXPECT_EQ(PointerPoint(-0.2), std::nullopt);
  EXPECT_EQ(PointerPoint(-0.0001), 0);  // written as "0" on the axis
  EXPECT_EQ(PointerPoint(17.9), 17);

  FormatSettings fs;
  fs.short_date = "dd/mm/yyyy";
  fs.date_separator = '/';
  const TDateTime start = EncodeDate(2026, 3, 1) + 6.0 / 24;
  EXPECT_EQ(PointerDateText(start + 2.5, start, true, fs), "03/03/2026 18:00(Day 3)");
  EXPECT_EQ(PointerDateText(start + 2.5, start, false, fs), "03/03/2026 18:00");
}

TEST_F(ChartNavigation, EditedParametersAreStoredAndTakenBackWhenInvalid) {
  int layouts = 0;
  PaneFields fields = EditFieldsOf(left_only());
  EXPECT_EQ(fields[kHeight], "70");
  fields[kLeftTitle] = "Warmth";
  fields[kLeftMax] = "45";
  fields[kRightTitle] = "ignored";  // no right-axis series
  ApplyPaneEdit(left_only(), fields, [&] { ++layouts; });
  EXPECT_EQ(layouts, 0);
  EXPECT_EQ(left_only().left.max, 45);
  EXPECT_EQ(site->user_ini.ReadString("C", "Left"), "Warmth,C,R,%,70,0,45,,");
  EXPECT_EQ(IniFile(folder + "/smuser.ini").ReadString("C", "Left"), "Warmth,C,R,%,70,0,45,,");

  fields[kHeight] = "40";
  ApplyPaneEdit(left_only(), fields, [&] { ++layouts; });
  EXPECT_EQ(left_only().HeightShare, 40);
  EXPECT_EQ(layouts, 1);

  fields[kLeftMin] = "low";
  EXPECT_THROW(
      {
        try {
          ApplyPaneEdit(left_only(), fields, [&] { ++layouts; });
        } catch (const std::runtime_error& e) {
          EXPECT_STREQ(e.what(), "Invalid chart parameters");
          throw;
        }
      },
      std::runtime_error);
  EXPECT_EQ(site->user_ini.ReadString("C", "Left"), "Warmth,C,R,%,40,0,45,,");
  EXPECT_EQ(left_only().left.max, 45);

  EXPECT_TRUE(IsValidHeightText("10"));
  EXPECT_TRUE(IsValidHeightText("90"));
  for (const char* bad : {"9", "91", "x", ""}) EXPECT_FALSE(IsValidHeightText(bad)) << bad;
  EXPECT_TRUE(IsValidBoundText("", '.'));
  EXPECT_TRUE(IsValidBoundText("-2.5", '.'));
  EXPECT_FALSE(IsValidBoundText("2,5", '.'));
}

}  // namespace
}  // namespace sm

namespace sm {
namespace {

TEST(PrintLayout, CopiedPanesAndTheirLegends) {
  PageArea picture{1000, 700, {10, 20, 30, 40}};
  // usable = 700 - (10 + 50 + 30 + 10 + 2 x 25) = 550; 100 share: 5.5 px each.
  const auto rects = StackRenderedPanes(kCopySpacing, picture, {30, 50, 20}, 100);
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0], (Rect{40, 60, 980, 225}));
  EXPECT_EQ(rects[1].top, rects[0].bottom + 25);
  EXPECT_EQ(rects[1].bottom - rects[1].top, 275);
  EXPECT_EQ(rects[2].top, rects[1].bottom + 25);

  const std::vector<LegendItem> items = {{"Temp", {255, 0, 0}, 4}, {"RH", {0, 0, 255}, 2}};
  auto measure = [](const std::string& text) { return TextSize{static_cast<int>(text.size()) * 10, 12}; };
  auto legend = PlaceLegend(kCopySpacing, rects[0], items, measure);
  ASSERT_EQ(legend.size(), 2u);
  EXPECT_EQ(legend[0].text, "RH");  // the last item stands rightmost
  EXPECT_EQ(legend[0].text_left + 20, 980 - 30);
  EXPECT_EQ(legend[0].text_top, 40);
  EXPECT_EQ(legend[0].swatch, (Rect{920, 46, 930, 48}));
  EXPECT_EQ(legend[1].text_left + 40, 930 - 15);

  legend = PlaceLegend(kPrintSpacing, {0, 500, 3000, 900}, items, measure);
  // Printed swatches are five times as high, centred on the text.
  EXPECT_EQ(legend[0].swatch, (Rect{3000 - 150 - 20 - 40, 420 + 1, 3000 - 150 - 20 - 5, 420 + 1 + 10}));
}

}  // namespace
}  // namespace sm
