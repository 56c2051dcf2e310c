#include <gtest/gtest.h>

#include <filesystem>

#include "airspace/batches.h"
#include "airspace/model.h"
#include "airspace/report.h"
#include "core/files.h"
#include "report_fixture.h"

namespace sm {
namespace {

// 51 days: T = day number, Water = 10 + day, Pigs = 100. The live batch
// starts on day 5 (45 days).
class BatchTest : public ::testing::Test, protected test::ReportFixture {
 protected:
  void SetUp() override {
    MakeSite(51, {"T", "Water", "Pigs"}, [](const std::string& s, int d, int) {
      if (s == "T") return std::to_string(d);
      if (s == "Water") return std::to_string(10 + d);
      return std::string("100");
    });
    SiteIni("ReportCols=Temp,Water_Daily,Pigs\r\n[Airspaces]\r\n1=House(H1)\r\n[Report Columns]\r\n"
            "Temp=@AVE(T)[1,C,,,,TempModel]\r\nWater_Daily=@AVE(Water)[2,l,,,,WaterModel]\r\nPigs=@AVE(Pigs)[0]\r\n");
    UserIni("[House]\r\nLiveBatchStart=" + std::to_string(kFirstDay + 5) + "\r\n");
    site = Open();
  }
  TAirspace& House() { return *site->airspaces[0]; }
  std::unique_ptr<TSite> site;
};

TEST_F(BatchTest, DefineWritesTheFileAndReloads) {
  EXPECT_EQ(BatchFilePath(House(), 38047), folder + "/batches/H138047.bch");
  ASSERT_TRUE(DefineBatch(House(), kFirstDay + 2, kFirstDay + 4));
  std::string path = folder + "/batches/H1" + std::to_string(kFirstDay + 2) + ".bch";
  EXPECT_EQ(ReadLines(path), (std::vector<std::string>{"Date,Temp,Water,Pigs", "2026-01-03,2.00,12.00,100.00",
                                                       "2026-01-04,3.00,13.00,100.00", "2026-01-05,4.00,14.00,100.00"}));
  ASSERT_EQ(House().batches.size(), 1u);
  EXPECT_EQ(House().batches[0]->texts, (std::vector<std::string>{"2026-01-03", "3.0 C", "13.00 l", "100 "}));

  // The same start replaces the file; dates outside the data are refused.
  ASSERT_TRUE(DefineBatch(House(), kFirstDay + 2, kFirstDay + 3));
  EXPECT_EQ(ReadLines(path).size(), 3u);
  EXPECT_FALSE(DefineBatch(House(), kFirstDay - 1, kFirstDay + 3));
  EXPECT_FALSE(DefineBatch(House(), kFirstDay + 40, kFirstDay + 51));
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Batch dates must be within batch parameters",
                                                   "Batch dates must be within batch parameters"}));
}

TEST_F(BatchTest, DeleteAsksAndFolderOrderFollowsADefine) {
  ASSERT_TRUE(DefineBatch(House(), kFirstDay + 10, kFirstDay + 11));
  ASSERT_TRUE(DefineBatch(House(), kFirstDay + 2, kFirstDay + 3));
  ASSERT_EQ(House().batches.size(), 2u);
  EXPECT_EQ(House().batches[0]->start, kFirstDay + 2);  // folder order, by file name
  ui.message_answers = {MessageAnswer::No, MessageAnswer::Yes};
  EXPECT_FALSE(DeleteBatch(House(), 0, true));
  EXPECT_TRUE(DeleteBatch(House(), 0, true));
  EXPECT_EQ(ui.messages.back().rfind("Delete batch commencing ", 0), 0u);
  ASSERT_EQ(House().batches.size(), 1u);
}

TEST_F(BatchTest, BatchCodesThatLeaveTheFolderAreRefused) {
  House().code = "../X";
  EXPECT_THROW(BatchFilePath(House(), 1), std::runtime_error);
}

