// Set Batch Start and the Properties values over a small real site.
#include <gtest/gtest.h>

#include "airspace/live_batch.h"
#include "airspace/model.h"
#include "airspace/properties.h"
#include "airspace/report.h"
#include "core/ini_file.h"
#include "report_fixture.h"

namespace sm {
namespace {

// 51 days: T = day number, Pigs = 100; the live batch starts on day 5.
class LiveBatchTest : public ::testing::Test, protected test::ReportFixture {
 protected:
  void SetUp() override {
    MakeSite(51, {"T", "Pigs"}, [](const std::string& s, int d, int) {
      return s == "T" ? std::to_string(d) : std::string("100");
    });
    SiteIni("ReportCols=Temp,Space\r\n[Airspaces]\r\n1=House(H1)\r\n2=Barn(B)\r\n"
            "[House]\r\nArea=50\r\n[Barn]\r\nArea=7\r\n[Report Columns]\r\n"
            "Temp=@AVE(T)[1,C,,,,TempModel]\r\nSpace=@DIV(@MULT(~Pens,~Area),@AVE(Pigs))[2]\r\n");
    UserIni("[House]\r\nLiveBatchStart=" + std::to_string(kFirstDay + 5) + "\r\n");
    site = Open();
  }
  TAirspace& House() { return *site->airspaces[0]; }
  std::string StoredStart() { return IniFile(folder + "/smuser.ini").ReadString("House", "LiveBatchStart", ""); }
  std::unique_ptr<TSite> site;
};

TEST_F(LiveBatchTest, NewStartRebuildsTheViewsAndIsStoredOnDisk) {
  ComputeReport(House());
  ASSERT_TRUE(House().computed);
  SetBatchStart(House(), kFirstDay + 20);
  EXPECT_EQ(House().live_batch_start, kFirstDay + 20);
  EXPECT_EQ(House().live_days, 30);
  ASSERT_EQ(House().views.back()->kind, 1);
  EXPECT_EQ(House().views.back()->start, kFirstDay + 20);
  EXPECT_FALSE(House().computed) << "the report is computed again";
  EXPECT_EQ(StoredStart(), std::to_string(kFirstDay + 20));

  site.reset();
  site = Open();
  EXPECT_EQ(House().live_batch_start, kFirstDay + 20) << "read back at the next opening";
}

TEST_F(LiveBatchTest, StartBeforeTheDataIsMovedToTheFirstDay) {
  SetBatchStart(House(), kFirstDay - 100);
  EXPECT_EQ(House().live_batch_start, kFirstDay);
  EXPECT_EQ(StoredStart(), std::to_string(kFirstDay));
}

TEST_F(LiveBatchTest, StartAfterTheDataIsMovedToTheLastWholeDay) {
  // Left alone, a start past the live end gave views of negative length
  // captioned "-50" and a batch that began after its own end.
  SetBatchStart(House(), kFirstDay + 100);
  EXPECT_EQ(House().live_batch_start, kFirstDay + 49);
  EXPECT_EQ(House().live_days, 1);
  EXPECT_EQ(StoredStart(), std::to_string(kFirstDay + 49));
  for (const auto& view : House().views) {
    EXPECT_LT(view->start, view->end) << view->caption;
    EXPECT_EQ(view->caption.find('-'), std::string::npos) << view->caption;
  }
}

TEST_F(LiveBatchTest, LoadedModelTextsFollowTheNewStart) {
  std::string mdl = "Date,TempModel\r\n";
  for (int k = 0; k < 60; ++k) mdl += "2026-01-01," + std::to_string(100 + k) + "\r\n";
  home.Write("sites/Farm/mdldata/m.mdl", mdl);
  ComputeReport(House());
  ImportModel(House(), "m.mdl");
  EXPECT_EQ(House().views[0]->model_texts[1][0], "143.00");  // the last day is live day 44
  SetBatchStart(House(), kFirstDay + 20);
  EXPECT_EQ(House().views[0]->model_texts[1][0], "128.00");  // now live day 29
}

TEST_F(LiveBatchTest, PropertiesReadDefaultsAndWriteTheirOwnSection) {
  ASSERT_EQ(House().scope.constant_names(), (std::vector<std::string>{"Pens", "Area"}));
  EXPECT_EQ(ReadProperties(House()), (PropertyValues{{"Pens", "1"}, {"Area", "50"}}));
  WriteProperties(House(), {{"Pens", "4"}, {"Area", "25"}});
  IniFile on_disk(folder + "/site.ini");
  EXPECT_EQ(on_disk.ReadString("House", "Pens", ""), "4");
  EXPECT_EQ(on_disk.ReadString("House", "Area", ""), "25");
  EXPECT_EQ(on_disk.ReadString("Barn", "Area", ""), "7");
  EXPECT_EQ(on_disk.ReadString("Barn", "Pens", "none"), "none");

  site.reset();
  site = Open();
  ComputeReport(House());
  EXPECT_EQ(House().views[0]->value_texts[1], "1.00") << "100 pigs on 4 x 25";
}

}  // namespace
}  // namespace sm
