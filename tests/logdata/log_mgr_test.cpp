#include <gtest/gtest.h>

#include "core/files.h"
#include "logdata/log_mgr.h"
#include "logdata/site_log.h"
#include "logdata_fixture.h"

namespace sm {
namespace {

using test::Describe;
using test::MakeSite;
using test::Records;
using test::Utc;

TEST(KindCode, FromTheLowByteOfTheLdtValue) {
  struct Case {
    int ldt;
    const char* code;
  } cases[] = {{0x00, "N"},  {0x0F, "N"},  {0x10, "OV"}, {0x11, "OO"}, {0x12, "O"},   {0x1F, "O"},
               {0x20, "SN"}, {0x21, "ST"}, {0x22, "S"},  {0x2F, "S"},  {0x30, "A"},   {0x3F, "A"},
               {0x40, "?"},  {0xFF, "?"},  {0x130, "A"}, {0x210, "OV"}, {-1, "?"}};
  for (const Case& c : cases) EXPECT_EQ(KindCode(c.ldt), c.code) << c.ldt;
}

class LogMgrTest : public ::testing::Test {
 protected:
  test::TestContext t;
  AppContext& ctx = *t.ctx;
};

TEST_F(LogMgrTest, DefaultSourceCataloguesTheSiteUpperCasedAndLooksNamesUpWithoutCase) {
  auto site = MakeSite(t.dir, "Farm 1", Describe({{"Temp in", "T1", 0x30, "C"}, {"Fan", "F1", 0x21, ""},
                                                  {"temp IN", "T2", 0x10, ""}}));
  site.WriteDay(Records({Utc(2024, 3, 1, 6)}, {{"T1", {20}}}));
  TMyLogMgr mgr(ctx, t.dir / "Farm 1", "Farm 1", {}, false);
  EXPECT_EQ(mgr.Folder(), t.dir / "Farm 1/");
  EXPECT_EQ(mgr.Names(), (std::vector<std::string>{"TEMP IN", "FAN", "TEMP IN"}));
  EXPECT_EQ(mgr.IDs(), (std::vector<std::string>{"T1", "F1", "T2"}));
  EXPECT_EQ(mgr.Kinds(), (std::vector<std::string>{"A", "ST", "OV"}));
  EXPECT_EQ(mgr.IndexOf("temp in"), 0);
  EXPECT_EQ(mgr.IndexOf("fan"), 1);
  EXPECT_EQ(mgr.IndexOf("heater"), -1);
  EXPECT_EQ(mgr.KindOf(1), "ST");
  EXPECT_EQ(mgr.KindOf(3), "");
  EXPECT_EQ(mgr.SeriesName(0), "Temp in");
  EXPECT_EQ(mgr.RangeSelector(), 2);
  EXPECT_GT(mgr.Start(), 45000);
  EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(LogMgrTest, BadSourcesAreReportedAndSkipped) {
  auto site = MakeSite(t.dir, "P", Describe({{"Temp", "T1", 0x30, "C"}}));
  const std::string f = site.path;
  struct Case {
    std::string source;
    std::string message;
  } cases[] = {
      {",*.smd,P.ste", "Datasource Error - ini file error : ,*.smd,P.ste"},
      {",*.LOG,P.ste,ste", "Datasource Error - Invalid Extension : *.LOG"},
      {",data.sm?,P.ste,ste", "Datasource Error - Invalid Extension : data.sm?"},
      {",*.smd.*,P.ste,ste", "Datasource Error - Invalid Extension : *.smd.*"},
      {"C:\\logs,*.smd,x.ste,ste", "Datasource Error - Site file not found : C:/logs/x.ste"},
      {"sub,*.smd,x.ste,ste", "Datasource Error - Site file not found : " + f + "sub/x.ste"},
      {",*.smd,,ste", "Datasource Error - Invalid Params : " + f + " *.smd   ste"},
      {",*.smd,P.ste,dll", "Datasource Error - Invalid Params : " + f + " *.smd P.ste dll"},
  };
  for (const Case& c : cases) {
    t.ui.messages.clear();
    TMyLogMgr mgr(ctx, f, "P", {c.source}, false);
    EXPECT_EQ(mgr.Handle(), 0) << c.source;
    EXPECT_EQ(mgr.Width(), 0);
    EXPECT_EQ(t.ui.messages, std::vector<std::string>{c.message}) << c.source;
  }
  EXPECT_EQ(t.Logged().back(), "[/] {Abort} Datasource Error - Invalid Params : " + f + " *.smd P.ste dll");
}

TEST_F(LogMgrTest, LogMasksNeedOldLogExtOrAddLogSrcAndQuietManagersOnlyLog) {
  auto site = MakeSite(t.dir, "P", Describe({{"Temp", "T1", 0x30, "C"}}));
  TMyLogMgr refused(ctx, site.path, "P", {",*.log,P.ste,ste"}, true);
  EXPECT_EQ(refused.Handle(), 0);
  EXPECT_TRUE(t.ui.messages.empty());
  EXPECT_EQ(t.Logged().back(), "[/] {Handled} Datasource Error - Invalid Extension : *.log");
  ctx.startup.old_log_ext = true;
  TMyLogMgr taken(ctx, site.path, "P", {",*.log,P.ste,ste"}, true);
  EXPECT_NE(taken.Handle(), 0);
}

TEST_F(LogMgrTest, SourcesJoinOneGroupAndAFailedOneDoesNotStopTheOthers) {
  auto site = MakeSite(t.dir, "P", Describe({{"Temp", "T1", 0x30, "C"}}));
  t.dir.Write("P/mdldata/m.mdl", "Date,Weight\r\n2024-01-10,40\r\n");
  TMyLogMgr mgr(ctx, site.path, "P", {"mdldata,nothing.mdl, ,csv,ignored", "bad", ",*.smd,P.ste,ste",
                                      "mdldata,m.mdl, ,csv"},
                false);
  EXPECT_EQ(mgr.Names(), (std::vector<std::string>{"TEMP", "WEIGHT"}));
  EXPECT_EQ(t.ui.messages, std::vector<std::string>{"Datasource Error - ini file error : bad"});
}

TEST_F(LogMgrTest, WithoutASourceGuardedOperationsFailWithEmptyDataSource) {
  TMyLogMgr mgr(ctx, t.dir / "none", "none", {}, true);
  EXPECT_EQ(mgr.Handle(), 0);
  EXPECT_EQ(mgr.Width(), 0);
  std::vector<double> v;
  std::vector<uint8_t> s;
  for (auto op : std::vector<std::function<void()>>{[&] { mgr.Start(); }, [&] { mgr.End(); },
                                                    [&] { mgr.SeriesName(0); }, [&] { mgr.SeriesLDT(0); },
                                                    [&] { mgr.InitExpansion(900, v, s, 0); }}) {
    try {
      op();
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "Empty data-source");
    }
  }
  EXPECT_EQ(mgr.NextRow(), 0);
  EXPECT_EQ(mgr.Cleanup(0), 0);
  mgr.Close();
}

TEST_F(LogMgrTest, CatalogueDumpWithTheLetterL) {
  auto site = MakeSite(t.dir, "P", Describe({{"Temp", "T1", 0x30, "C"}, {"Fan", "F1", 0x21, ""}}));
  TMyLogMgr quiet(ctx, site.path, "P", {}, true);
  EXPECT_FALSE(FileExists(site.path + "logmgrseries.txt"));
  ctx.command_line.catalogue_dump = true;
  TMyLogMgr dumped(ctx, site.path, "P", {}, true);
  EXPECT_EQ(test::Slurp(site.path + "logmgrseries.txt"), "TEMP\r\nFAN\r\n");
}

TEST_F(LogMgrTest, SiteOpeningUsesDataSourcesOfSiteIni) {
  auto site = MakeSite(t.dir, "P", Describe({{"Temp", "T1", 0x30, "C"}}),
                       "[DataSources]\r\nb=mdldata,*.mdl, ,csv\r\na=,*.smd,P.ste,ste\r\n");
  t.dir.Write("P/mdldata/m.mdl", "Date,Weight\r\n2024-01-10,40\r\n");
  auto mgr = OpenSiteLogMgr(ctx, site.path);
  EXPECT_EQ(mgr->Names(), (std::vector<std::string>{"WEIGHT", "TEMP"}));
  try {
    OpenSiteLogMgr(ctx, t.dir / "nowhere");
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "No site.ini file found");
  }
}

}  // namespace
}  // namespace sm