TEST_F(BatchTest, ModelTextsAndColours) {
  // Model row k goes with day k + 1 of the live batch; the band is given for
  // water, missing (so 90 % .. 110 %) for temperature.
  std::string mdl = "Date,TempModel,WaterModel,WaterModelHigh\r\n";
  for (int k = 0; k < 60; ++k)
    mdl += FormatDateTime("yyyy-mm-dd", kFirstDay + 5 + k, FixedFormats()) + "," + std::to_string(100 + k) + "," +
           std::to_string(5 + k) + ",1000\r\n";
  home.Write("sites/Farm/mdldata/m.mdl", mdl);
  ComputeReport(House());
  ImportModel(House(), "m.mdl");
  EXPECT_TRUE(House().model_loaded);
  const TView& one = *House().views[0];  // the last day, day 49 = live day 44
  EXPECT_EQ(one.value_texts[0], "49.0");
  EXPECT_EQ(one.model_texts[1][0], "143.00");  // model row 43 (day 44 is row 43 + 1)
  EXPECT_EQ(one.model_texts[0][0], "");        // no TempModelLow
  EXPECT_EQ(one.model_texts[1][1], "48.00");
  EXPECT_EQ(one.model_texts[2][1], "1000.00");
  EXPECT_EQ(ViewCellColour(one.value_texts[0], one.model_texts[0][0], one.model_texts[1][0], one.model_texts[2][0], true),
            kRed);
  EXPECT_EQ(ViewCellColour(one.value_texts[1], one.model_texts[0][1], one.model_texts[1][1], one.model_texts[2][1], true),
            kBlack);  // 59 lies between 90 % of 48 and the given high of 1000
  EXPECT_EQ(one.model_texts[1][2], "");  // Pigs has no model
}

TEST_F(BatchTest, NoModelFilesIsSaid) {
  EXPECT_TRUE(ListModelFiles(*site).empty());
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"No model data is available for this site"}));
}

TEST_F(BatchTest, SavedBatchBecomesAModel) {
  ASSERT_TRUE(DefineBatch(House(), kFirstDay + 2, kFirstDay + 3));
  std::string path = folder + "/mdldata/H12026-01-03.mdl";
  ASSERT_TRUE(SaveAsModel(House(), *House().batches[0], path));
  EXPECT_EQ(ReadLines(path), (std::vector<std::string>{"Date,TempModel,WaterModel", "2026-01-03,2.00,12.00",
                                                       "2026-01-04,3.00,13.00"}));
  home.Write("sites/Farm/batches/H1999.bch", "Date,Pigs\r\n2026-01-01,5\r\n");
  auto batches = LoadBatches(House());
  const TBatch* pigs_only = nullptr;
  for (auto& b : batches)
    if (b->file.find("H1999") != std::string::npos) pigs_only = b.get();
  ASSERT_TRUE(pigs_only);
  EXPECT_FALSE(SaveAsModel(House(), *pigs_only, folder + "/mdldata/none.mdl"));
  EXPECT_EQ(ui.messages.back(), "No batch series are marked for export");
  EXPECT_FALSE(FileExists(folder + "/mdldata/none.mdl"));
}

TEST_F(BatchTest, DamagedBatchFilesAreSkippedAndNamed) {
  home.Write("sites/Farm/batches/H1001.bch", std::string("\x00\xff\x01junk", 7) + "\r\n" + std::string(100000, 'z'));
  home.Write("sites/Farm/batches/H1002.bch", "Date,Temp\r\n2026-01-01,x\r\n2026-01-02,4\r\n");
  auto batches = LoadBatches(House());
  ASSERT_EQ(batches.size(), 1u);
  EXPECT_EQ(batches[0]->texts[1], "4.0 C");  // the cell that is no number is left out of the mean
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("H1001.bch"), std::string::npos);
}

}  // namespace
}  // namespace sm
