#include <gtest/gtest.h>

#include "core/command_line.h"

namespace sm {
namespace {

using Items = std::vector<std::string>;

TEST(CommandLineTest, PositionalWordsAndSwitches) {
  CommandLine cl = ParseCommandLine("/usr/bin/stallminder", {"Farmlx", "House 2", "Climate"});
  EXPECT_FALSE(cl.has_goto);
  EXPECT_EQ(cl.site, "Farmlx");
  EXPECT_EQ(cl.airspace, "House 2");
  EXPECT_EQ(cl.chart, "Climate");
  EXPECT_TRUE(cl.catalogue_dump);
  EXPECT_TRUE(cl.rows_dump);
  EXPECT_FALSE(cl.no_slow_download_notice);
  EXPECT_EQ(cl.text, "/usr/bin/stallminder Farmlx \"House 2\" Climate");

  CommandLine go = ParseCommandLine("sm", {"d", "-G(Farmone,House2)", "-P", "-2"});
  EXPECT_TRUE(go.has_goto);
  EXPECT_TRUE(go.print);
  EXPECT_TRUE(go.show_number_draw);
  EXPECT_TRUE(go.no_slow_download_notice);
  EXPECT_FALSE(go.site);  // positional words are not used with -G
}

TEST(CommandLineTest, MessageTextIsCutAndReadBack) {
  std::string text = CommandLineText("sm", {std::string(2000, 'a')});
  EXPECT_EQ(text.size(), 1024u);
  CommandLine back = ParseCommandLineText(CommandLineText("/opt/sm", {"-G", "(Farm one,House2)", "-P"}));
  EXPECT_EQ(back.words, (Items{"-G", "(Farm one,House2)", "-P"}));
  EXPECT_TRUE(back.print);
  auto request = ParseGoToRequest(back.text, 45000);
  ASSERT_TRUE(request);
  // An unquoted blank splits an item, so the following items shift.
  EXPECT_EQ(request->items, (Items{"Farm", "one", "House2"}));
}

TEST(CommandLineTest, GoToRequestForms) {
  const long long today = 45000;
  struct Case {
    std::string text;
    Items items;
    double view_end;
    int view_days;
  } cases[] = {
      {"sm -G(Farmone,House2)", {"Farmone", "House2"}, 0, 7},
      {"sm -G \"Farmone House2 Climate\" -P", {"Farmone", "House2", "Climate"}, 0, 7},
      {"sm -G Farmone,House2,Climate,44990,44996", {"Farmone", "House2", "Climate", "44990", "44996"}, 44996, 7},
      {"sm -G(F,H,C,44990)", {"F", "H", "C", "44990"}, 0, 11},
      {"sm -G(F,H,C,44996,44990)", {"F", "H", "C", "44996", "44990"}, 44990, 1},
      {"sm -G(F,H,C,44990,45010)", {"F", "H", "C", "44990", "45010"}, 0, 21},
      {"sm -G(F,H,C,soon,44996)", {"F", "H", "C", "soon", "44996"}, 44996, 3},
      {"sm -G(\"Farm one\",House2)", {"Farm one", "House2"}, 0, 7},
  };
  for (const auto& c : cases) {
    auto r = ParseGoToRequest(c.text, today);
    ASSERT_TRUE(r) << c.text;
    EXPECT_EQ(r->items, c.items) << c.text;
    EXPECT_EQ(r->view_end, c.view_end) << c.text;
    EXPECT_EQ(r->view_days, c.view_days) << c.text;
  }
  EXPECT_FALSE(ParseGoToRequest("sm Farmone -P", today));
}

}  // namespace
}  // namespace sm
