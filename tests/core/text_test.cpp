#include <gtest/gtest.h>

#include "core/text.h"

namespace sm {
namespace {

using Items = std::vector<std::string>;

TEST(TextHelpers, ProperCase) {
  EXPECT_EQ(ProperCase("FARM ONE"), "Farm one");
  EXPECT_EQ(ProperCase("x"), "X");
  EXPECT_EQ(ProperCase(""), "");
}

TEST(TextHelpers, QuoteIfNeeded) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"a b", "\"a b\""}, {"\"a b", "\"a b\""}, {"a,b\"", "\"a,b\""}, {"ab", "ab"}, {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteIfNeeded(c.in), c.out) << c.in;
}

TEST(TextHelpers, SplitText) {
  EXPECT_EQ(SplitText(",a,,b", ','), (Items{"a", "", "b"}));
  EXPECT_EQ(SplitText("a,", ','), (Items{"a", ""}));
  EXPECT_EQ(SplitText("", ','), (Items{""}));
  EXPECT_EQ(SplitText(" a ; b", ';'), (Items{" a ", " b"}));
}

TEST(TextHelpers, Brackets) {
  struct Case {
    const char* in;
    bool square;
    const char* content;
    const char* removed;
  } cases[] = {
      {"House 1(H1)", false, "H1", "House 1"},
      {"only)closing", false, "", "only)closing"},
      {")(backwards", false, "", ")(backwards"},
      {"a [b] c [d]", true, "b", "a  c [d]"},
      {"a (b) [c]", true, "c", "a (b) "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BracketContent(c.in, c.square), c.content) << c.in;
    EXPECT_EQ(RemoveBracketed(c.in, c.square), c.removed) << c.in;
  }
}

TEST(TextHelpers, TrailingSeparators) {
  EXPECT_EQ(WithTrailingSlash("a"), "a/");
  EXPECT_EQ(WithTrailingSlash("a/"), "a/");
  EXPECT_EQ(WithTrailingBackslash("a"), "a\\");
  EXPECT_EQ(WithTrailingBackslash("a\\"), "a\\");
  EXPECT_EQ(ToNativePath("C:\\Data\\Farm"), "C:/Data/Farm");
}

TEST(TextHelpers, CaseFoldingTouchesAsciiOnly) {
  EXPECT_TRUE(IEquals("Farm", "fARM"));
  EXPECT_FALSE(IEquals("\xc3\x84", "\xc3\xa4"));  // bytes of non-ASCII letters stay apart
  EXPECT_TRUE(ILess("apple", "Banana"));
}

TEST(TextHelpers, WholeNumbers) {
  long long v = 0;
  EXPECT_TRUE(TryParseInt(" -12 ", v));
  EXPECT_EQ(v, -12);
  EXPECT_TRUE(TryParseInt("0x1F", v));
  EXPECT_EQ(v, 31);
  for (const char* bad : {"", "12a", "1.5", "--1", "99999999999999999999"}) EXPECT_FALSE(TryParseInt(bad, v)) << bad;
}

}  // namespace
}  // namespace sm
