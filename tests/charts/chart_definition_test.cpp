#include <gtest/gtest.h>

#include <stdexcept>

#include "charts/chart_definition.h"
#include "charts/date_labels.h"
#include "charts/pane_layout.h"
#include "charts/series_colours.h"

namespace sm {
namespace {

TEST(ChartDefinition, PaneValueNeedsItsOpeningBracket) {
  PaneValue pane = SplitPaneValue("V", "P", "Temp,C,RH,%,50,0,40(Temp_In, RH,)");
  EXPECT_EQ(pane.params, "Temp,C,RH,%,50,0,40");
  EXPECT_EQ(pane.series_names, (std::vector<std::string>{"Temp_In", "RH"}));
  EXPECT_TRUE(SplitPaneValue("V", "P", "a,b,c,d,5()").series_names.empty());
  EXPECT_THROW(SplitPaneValue("V", "P", "a,b,c,d,5 Temp"), std::runtime_error);

  SeriesDefinition s = SplitSeriesDefinition("X", "@MAX(A,B)[0,2,Right,3]");
  EXPECT_EQ(s.expression, "@MAX(A,B)");
  EXPECT_EQ(s.style, "0,2,Right,3");
  EXPECT_THROW(SplitSeriesDefinition("X", "@MAX(A,B)"), std::runtime_error);
}

TEST(ChartDefinition, SeriesStyles) {
  struct Case {
    const char* text;
    SeriesType type;
    int width;
    bool right;
    int colour;
    int special;
  } cases[] = {
      {"0,2,Right,3", SeriesType::Line, 2, true, 3, -1},
      {"0,2,right,3", SeriesType::Line, 2, false, 3, -1},   // "Right" only as written
      {"1,4,Left,14,GF_DOLOSSES", SeriesType::Bar, 4, false, 14, 1},
      {"0,1,Right,12,GF_DODIRECTION", SeriesType::Line, 1, true, 12, 0},
      {"0,1,Right,12,gf_dodirection", SeriesType::Line, 1, true, 12, -1},
      {"0,1,,0,other", SeriesType::Line, 1, false, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SeriesStyle s = ParseSeriesStyle("S", c.text);
    EXPECT_EQ(s.type, c.type);
    EXPECT_EQ(s.width, c.width);
    EXPECT_EQ(s.right_axis, c.right);
    EXPECT_EQ(s.colour_index, c.colour);
    EXPECT_EQ(s.special_kind, c.special);
  }
  for (const char* bad : {"2,1,Left,1", "x,1,Left,1", "0,w,Left,1", "0,1,Left,15", "0,1,Left,-1", "0,1,Left", ""}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(ParseSeriesStyle("S", bad), std::runtime_error);
  }
  EXPECT_EQ(SeriesColours[0], (Rgb{0, 0, 128}));
  EXPECT_EQ(SeriesColours[14], (Rgb{0, 0, 255}));
  EXPECT_EQ(SeriesTitle("Temp_In_B"), "Temp");
  EXPECT_EQ(SeriesTitle("Humidity"), "Humidity");
}

TEST(ChartDefinition, PaneParameters) {
  std::vector<std::string> f = SplitPaneParams("V (P)", "NoTitle,C,NoTitle,%,40,,35.5");
  EXPECT_EQ(f[kLeftTitle], "");
  EXPECT_EQ(f[kRightTitle], "");
  EXPECT_EQ(PaneHeight("V (P)", f), 40);
  PaneBounds b = ReadPaneBounds("V (P)", f, '.');
  EXPECT_FALSE(b.left_min);
  EXPECT_EQ(b.left_max, 35.5);
  EXPECT_FALSE(b.right_min);
  EXPECT_EQ(ReadPaneBounds("", {"a", "b", "c", "d", "1", "2,5"}, ',').left_min, 2.5);

  EXPECT_THROW(SplitPaneParams("V (P)", "a,b,c,d"), std::runtime_error);
  EXPECT_FALSE(PaneHeight("", {"a", "b", "c", "d", ""}));
  EXPECT_THROW(PaneHeight("", {"a", "b", "c", "d", "half"}), std::runtime_error);
  EXPECT_THROW(ReadPaneBounds("", {"a", "b", "c", "d", "1", "low"}, '.'), std::runtime_error);

  EXPECT_EQ(FormatBound(12.5, '.'), "12.500");
  EXPECT_EQ(FormatBound(-0.25, ','), "-0,250");
  EXPECT_EQ(FormatBound(123456.789, '.'), "123457.000");
  EXPECT_EQ(FormatBound(0.0001, '.'), "0.000");
  EXPECT_NE(FormatBound(2500000, '.').find('E'), std::string::npos);
}

TEST(ChartDefinition, DayLabelsAndTheirSpacing) {
  FormatSettings dmy;
  dmy.short_date = "dd/mm/yyyy";
  dmy.date_separator = '/';
  EXPECT_EQ(DayLabelFormatOf(dmy), "dd/mm");
  EXPECT_EQ(DayLabelFormatOf(FixedFormats()), "mm-dd");
  FormatSettings dotted;
  dotted.short_date = "d.m.yy";
  dotted.date_separator = '.';
  EXPECT_EQ(DayLabelFormatOf(dotted), "d.m");

  EXPECT_EQ(DateIncrement(4799, 600, 30), 384);  // 20 labels over 4799 points
  EXPECT_EQ(DateIncrement(95, 600, 30), 12);
  EXPECT_EQ(DateIncrement(4799, 0, 30), 12);     // not drawn yet
}

TEST(PaneLayout, SharesHeightsAndPanesWithoutShare) {
  auto heights = [](const std::vector<PanePlace>& places) {
    std::vector<int> h;
    for (const auto& p : places) h.push_back(p.height);
    return h;
  };
  std::vector<PanePlace> two = StackPanes({50, 25, 25}, 400);
  EXPECT_EQ(heights(two), (std::vector<int>{200, 100, 100}));
  EXPECT_EQ(two[1].top, 200);
  EXPECT_EQ(two[0].top_margin, 18);
  EXPECT_EQ(two[1].top_margin, 21);
  EXPECT_EQ(heights(StackPanes({0, 50}, 220)), (std::vector<int>{kMinPaneHeight, 200}));
  EXPECT_EQ(heights(StackPanes({0, 0}, 300)), (std::vector<int>{kMinPaneHeight, kMinPaneHeight}));
  EXPECT_EQ(heights(StackPanes({30}, 0)), (std::vector<int>{0}));
  EXPECT_EQ(PaneTopMargin(150), 18);
  EXPECT_EQ(PaneTopMargin(250), 15);
  EXPECT_EQ(PaneTopMargin(0), 615);
}

}  // namespace
}  // namespace sm
