// Every report column and chart series the demonstration site shows must
// be found, parse and bind: an item that fails is dropped without a word
// in the program, so only this test would notice.
#include <algorithm>
#include <set>

#include "airspace/expr_scope.h"
#include "core/text.h"
#include "demo_fixture.h"

namespace sm::test {
namespace {

bool IsWhole(const std::string& text) {
  long long v;
  return TryParseInt(text, v);
}

bool IsNumberOrEmpty(const std::string& text) {
  double v;
  return text.empty() || TryParseDouble(text, v);
}

// What a chart view of an airspace offers, for the feature checks below.
struct ChartFeatures {
  size_t views = 0, panes = 0;
  bool bar = false, line = false, right_axis = false, fixed_limit = false, automatic_limit = false,
       direction = false, pane_title = false;
};

class DemoDefinitionsTest : public DemoSiteTest {
 protected:
  // Checks one report column as an airspace reads it; answers its definition.
  std::string CheckColumn(ExprScope& scope, const std::string& name) {
    SCOPED_TRACE(scope.section() + ": report column " + name);
    std::string def = Definition(*site, "Report Columns", name);
    EXPECT_FALSE(def.empty()) << "Cannot find report column " << name;
    std::vector<std::string> attributes = SplitText(BracketContent(def, true), ',');
    EXPECT_GE(attributes.size(), 3u) << "decimals, units and a description";
    if (!attributes.empty()) {
      EXPECT_TRUE(IsWhole(attributes[0])) << "decimals";
    }
    for (size_t i = 3; i < std::min<size_t>(attributes.size(), 5); ++i)
      EXPECT_TRUE(attributes[i].empty() || IsWhole(attributes[i])) << "low and high are whole numbers";
    EXPECT_TRUE(scope.Build(RemoveBracketed(def, true))) << def;
    return def;
  }

  // Checks one pane of a chart view; answers the series definitions.
  std::vector<std::string> CheckPane(ExprScope& scope, const std::string& view, const std::string& key,
                                     const std::string& value, ChartFeatures& f) {
    SCOPED_TRACE(scope.section() + ": " + view + " (" + key + ")");
    std::vector<std::string> defs;
    const size_t open = value.find('(');
    if (open == std::string::npos || value.back() != ')') {
      ADD_FAILURE() << "a pane is parameters(series,...): " << value;
      return defs;
    }
    std::vector<std::string> params = SplitText(value.substr(0, open), ',');
    EXPECT_GE(params.size(), 5u);
    if (params.size() >= 5) {
      EXPECT_TRUE(IsWhole(params[4]) && std::stoi(params[4]) > 0) << "height";
    }
    for (size_t i = 5; i < 9; ++i) {
      const std::string bound = i < params.size() ? params[i] : "";
      EXPECT_TRUE(IsNumberOrEmpty(bound));
      (bound.empty() ? f.automatic_limit : f.fixed_limit) = true;
    }
    if (!site->site_ini.ReadString(view + "Title", key).empty()) f.pane_title = true;
    bool left = false;
    for (const std::string& name : SplitText(value.substr(open + 1, value.size() - open - 2), ',')) {
      std::string def = Definition(*site, "Chart Series", name);
      const size_t bracket = def.find('[');
      if (bracket == std::string::npos || def.back() != ']') {
        ADD_FAILURE() << "Cannot create chart series " << name << ": " << def;
        continue;
      }
      std::vector<std::string> style = SplitText(def.substr(bracket + 1, def.size() - bracket - 2), ',');
      if (style.size() < 4) {
        ADD_FAILURE() << name << ": type, width, axis and colour";
        continue;
      }
      EXPECT_TRUE(style[0] == "0" || style[0] == "1") << name << " type";
      EXPECT_TRUE(IsWhole(style[1])) << name << " width";
      EXPECT_TRUE(IsWhole(style[3]) && std::stoi(style[3]) >= 0 && std::stoi(style[3]) <= 14) << name << " colour";
      if (style.size() > 4) {
        EXPECT_TRUE(style[4] == "GF_DODIRECTION" || style[4] == "GF_DOLOSSES") << name;
      }
      (style[0] == "1" ? f.bar : f.line) = true;
      (style[2] == "Right" ? f.right_axis : left) = true;
      f.direction = f.direction || (style.size() > 4 && style[4] == "GF_DODIRECTION");
      EXPECT_TRUE(scope.Build(def.substr(0, bracket))) << name << ": " << def;
      defs.push_back(def);
    }
    EXPECT_TRUE(left) << view << " (" << key << ") - chart must have left axis associated series";
    ++f.panes;
    return defs;
  }

