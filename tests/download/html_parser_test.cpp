#include <gtest/gtest.h>

#include "download/html_parser.h"

namespace sm {
namespace {

std::vector<THTMLToken> Tokenize(std::string_view page) {
  THTMLParser parser;
  parser.SetText(page);
  parser.Execute();
  return parser.Tokens;
}

// "T:NAME[P=V,...]" for tags, "x:text" for texts.
std::vector<std::string> Describe(const std::vector<THTMLToken>& tokens) {
  std::vector<std::string> out;
  for (const THTMLToken& t : tokens) {
    if (const auto* tag = std::get_if<THTMLTag>(&t)) {
      std::string s = "T:" + tag->Name;
      for (const THTMLParam& p : tag->Params) s += "[" + p.Name + "=" + p.Value + "]";
      out.push_back(s);
    } else {
      out.push_back("x:" + std::get<THTMLText>(t).Text);
    }
  }
  return out;
}

TEST(THTMLParserTest, TagsTextsAndParameters) {
  struct Case {
    const char* page;
    std::vector<std::string> tokens;
  };
  const Case cases[] = {
      {"<a href=\"x.smd\">x.smd</a> 12K", {"T:A[HREF=x.smd]", "x:x.smd", "T:/A", "x: 12K "}},  // a line end is a blank,
      {"<IMG Src=\"a b.gif\"  alt=x checked>", {"T:IMG[SRC=a b.gif][ALT=x][CHECKED=]"}},
      {"<a href='q'>", {"T:A[HREF='q']"}},                // single quotes mean nothing
      {"<a href=\">", {"T:A[HREF=\"]"}},                 // a lone quote is kept
      {"a > b<br>", {"T:", "x:a b", "T:BR"}},           // a stray ">" is a tag without a name
      {"one\r\ntwo\rthree\n", {"x:one two three "}},
      {"<a\nhref=\"x.smd\">", {"T:AHREF=\"X.SMD\""}},  // a tag over two lines runs together
      {"text<a href=x", {"x:text", "T:A[HREF=x]"}},       // the page ends inside a tag
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(Tokenize(c.page)), c.tokens) << c.page;
}

TEST(THTMLParserTest, RawTextsAreKept) {
  auto tokens = Tokenize("<A HREF=\"x\">a\n  b</A>");
  const auto& tag = std::get<THTMLTag>(tokens[0]);
  EXPECT_EQ(tag.Raw, "A HREF=\"x\"");
  EXPECT_EQ(tag.Params[0].Raw, "HREF=\"x\"");
  EXPECT_EQ(std::get<THTMLText>(tokens[1]).Raw, "a\n  b");
  EXPECT_EQ(std::get<THTMLText>(tokens[1]).Text, "a b");
}

TEST(THTMLParserTest, CharacterReferences) {
  struct Case {
    const char* raw;
    const char* text;
  };
  const Case cases[] = {
      {"&amp;lt;", "&lt;"},  // one decoding step only
      {"a&nbsp;b&#160;c", "a b c"},
      {"&#x41;&#X42;&#67;", "ABC"},
      {"&#1234;", "&#1234;"},  // four digits stay
      {"&#65 x", "Ax"},       // a closing blank goes with the reference
      {"&#9;&#0;", "  "},
      {"&#999;&#;&#x;&#xZZ;", "&#999;&#;&#x;&#xZZ;"},
      {"&quot;&gt;&eacute;&Eacute;&yuml;&iexcl;", "\">\xe9\xc9\xff\xa1"},
      {"&unknown; &amp x & &", "&unknown; &amp x & &"},
      {"&AMP;", "&AMP;"},  // names are case-sensitive
      {"a  \n  b", "a b"},
      {"&", "&"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeHtmlText(c.raw), c.text) << c.raw;
}

}  // namespace
}  // namespace sm
