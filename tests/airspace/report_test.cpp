#include <gtest/gtest.h>

#include "airspace/report.h"
#include "report_fixture.h"

namespace sm {
namespace {

// 51 days of data; day k holds T = k, Water = 10, Feed = 3 and Pigs = 100,
// except day 45 which has no pigs. The live batch starts on day 5, so it
// covers days 5 to 49 (45 days; day 50 is the live end's partial day).
class ReportTest : public ::testing::Test, protected test::ReportFixture {
 protected:
  void SetUp() override {
    MakeSite(51, {"T", "Water", "Feed", "Pigs"}, [](const std::string& s, int d, int) {
      if (s == "T") return std::to_string(d);
      if (s == "Pigs") return std::string(d == 45 ? "0" : "100");
      return std::string(s == "Water" ? "10" : "3");
    });
    UserIni("[House]\r\nLiveBatchStart=" + std::to_string(kFirstDay + 5) + "\r\nGridCols=90,40,x\r\n");
  }
  void Columns(const std::string& report_cols) {
    SiteIni("ReportCols=" + report_cols +
            "\r\n[Airspaces]\r\n1=House(H)\r\n[Report Columns]\r\nTemp=@AVE(T)[1,\xc2\xb0""C,Mean temperature]\r\n"
            "Pigs_Count=@AVE(Pigs)[0]\r\nWater_Daily=@AVE(Water)[2,l]\r\nFeed=@AVE(Feed)\r\nRatio=@DIV(Pigs,Water)[2]\r\n");
  }
};

TEST_F(ReportTest, ViewMeansOverAFortyFiveDayBatch) {
  Columns("Temp,Pigs_Count,Water_Daily,Feed");
  auto site = Open();
  TAirspace& house = *site->airspaces[0];
  EXPECT_EQ(house.live_days, 45);
  ComputeReport(house);
  EXPECT_EQ(SaveDataLines(house, false),
            (std::vector<std::string>{",Temp,Pigs,Water,Feed,",  // short names; the filler column is empty
                                      "1,49.0,100,10.00,3.0",    // water and feed need pigs on every day
                                      "7,46.0,86,N/A,N/A",
                                      "14,42.5,93,N/A,N/A",
                                      "30,34.5,97,N/A,N/A",
                                      "Current Batch,27.0,98,N/A,N/A"}));
  EXPECT_EQ(CellText(house, 1, 1), "49.0 \xc2\xb0""C");
  EXPECT_EQ(CellText(house, 2, 3), "N/A l");
  EXPECT_TRUE(house.computed);
  EXPECT_TRUE(house.scope.data_series()[0]->values.empty());  // released after computing
}

TEST_F(ReportTest, PigsRuleOnlyWithAPigsColumn) {
  Columns("Temp,Water_Daily,Feed");
  auto site = Open();
  TAirspace& house = *site->airspaces[0];
  ComputeReport(house);
  EXPECT_EQ(house.views[1]->value_texts, (std::vector<std::string>{"46.0", "10.00", "3.0"}));
}

TEST_F(ReportTest, PigsRuleSparesViewsWithoutAnEmptyDay) {
  Columns("Pigs_Count,Water_Daily");
  UserIni("[House]\r\nLiveBatchStart=" + std::to_string(kFirstDay + 46) + "\r\n");
  auto site = Open();
  TAirspace& house = *site->airspaces[0];
  ComputeReport(house);
  // Four days from day 46: every view is cut back to the live batch.
  EXPECT_EQ(house.views[3]->caption, "4");
  EXPECT_EQ(house.views[3]->value_texts, (std::vector<std::string>{"100", "10.00"}));
}

TEST_F(ReportTest, ViewOfNoWholeDayIsNotAvailable) {
  Columns("Temp,Ratio");
  UserIni("[House]\r\nLiveBatchStart=" + std::to_string(kFirstDay + 50) + "\r\n");
  auto site = Open();
  TAirspace& house = *site->airspaces[0];
  ComputeReport(house);
  for (const auto& view : house.views)
    for (const auto& text : view->value_texts) EXPECT_EQ(text, "N/A") << view->caption;
}

TEST_F(ReportTest, GridModelAndWidths) {
  Columns("Temp,Water_Daily");
  auto site = Open();
  TAirspace& house = *site->airspaces[0];
  ComputeReport(house);
  ReportGrid grid = FillGrid(house, false);
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(grid.ColumnCount(), 4);
  EXPECT_EQ(grid.row_captions[5], "Current Batch");
  EXPECT_EQ(ColumnWidths(house, grid.ColumnCount(), 64), (std::vector<int>{90, 40, 64, 64}));
}

TEST_F(ReportTest, ManyColumnsKeepAWidthEach) {
  std::string cols;
  for (int i = 0; i < 35; ++i) cols += (i ? ",C" : "C") + std::to_string(i);
  std::string defs;
  for (int i = 0; i < 35; ++i) defs += "C" + std::to_string(i) + "=T\r\n";
  SiteIni("ReportCols=" + cols + "\r\n[Airspaces]\r\n1=House\r\n[Report Columns]\r\n" + defs);
  auto site = Open();
  TAirspace& house = *site->airspaces[0];
  ASSERT_EQ(house.report_items.size(), 35u);
  EXPECT_EQ(ColumnWidths(house, 37, 64).size(), 37u);
  EXPECT_GE(house.column_widths.size(), 37u);
}

TEST_F(ReportTest, StoredBatchesAreAveragedLatestFirst) {
  Columns("Temp,Water_Daily,Feed");
  home.Write("sites/Farm/batches/H46000.bch", "Date,Temp,water\r\n2025-12-09,20,5\r\n2025-12-10,21,x\r\n");
  home.Write("sites/Farm/batches/H46010.bch", "Date,Temp\r\n2025-12-19,30\r\n");
  home.Write("sites/Farm/batches/H46020.bch", "only a header\r\n");
  home.Write("sites/Farm/batches/X46000.bch", "Date,Temp\r\n2025-12-09,99\r\n");
  auto site = Open();
  TAirspace& house = *site->airspaces[0];
  ComputeReport(house);
  std::vector<std::string> lines = SaveDataLines(house, true);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[6], "2025-12-19,30.0 \xc2\xb0""C,,");
  EXPECT_EQ(lines[7], "2025-12-09,20.5 \xc2\xb0""C,5.00 l,");
}

TEST(CellColourTest, ModelBand) {
  struct Case {
    const char *value, *low, *model, *high;
    bool show;
    CellColour colour;
  } cases[] = {
      {"17.9", "", "20", "", true, kRed},
      {"18", "", "20", "", true, kBlack},
      {"22.1", "", "20", "", true, kAboveModel},
      {"22.1", "", "20", "", false, kBlack},
      {"N/A", "", "20", "", true, kBlack},
      {"25", "10", "20", "30", true, kBlack},
      {"9", "10", "20", "30", true, kRed},
      {"21", "", "", "", true, kBlack},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ViewCellColour(c.value, c.low, c.model, c.high, c.show), c.colour) << c.value << " vs " << c.model;
}

}  // namespace
}  // namespace sm