  std::unique_ptr<TSite> site;
};

TEST_F(DemoDefinitionsTest, EveryColumnAndSeriesOfEveryAirspaceParsesAndBinds) {
  site = OpenSite();
  ASSERT_TRUE(site->Template() && site->Template()->Exists());
  const auto airspaces = Airspaces(*site);
  ASSERT_EQ(airspaces.size(), 3u);
  std::string all;  // every definition shown anywhere
  std::set<std::string> pigs_water_feed;
  bool own_columns = false;
  for (const auto& [name, code] : airspaces) {
    ExprScope scope(*site, name, code);
    const std::vector<std::string> columns = ListOf(*site, name, "ReportCols");
    own_columns = own_columns || !site->site_ini.ReadString(name, "ReportCols").empty();
    EXPECT_LE(columns.size(), 28u) << name;
    for (const std::string& column : columns) {
      all += CheckColumn(scope, column) + "\n";
      const std::string shortname = ToLowerAscii(column.substr(0, column.find('_')));
      for (const char* word : {"pigs", "water", "feed"})
        if (shortname.find(word) != std::string::npos) pigs_water_feed.insert(word);
    }
    ChartFeatures f;
    for (const std::string& view : ListOf(*site, name, "Charts")) {
      ASSERT_TRUE(site->site_ini.SectionExists(view)) << name << ": chart view " << view;
      const auto panes = site->site_ini.Values(view);
      EXPECT_GE(panes.size(), 2u) << view;
      for (const auto& [key, value] : panes)
        for (const std::string& def : CheckPane(scope, view, key, value, f)) all += def + "\n";
      ++f.views;
    }
    EXPECT_GE(f.views, 3u) << name;
    EXPECT_TRUE(f.bar && f.line && f.right_axis && f.fixed_limit && f.automatic_limit && f.pane_title) << name;
    if (name != "Nursery") {
      EXPECT_TRUE(f.direction) << name << " has a GF_DODIRECTION pane";
    }
    EXPECT_FALSE(scope.constant_names().empty()) << name << " reads a site constant";
  }
  EXPECT_TRUE(own_columns) << "one airspace has ReportCols of its own";
  EXPECT_EQ(pigs_water_feed.size(), 3u) << "Pigs, Water and Feed columns";
  for (const char* feature : {"@TOTAL(", "@DAILYTOT(", "@DAILYMEAN(", "@COMBINE(", "@AVE(", "@MIN(", "@MAX(",
                              "@RUNTIME(", "@MULT(", "@DIV(", "@MOD(", "@SUM(", "@PLUS(", "@CHANGE(",
                              "@NEGCHANGE(", "@MINUS(", "@POWER(", "@LINEAR(", "#", "^#", "^^#", "%#", "~"})
    EXPECT_NE(all.find(feature), std::string::npos) << feature << " is shown nowhere";
}

// Definitions nobody shows would be dead weight in the files a new user
// reads: every item of the template and of site.ini is used.
TEST_F(DemoDefinitionsTest, EveryDefinedItemIsShownSomewhere) {
  site = OpenSite();
  std::set<std::string> shown_columns, shown_series;
  for (const auto& [name, code] : Airspaces(*site)) {
    for (const std::string& c : ListOf(*site, name, "ReportCols")) shown_columns.insert(ToUpperAscii(c));
    for (const std::string& view : ListOf(*site, name, "Charts"))
      for (const auto& [key, value] : site->site_ini.Values(view)) {
        const size_t open = value.find('(');
        for (const std::string& s : SplitText(value.substr(open + 1, value.size() - open - 2), ','))
          shown_series.insert(ToUpperAscii(s));
      }
  }
  for (const IniFile* ini : std::vector<const IniFile*>{&site->site_ini, site->Template()}) {
    for (const std::string& key : ini->Keys("Report Columns"))
      EXPECT_TRUE(shown_columns.count(ToUpperAscii(key))) << "report column " << key << " in " << ini->Path();
    for (const std::string& key : ini->Keys("Chart Series"))
      EXPECT_TRUE(shown_series.count(ToUpperAscii(key))) << "chart series " << key << " in " << ini->Path();
  }
}

}  // namespace
}  // namespace sm::test
