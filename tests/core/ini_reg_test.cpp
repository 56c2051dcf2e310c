#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/comma_text.h"
#include "core/ini_reg.h"
#include "core/settings.h"
#include "core/stored_status.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

class IniRegTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = dir / "config/stallminder/registry.ini";
};

TEST_F(IniRegTest, ValuesKeepTheirType) {
  TIniReg reg(path, "Settings");
  reg.WriteString("Name", "a = b; c");
  reg.WriteInteger("Count", -5);
  reg.WriteBool("On", true);
  reg.WriteFloat("When", 45351.75);
  TIniReg again(path, "settings");
  EXPECT_EQ(again.ReadString("name", ""), "a = b; c");
  EXPECT_EQ(again.ReadInteger("Count", 0), -5);
  EXPECT_TRUE(again.ReadBool("On", false));
  EXPECT_EQ(again.ReadFloat("When", 0), 45351.75);
  // A value read as another type answers the default.
  EXPECT_EQ(again.ReadInteger("Name", 42), 42);
  EXPECT_EQ(again.ReadString("Count", "dflt"), "dflt");
}

TEST_F(IniRegTest, SubkeysAndDeletion) {
  TIniReg site(path, "Sites\\Demo1");
  site.WriteString("Folder", "/data/demo1");
  TIniReg deep(path, "Sites\\Demo1\\Extra");
  deep.WriteInteger("X", 1);
  TIniReg(path, "Sites\\Farm2").WriteInteger("ServerIndex", 3);
  TIniReg sites(path, "Sites");
  EXPECT_EQ(sites.KeyNames(), (std::vector<std::string>{"Demo1", "Farm2"}));
  sites.DeleteKey("demo1");
  EXPECT_EQ(sites.KeyNames(), (std::vector<std::string>{"Farm2"}));
  EXPECT_EQ(TIniReg(path, "Sites\\Demo1").ValueNames(), std::vector<std::string>{});
  EXPECT_EQ(TIniReg(path, "Sites\\Demo1\\Extra").ReadInteger("X", 0), 0);
}

TEST_F(IniRegTest, BrokenFileReadsDefaultsAndKeepsHarmlessLines) {
  test::TempDir d;
  std::string p = d.Write("registry.ini",
                          "garbage line\n[Settings]\nDiag=dword:notanumber\nGMTOffset=3\n"
                          "ReportInterval=dword:600\n[Unknown\\Section]\nX=sz:y\n");
  TIniReg reg(p, "Settings");
  StartupSettings s = StartupSettings::Read(reg);
  EXPECT_EQ(s.diag, 0);
  EXPECT_EQ(s.gmt_offset, 0);
  EXPECT_EQ(s.report_interval, 600);
  reg.WriteBool("UseRAS", true);
  std::string text = test::Slurp(p);
  EXPECT_NE(text.find("garbage line"), std::string::npos);
  EXPECT_NE(text.find("[Unknown\\Section]"), std::string::npos);
  EXPECT_NE(text.find("UseRAS=dword:1"), std::string::npos);
}

TEST_F(IniRegTest, UnwritableFileReportsThePath) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
  test::TempDir d;
  std::string p = d / "ro/registry.ini";
  ASSERT_EQ(::mkdir((d / "ro").c_str(), 0555), 0);
  TIniReg reg(p, "Settings");
  EXPECT_EQ(reg.ReadInteger("Diag", 9), 9);
  try {
    reg.WriteInteger("Diag", 1);
    FAIL() << "write did not fail";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(p), std::string::npos) << e.what();
  }
}

TEST_F(IniRegTest, UnwritableFolderAsRootToo) {
  // A registry path below a plain file cannot be written even by root.
  test::TempDir d;
  d.Write("file", "x");
  std::string p = d / "file/registry.ini";
  TIniReg reg(p, "Settings");
  EXPECT_THROW(reg.WriteString("SiteName", "x"), std::runtime_error);
}

TEST_F(IniRegTest, EverySettingAnswersItsDefaultOnAFirstRun) {
  TIniReg reg(path, "Settings");
  for (const SettingSpec& setting : SettingsTable()) {
    std::string expected = setting.default_text;
    if (std::string(setting.name) == "MainLogDir") expected = "/default/Data";
    EXPECT_EQ(ReadSettingText(reg, setting.name, "/default/Data"), expected) << setting.name;
  }
  WriteSettingText(reg, "gmtoffset", "2");
  EXPECT_EQ(ReadSettingText(reg, "GMTOffset", ""), "2");
  EXPECT_THROW(WriteSettingText(reg, "GMTOffset", "two"), std::invalid_argument);
  EXPECT_THROW(WriteSettingText(reg, "NoSuchSetting", "1"), std::invalid_argument);
  StartupSettings s = StartupSettings::Read(reg);
  EXPECT_EQ(s.nodax_exe, "\\Nodax\\NodaxXP.exe");
  EXPECT_EQ(s.auto_printer, "No AutoPrinter Set");
  EXPECT_TRUE(s.smr);
  EXPECT_TRUE(s.print_landscape);
  EXPECT_EQ(s.report_interval, 900);
}

TEST_F(IniRegTest, StoredStatusDefaultsAndChartList) {
  TIniReg reg(path, "Settings");
  TStoredStatus status;
  status.Load(reg, 45000);
  EXPECT_EQ(status.view_end, 45000);  // today on a first run
  EXPECT_EQ(status.view_days, 7);
  EXPECT_TRUE(status.show_report);
  EXPECT_FALSE(status.is_batch);
  EXPECT_TRUE(status.chart_list.empty());

  for (int i = 0; i < 25; ++i) status.chart_list.push_back("Chart " + std::to_string(i));
  status.chart_list[1] = "Climate, house \"A\"";
  status.view_end = -3;
  status.Save(reg);
  TStoredStatus back;
  back.Load(reg, 45000);
  ASSERT_EQ(back.chart_list.size(), 20u);
  EXPECT_EQ(back.chart_list[1], "Climate, house \"A\"");
  EXPECT_EQ(back.chart_list[19], "Chart 19");
  EXPECT_EQ(back.view_end, -3);

  back.ChartChosen("chart 5");
  EXPECT_EQ(back.chart_list.front(), "chart 5");
  EXPECT_EQ(back.chart_list.size(), 20u);
}

}  // namespace
}  // namespace sm
