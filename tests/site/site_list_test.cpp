#include <gtest/gtest.h>

#include <filesystem>

#include "core/text.h"

#include "site/site_list.h"
#include "site_fixture.h"

namespace sm {
namespace {

class SiteListTest : public ::testing::Test, protected test::SiteFixture {
 protected:
  // A registered site folder below `parent`, optionally openable.
  std::string AddSite(const std::string& parent, const std::string& name, bool with_files) {
    std::string folder = home / (parent + "/" + name);
    CreateDirectories(folder);
    if (with_files) {
      home.Write(parent + "/" + name + "/site.ini", "[Site]\r\nProcID=P1\r\nVersion=4\r\nSiteID=abc\r\n");
      home.Write(parent + "/" + name + "/P1.ste", "");
    }
    TIniReg entry = Entry(name);
    entry.WriteString("Path", home / (parent + "/"));
    entry.WriteString("SiteID", "id-" + name);
    entry.WriteInteger("ServerIndex", 2);
    return folder;
  }
};

TEST_F(SiteListTest, EmptyRegistryRegistersDemoSite) {
  auto sites = ListSites(ctx);
  ASSERT_EQ(sites.size(), 1u);
  EXPECT_EQ(sites[0].display_name, "Demo1");
  EXPECT_EQ(sites[0].site->Folder, LogDir() + "Demo1");
  EXPECT_TRUE(DirectoryExists(LogDir() + "Demo1"));
  EXPECT_EQ(sites[0].site->SiteID, "1dmo");
  EXPECT_FALSE(sites[0].site->HasSiteFile);
  EXPECT_EQ(Entry("Demo1").ReadString("Path", ""), LogDir());
}

TEST_F(SiteListTest, ReadsEntriesAndSiteFiles) {
  AddSite("farms", "FARM ONE", true);
  AddSite("farms", "bare", false);
  auto sites = ListSites(ctx);
  ASSERT_EQ(sites.size(), 2u);
  const TRegSite& one = *sites[0].site;
  EXPECT_EQ(sites[0].display_name, "Farm one");  // registry order
  EXPECT_EQ(one.Folder, home / "farms/FARM ONE");
  EXPECT_EQ(one.ProcID, "P1");
  EXPECT_EQ(one.Version, 4);
  EXPECT_EQ(one.ServerIndex, 2);
  EXPECT_EQ(one.SiteID, "id-FARM ONE");
  EXPECT_TRUE(one.HasSiteFile);
  const TRegSite& bare = *sites[1].site;
  EXPECT_EQ(bare.ProcID, "unknown");
  EXPECT_EQ(bare.Version, -1);
  EXPECT_FALSE(bare.HasSiteFile);
  EXPECT_EQ(bare.ServerSlot, -1);
}

TEST_F(SiteListTest, EntriesWithoutUsableFolderAreRemoved) {
  AddSite("farms", "Kept", false);
  std::string gone = AddSite("farms", "Gone", false);
  std::filesystem::remove_all(gone);
  home.Write("farms/AFile", "not a folder");
  Entry("AFile").WriteString("Path", home / "farms/");
  Entry("NoPath").WriteInteger("ServerIndex", 1);

  try {
    TRegSite::Create(ctx, "Gone");
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), InvalidSitePathMessage(home / "farms/Gone", "Gone"));
  }
  auto sites = ListSites(ctx);
  ASSERT_EQ(sites.size(), 1u);
  EXPECT_EQ(sites[0].site->Name, "Kept");
  EXPECT_EQ(Sites().KeyNames(), std::vector<std::string>{"Kept"});
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SiteListTest, OldLayoutValuesBecomeSubkeys) {
  home.Write("Data/Farm One/site.ini", "[Site]\r\nSiteID=f1\r\n");
  // Stored by a system whose paths use backslashes.
  Sites().WriteString("whatever", ReplaceAll(home / "Data/Farm One", "/", "\\"));
  Sites().WriteString("empty", "");
  auto sites = ListSites(ctx);
  ASSERT_EQ(sites.size(), 1u);
  EXPECT_EQ(sites[0].site->Name, "Farm One");  // the folder's case is kept
  EXPECT_EQ(sites[0].site->Path, home / "Data/");
  EXPECT_EQ(sites[0].site->SiteID, "f1");
  EXPECT_EQ(Entry("Farm One").ReadInteger("ServerIndex", -9), 0);
  EXPECT_EQ(Sites().ValueNames(), std::vector<std::string>{"empty"});
}

TEST_F(SiteListTest, DateConversionRunsOncePerSite) {
  ctx.formats.InitFormats(FormatSettings{"dd/mm/yyyy", '/', "hh:mm", "hh:mm:ss", ':', '.'});
  ctx.formats.UseFixedFormats();
  std::string folder = AddSite("farms", "F", false);
  home.Write("farms/F/batches/b.bch", "Date,T\r\n14/06/2003,1\r\n");
  ListSites(ctx);
  EXPECT_EQ(ReadLines(folder + "/batches/b.bch")[1], "2003-06-14,1");
  home.Write("farms/F/batches/b.bch", "Date,T\r\n15/06/2003,1\r\n");
  ListSites(ctx);
  EXPECT_EQ(ReadLines(folder + "/batches/b.bch")[1], "15/06/2003,1");
}

}  // namespace
}  // namespace sm
