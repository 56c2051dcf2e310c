#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

TEST(IniFile, CaseInsensitiveNamesAndFileOrder) {
  IniFile ini = IniFile::FromText("; head\n[Site]\nName = Farm one\nProcID=F1\n[Airspaces]\nB=2\nA=1\n");
  EXPECT_EQ(ini.ReadString("site", "NAME"), "Farm one");
  EXPECT_EQ(ini.Keys("AIRSPACES"), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(ini.ReadInteger("Airspaces", "a", 0), 1);
  EXPECT_EQ(ini.ReadInteger("Airspaces", "missing", 7), 7);
  EXPECT_EQ(ini.ReadInteger("Site", "Name", 7), 7);  // not a number
  EXPECT_TRUE(ini.SectionExists("airspaces"));
}

TEST(IniFile, WritesKeepOrderCommentsAndBrokenLines) {
  IniFile ini = IniFile::FromText("; keep me\n[A]\nx=1\nbroken line\n\n[B]\ny=2\n");
  ini.WriteString("a", "X", "10");
  ini.WriteString("A", "z", "3");
  ini.WriteString("C", "w", "4");
  ini.DeleteKey("B", "y");
  EXPECT_EQ(ini.ToText(), "; keep me\r\n[A]\r\nX=10\r\nbroken line\r\nz=3\r\n\r\n[B]\r\n[C]\r\nw=4\r\n");
}

TEST(IniFile, SaveAndReloadThroughDisk) {
  test::TempDir dir;
  IniFile ini(dir / "site.ini");
  EXPECT_FALSE(ini.Exists());
  ini.WriteString("Site", "Name", "Farm");
  ini.WriteFloat("Site", "Lat", 52.25);
  ini.WriteBool("Site", "On", true);
  ini.Save();
  IniFile back(dir / "site.ini");
  EXPECT_TRUE(back.Exists());
  EXPECT_EQ(back.ReadString("Site", "Name"), "Farm");
  EXPECT_DOUBLE_EQ(back.ReadFloat("Site", "Lat", 0), 52.25);
  EXPECT_TRUE(back.ReadBool("Site", "On", false));
}

TEST(IniFile, ReadsAnyBytesWithoutHarm) {
  std::string junk("[S]\nk=v\0al\n\xff\xfe=\x80\n", 17);
  junk += std::string(100000, 'x') + "\n[unterminated\nk2=v2";
  IniFile ini = IniFile::FromText(junk);
  EXPECT_EQ(ini.ReadString("S", "k"), std::string("v\0al", 4));
  EXPECT_EQ(ini.ReadString("S", "\xff\xfe"), "\x80");
  EXPECT_EQ(ini.ReadString("S", "k2"), "v2");  // "[unterminated" is no section header
}

}  // namespace
}  // namespace sm
