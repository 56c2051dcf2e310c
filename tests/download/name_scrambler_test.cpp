#include <gtest/gtest.h>

#include <set>

#include "download/name_scrambler.h"

namespace sm {
namespace {

TEST(NameScramblerTest, TablesAreAOneToOneSubstitutionKeepingTheDot) {
  EXPECT_EQ(std::set<char>(kPlainNameAlphabet.begin(), kPlainNameAlphabet.end()).size(), 41u);
  EXPECT_EQ(std::set<char>(kPlainNameAlphabet.begin(), kPlainNameAlphabet.end()),
            std::set<char>(kServerNameAlphabet.begin(), kServerNameAlphabet.end()));
  EXPECT_EQ(kPlainNameAlphabet.find('.'), kServerNameAlphabet.find('.'));
  for (char c : kServerNameAlphabet) EXPECT_FALSE(c >= 'A' && c <= 'Z');
}

TEST(NameScramblerTest, Cases) {
  struct Case {
    const char* plain;
    const char* server;
  };
  const Case cases[] = {
      {"acc.dat", "tee.fts"},
      {"data", "ftst"},
      {"", ""},
      {"farm-2004-01-15-1530.smd", "ltc1n7rrgnr-n-vn-v8r.i1f"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScrambleName(c.plain), c.server) << c.plain;
    EXPECT_EQ(UnscrambleName(c.server), c.plain) << c.server;
  }
  EXPECT_EQ(ScrambleName("Data"), ScrambleName("data"));
  EXPECT_EQ(ScrambleName(".smd"), "." + ScrambleName("smd"));
}

TEST(NameScramblerTest, NamesOutsideTheAlphabetTravelUnchanged) {
  for (const char* name : {"My File.SMD", "a/b", "grelmdir.html?x", "caf\xe9"}) {
    EXPECT_EQ(ScrambleName(name), name);
    EXPECT_EQ(UnscrambleName(name), name);
  }
  std::string with_nul("ab\0c", 4);
  EXPECT_EQ(ScrambleName(with_nul), with_nul);
}

}  // namespace
}  // namespace sm
