#include <gtest/gtest.h>

#include <filesystem>

#include "logdata/csv_import.h"
#include "logdata/range_load_state.h"
#include "site/site.h"
#include "site_fixture.h"

namespace sm {
namespace {

class RecordingPage : public SitePage {
 public:
  void SetSiteCaption(const std::string& c) override { caption = c; }
  void SetDataSpan(const std::string& s, const std::string& e) override {
    starts = s;
    ends = e;
  }
  void ShowPageArea() override { shown = true; }
  std::string caption, starts, ends;
  bool shown = false;
};

class SiteTest : public ::testing::Test, protected test::SiteFixture {
 protected:
  // A site with two days of hourly data imported from CSV.
  std::string MakeSite(const std::string& name) {
    std::string csv = "DATE,TIME,T1,Water\r\n";
    for (int day = 1; day <= 2; ++day)
      for (int h = 0; h < 24; ++h)
        csv += "2026-03-0" + std::to_string(day) + "," + (h < 10 ? "0" : "") + std::to_string(h) + ":00," +
               std::to_string(20 + h % 3) + "," + std::to_string(100 * day + h) + "\r\n";
    std::string csv_path = home.Write(name + ".csv", csv);
    std::string folder = home / ("sites/" + name);
    CsvImportOptions options;
    options.proc_id = "P" + name;
    ImportCsvFile(csv_path, folder, options);
    return folder;
  }
};

TEST_F(SiteTest, OpensImportedSiteAndPreparesFolders) {
  std::string folder = MakeSite("farm one");
  RecordingPage page;
  auto site = TSite::Create(ctx, folder, &page);
  EXPECT_EQ(site->proc_id, "Pfarm one");
  EXPECT_EQ(site->batch_type, "Batch");
  EXPECT_EQ(site->log_mgr->Names(), (std::vector<std::string>{"T1", "WATER"}));
  EXPECT_EQ(site->FirstRecord(), EncodeDateTime(2026, 3, 1, 0, 0, 0));
  EXPECT_EQ(site->LastRecord(), EncodeDateTime(2026, 3, 2, 23, 0, 0));
  for (const char* sub : {"mdldata", "csvdata", "batches", "smcdata"}) EXPECT_TRUE(DirectoryExists(folder + "/" + sub));
  EXPECT_EQ(page.caption, "Farm one");
  EXPECT_EQ(page.starts, "2026-03-01 00:00");
  EXPECT_EQ(page.ends, "2026-03-02 23:00");
  EXPECT_TRUE(page.shown);
  EXPECT_EQ(ctx.log_location.site_folder, "farm one");
  site.reset();
  EXPECT_EQ(ctx.log_location.site_folder, "");
}

TEST_F(SiteTest, FolderWithoutSiteIniFails) {
  CreateDirectories(home / "empty");
  try {
    TSite::Create(ctx, home / "empty");
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "No site.ini file found");
  }
}

TEST_F(SiteTest, OwnTemplateWinsOverGlobal) {
  std::string folder = MakeSite("a");
  home.Write("share/stallminder/Data/smt.dat", "[Report Columns]\r\nT=global\r\n");
  ctx.global_template = std::make_unique<IniFile>(LogDir() + "smt.dat");
  auto site = TSite::Create(ctx, folder);
  EXPECT_EQ(site->Template()->ReadString("Report Columns", "T"), "global");
  site.reset();
  home.Write("sites/a/smt.dat", "[Report Columns]\r\nT=own\r\n");
  site = TSite::Create(ctx, folder);
  EXPECT_EQ(site->Template()->ReadString("Report Columns", "T"), "own");
}

TEST_F(SiteTest, DisplayOffsetFromSettings) {
  EXPECT_DOUBLE_EQ(ComputeDisplayTimeOffset(false, -5), -5 / 24.0);
  EXPECT_EQ(ComputeDisplayTimeOffset(true, -5), 0);
  EXPECT_EQ(ComputeDisplayTimeOffset(true, 30), 0);
  EXPECT_THROW(ComputeDisplayTimeOffset(false, 24), std::runtime_error);
  EXPECT_THROW(ComputeDisplayTimeOffset(false, -24), std::runtime_error);

  std::string folder = MakeSite("b");
  ctx.startup.gmt_offset = 2;
  auto site = TSite::Create(ctx, folder);
  EXPECT_DOUBLE_EQ(RangeLoad(ctx).DisplayTimeOffset, 2 / 24.0);
  EXPECT_DOUBLE_EQ(site->FirstRecord(), EncodeDateTime(2026, 3, 1, 2, 0, 0));
  site.reset();
  ctx.startup.gmt_offset = 25;
  EXPECT_THROW(TSite::Create(ctx, folder), std::runtime_error);
}

TEST_F(SiteTest, BadLookupTableStopsTheOpening) {
  std::string folder = MakeSite("c");
  home.Write("sites/c/smcdata/t.smc", "Key,V\r\n1,2\r\nbad,3\r\n");
  try {
    TSite::Create(ctx, folder);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "Lookup table " + folder + "/smcdata/t.smc line 3: \"bad\" is not a whole number");
  }
}

TEST_F(SiteTest, MissingDescriptionStillOpensWithEmptyCatalogue) {
  std::string folder = MakeSite("d");
  std::filesystem::remove(folder + "/Pd.ste");
  home.Write("sites/d/site.ini", "[Site]\r\nProcID=Pd\r\nProcID=ignored\r\n\x01\x02junk\r\n[Site]\r\nBatchType=Flock\r\n");
  ui.message_answers.clear();
  auto site = TSite::Create(ctx, folder);
  EXPECT_TRUE(site->log_mgr->Names().empty());
  EXPECT_EQ(site->FirstRecord(), 0);
  EXPECT_EQ(site->proc_id, "Pd");          // the first key wins
  EXPECT_EQ(site->batch_type, "Batch");    // the second [Site] section is not read
  ASSERT_EQ(ui.messages.size(), 1u);       // no error log in this context: shown
  EXPECT_NE(ui.messages[0].find("Site file not found"), std::string::npos) << ui.messages[0];
}

TEST_F(SiteTest, OutsideProgramsStartThroughTheHost) {
  std::string folder = MakeSite("e");
  auto site = TSite::Create(ctx, folder);
  setenv("VISUAL", "myeditor", 1);
  site->EditSiteIni();
  unsetenv("VISUAL");
  site->RunNodax();  // the companion program is not installed: nothing happens
  home.Write("bin/NodaxXP", "");
  ctx.startup.nodax_exe = home / "bin/NodaxXP";
  site->RunNodax();
  EXPECT_EQ(ui.events, (std::vector<std::string>{"start: myeditor " + folder + "/site.ini",
                                                 "start: " + (home / "bin/NodaxXP") + " -X " + folder + "/Pe.ste"}));
  auto source = site->CreateSourceLogMgr(DefaultDataSource(folder + "/", "Pe"));
  EXPECT_EQ(source->Names().size(), 2u);
}

}  // namespace
}  // namespace sm
