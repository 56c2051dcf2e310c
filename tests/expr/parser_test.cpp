#include <gtest/gtest.h>

#include "expr/functions.h"
#include "expr_fixture.h"

namespace sm {
namespace {

// A compact picture of a tree: function names with their arguments,
// series as their resolved names, constants as numbers.
std::string Shape(const TExpr& node) {
  std::string out;
  if (auto* t = dynamic_cast<const TExprTableSeries*>(&node)) out = "%" + t->name;
  else if (auto* r = dynamic_cast<const TExprRSeries*>(&node)) out = (r->wide ? "^^" : "^") + r->name;
  else if (auto* s = dynamic_cast<const TExprSeries*>(&node)) out = s->name + (s->analog ? "[A]" : "");
  else if (auto* g = dynamic_cast<const TExprGlob*>(&node)) out = "glob:" + g->name;
  else if (auto* f = dynamic_cast<const TExprFixed*>(&node)) out = "~" + f->name;
  else if (auto* c = dynamic_cast<const TExprConst*>(&node)) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", c->value);
    out = buf;
  } else {
    out = typeid(node).name();
    out = out.substr(out.find("TExpr") + 5);
    if (!out.empty() && out.back() == 'E') out.pop_back();  // end of the mangled name
  }
  if (!node.args.empty()) {
    out += "(";
    for (size_t i = 0; i < node.args.size(); ++i) out += (i ? "," : "") + Shape(*node.args[i]);
    out += ")";
  }
  return out;
}

class ParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"A", "B", "H1TEMP", "H1FLOW", "NUMDAYS"}) air.AddSeries(name, "N", {});
    air.AddSeries("W", "A", {});
  }
  std::string Parse(const std::string& text, const std::string& code = "") {
    TParser parser(air);
    auto tree = parser.Parse(text, code);
    return tree ? Shape(*tree) : "no tree";
  }
  test::FakeAirspace air;
};

TEST_F(ParserTest, TextsToTrees) {
  struct Case {
    const char* text;
    const char* code;
    const char* shape;
  } cases[] = {
      {"@SUM(A,B)", "", "Sum(A,B)"},
      {"@sum(a,B)", "", "Sum(a,B)"},
      {"@PLUS(A, 2.5)", "", "Sum(A,2.5)"},
      {"@SUM (A)", "", "no tree"},  // the blank belongs to the function word
      {"@TOTAL()", "", "no tree"},
      {"@DIV(A)", "", "no tree"},
      {"@DIV(2,A,B)", "", "Div(2,A,B)"},
      {"#TEMP", "h1", "H1TEMP"},
      {"^^#FLOW", "H1", "^^H1FLOW"},
      {"^A", "", "^A"},
      {"W", "", "W[A]"},
      {"numdays", "", "numdays"},
      {"NumDays", "", "glob:NumDays"},
      {"@MULT(Interval,~Area)", "", "Mult(glob:Interval,~Area)"},
      {"%A", "", "%A"},
      {"A,B", "", "A"},
      {"A+B", "", "A"},  // nothing after the first item is read
      {"1.5", "", "1.5"},
      {"1.5.2", "", "1"},
      {"UNKNOWN", "", "no tree"},
      {"@SUM(A,UNKNOWN)", "", "Sum(A)"},
      {"@NOSUCH(A)", "", "no tree"},
      {"", "", "no tree"},
      {"@SUM(A B)", "", "Sum(A)"},  // any one token separates items: B is eaten as one
      {"@SUM(A,@MULT(B,2", "", "Sum(A,Mult(B,2))"},  // the end closes every list
      {"@SUM(A+B)", "", "no tree"},
      {"@SUM", "", "no tree"},
      {"~", "", "~"},
      {"@LINEAR(A,0,32,100,212)", "", "Linear(A,0,32,100,212)"},
  };
  for (const auto& c : cases) EXPECT_EQ(Parse(c.text, c.code), c.shape) << c.text;
}

TEST_F(ParserTest, BadPrefixesRaise) {
  TParser parser(air);
  EXPECT_THROW(parser.Parse("%NOTLOGGED", ""), std::runtime_error);
  EXPECT_THROW(parser.Parse("%", ""), std::runtime_error);
  EXPECT_THROW(parser.Parse("^", ""), std::runtime_error);
}

TEST_F(ParserTest, CollectNamesDepthFirst) {
  TParser parser(air);
  auto tree = parser.Parse("@SUM(A,@DIV(~Area,^B),%A,NumDays,~K,A)", "");
  ASSERT_TRUE(tree);
  std::vector<std::string> series, constants;
  CollectSeriesNames(*tree, series);
  CollectConstantNames(*tree, constants);
  EXPECT_EQ(series, (std::vector<std::string>{"A", "B", "A", "A"}));
  EXPECT_EQ(constants, (std::vector<std::string>{"Area", "K"}));
}

}  // namespace
}  // namespace sm
