#include <gtest/gtest.h>

#include "core/comma_text.h"

namespace sm {
namespace {

using Items = std::vector<std::string>;

TEST(CommaText, Split) {
  struct Case {
    const char* text;
    Items items;
  } cases[] = {
      {"a,b,c", {"a", "b", "c"}},
      {"  a b", {"a", "b"}},
      {"a , b", {"a", "b"}},
      {"a,,b", {"a", "", "b"}},
      {"a,", {"a", ""}},
      {"\"x y\",z", {"x y", "z"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"\"\"", {""}},
      {"", {}},
      {"(Farm one,House2)", {"(Farm", "one", "House2)"}},
      {"\"unterminated", {"unterminated"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommaText(c.text), c.items) << c.text;
}

TEST(CommaText, JoinQuotesWhatSplitWouldBreak) {
  EXPECT_EQ(JoinCommaText({"a", "b"}), "a,b");
  EXPECT_EQ(JoinCommaText({"a b", "c,d", "e\"f"}), "\"a b\",\"c,d\",\"e\"\"f\"");
  EXPECT_EQ(JoinCommaText({""}), "\"\"");
  EXPECT_EQ(JoinCommaText({}), "");
  EXPECT_EQ(JoinCommaText({"a", ""}), "a,");
}

TEST(CommaText, RoundTrip) {
  const Items lists[] = {
      {"Climate, house 1", "Feed & water", "x\"y", "", "tab\there"},
      {"a", "", "b"},
      {""},
  };
  for (const auto& items : lists) EXPECT_EQ(SplitCommaText(JoinCommaText(items)), items);
}

}  // namespace
}  // namespace sm
