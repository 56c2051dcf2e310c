// smtool chart: the printed page rendered to a picture, with each series
// drawn in its colour where its values are.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "chart_fixture.h"
#include "core/ini_reg.h"
#include "support/run_tool.h"

namespace sm {
namespace {

class ChartRenderTool : public ::testing::Test, public test::ChartFixture {
 protected:
  test::ToolResult Run(const std::vector<std::string>& args) {
    return test::RunProgram(SMTOOL_PATH, args, test::PrivateHomeEnvironment(home.path()));
  }
};

// Where pixels of one colour lie in a picture.
struct Extent {
  int count = 0, left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
};
Extent ExtentOf(const QImage& image, QRgb colour) {
  Extent e;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xffffff) != (colour & 0xffffff)) continue;
      ++e.count;
      e.left = std::min(e.left, x);
      e.right = std::max(e.right, x);
      e.top = std::min(e.top, y);
      e.bottom = std::max(e.bottom, y);
    }
  return e;
}

TEST_F(ChartRenderTool, SeriesColoursStandWhereTheirValuesAre) {
  // Inside 20 on a 0..40 axis, humidity 60 on a 0..100 axis; the data
  // ends at noon of the third day.
  MakeSite(3, {"TEMP", "RH"}, [](const std::string& s, int day, int hour) -> std::string {
    if (day == 2 && hour >= 12) return "";
    return s == "TEMP" ? "20" : "60";
  });
  SiteIni("[Airspaces]\r\n1=House(H)\r\n[House]\r\nCharts=C\r\n"
          "[C]\r\nP=Temperature,C,Humidity,%,100,0,40,0,100(Temp_In,RH)\r\n[CTitle]\r\nP=Inside\r\n"
          "[Chart Series]\r\nTemp_In=TEMP[0,3,Left,10]\r\nRH=RH[0,3,Right,14]\r\n");
  // Two days up to past the newest data.
  TIniReg settings(home / "registry.ini", "Settings");
  settings.WriteFloat("ViewEnd", -1);
  settings.WriteInteger("ViewDays", 2);
  const std::string png = home / "chart.png";
  auto r = Run({"chart", folder, "--chart", "C", "--out", png, "--size", "1200x800"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  QImage image(QString::fromStdString(png));
  ASSERT_EQ(image.size(), QSize(1200, 800));

  const Extent red = ExtentOf(image, qRgb(255, 0, 0));
  const Extent blue = ExtentOf(image, qRgb(0, 0, 255));
  ASSERT_GT(red.count, 100);
  ASSERT_GT(blue.count, 100);
  // Flat lines (the legend swatches sit above the plot, at the top).
  auto line_band = [&](QRgb colour, int from_y) {
    Extent e;
    QImage below = image.copy(0, from_y, image.width(), image.height() - from_y);
    e = ExtentOf(below, colour);
    e.top += from_y;
    e.bottom += from_y;
    return e;
  };
  const int plot_from = 150;
  const Extent red_line = line_band(qRgb(255, 0, 0), plot_from);
  const Extent blue_line = line_band(qRgb(0, 0, 255), plot_from);
  EXPECT_LE(red_line.bottom - red_line.top, 6);
  EXPECT_LE(blue_line.bottom - blue_line.top, 6);
  // 60 % up the right axis stands above half-way up the left one.
  EXPECT_LT(blue_line.bottom, red_line.top);
  // Both start at the left of the plot and stop three quarters of the way,
  // where the data ends: gaps after it, not a drop to 0.
  EXPECT_LT(red_line.left, 100);
  EXPECT_NEAR(red_line.left, blue_line.left, 3);
  EXPECT_NEAR(red_line.right, blue_line.right, 3);
  const int plot_width = image.width() - 2 * red_line.left;  // about: the axes take similar room
  EXPECT_NEAR(red_line.right - red_line.left, plot_width * 3 / 4, plot_width / 20);
  EXPECT_EQ(red.bottom, red_line.bottom);

  // Before the first record too: four days from 2025-12-30, the lines
  // begin half-way.
  r = Run({"chart", folder, "--chart", "C", "--end", "2026-01-03", "--days", "4", "--out", png, "--size",
           "1200x800"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  image.load(QString::fromStdString(png));
  const Extent late = line_band(qRgb(255, 0, 0), plot_from);
  EXPECT_LE(late.bottom - late.top, 6);
  EXPECT_NEAR(late.left - red_line.left, plot_width / 2, plot_width / 20);

  const std::string pdf = home / "chart.pdf";
  r = Run({"chart", folder, "--chart", "C", "--out", pdf});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(test::Slurp(pdf).rfind("%PDF", 0), 0u);

  EXPECT_EQ(Run({"chart", folder, "--chart", "C", "--out", home / "chart.gif"}).exit_code, 2);
  EXPECT_EQ(Run({"chart", folder, "--chart", "C", "--out", png, "--size", "10x10"}).exit_code, 2);
  EXPECT_EQ(Run({"chart", folder, "--chart", "Nope", "--out", png}).exit_code, 1);
}

}  // namespace
}  // namespace sm
