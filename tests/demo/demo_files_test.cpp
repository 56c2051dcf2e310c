// The demonstration site's cycles, model file, stored batches and sensor
// faults, read back through the site and its log manager.
#include <algorithm>

#include "airspace/expr_scope.h"
#include "core/comma_text.h"
#include "core/files.h"
#include "core/formats.h"
#include "core/text.h"
#include "demo_fixture.h"
#include "logdata/range_load_state.h"

namespace sm::test {
namespace {

TDateTime Date(const std::string& iso) { return *TryStrToDate(iso, FixedFormats()); }

class DemoFilesTest : public DemoSiteTest {
 protected:
  // Most pigs of each day from `from` for `days` days in an airspace.
  std::vector<float> PigsByDay(ExprScope& scope, TDateTime from, int days) {
    std::unique_ptr<TExpr> tree = scope.Build("@MAX(#PIGS)");
    TDateTime start = from, end = from + days;
    scope.Load(start, end, 0, 900, [&] { tree->Prepare(); }, "");
    std::vector<float> pigs(static_cast<size_t>(days));
    scope.EvaluateDays({tree.get()}, [&](size_t, int day, float v, bool) { pigs.at(static_cast<size_t>(day)) = v; });
    return pigs;
  }

  TDateTime first_day = Date(kEndDate) - kDays + 1, end_day = Date(kEndDate);
};

// Each airspace's live batch starts on the day its pigs came; the model
// file's days run from House 1's live batch start past the last day.
TEST_F(DemoFilesTest, LiveBatchesStartOnPlacingDaysAndTheModelCoversHouse1) {
  auto site = OpenSite();
  for (const auto& [name, code] : Airspaces(*site)) {
    const long long start = site->user_ini.ReadInteger(name, "LiveBatchStart", 0);
    ASSERT_GT(start, first_day) << name;
    ExprScope scope(*site, name, code);
    std::vector<float> pigs = PigsByDay(scope, static_cast<double>(start) - 1, 2);
    EXPECT_EQ(pigs[0], 0) << name << ": empty the day before";
    EXPECT_GT(pigs[1], 400) << name << ": pigs placed on the batch start";
  }

  std::unique_ptr<TMyLogMgr> model = site->CreateSourceLogMgr("mdldata,Target.mdl, ,csv");
  ASSERT_NE(model->Handle(), 0);
  for (const char* series : {"TEMP", "WATERPIG", "FEEDPIG"})
    for (const char* band : {"", "LOW", "HIGH"})
      EXPECT_GE(model->IndexOf(std::string(series) + band), 0) << series << band;
  const double live_start = static_cast<double>(site->user_ini.ReadInteger("House 1", "LiveBatchStart", 0));
  EXPECT_LE(model->Start(), live_start);
  EXPECT_GE(model->End(), end_day) << "the live end is the midnight after the last day";
  // Every model name of the template's columns has its series.
  for (const auto& [key, def] : site->Template()->Values("Report Columns")) {
    std::vector<std::string> attributes = SplitText(BracketContent(def, true), ',');
    if (attributes.size() > 5 && !attributes[5].empty()) {
      EXPECT_GE(model->IndexOf(attributes[5]), 0) << key;
    }
  }
}

// Two stored batches: each grower house's previous cycle, in the layout the
// report writes, one row a day from placing to clearing.
TEST_F(DemoFilesTest, StoredBatchesAreThePreviousCycles) {
  auto site = OpenSite();
  const std::vector<std::string> files = ListFiles(site->batch_folder, "*.bch");
  ASSERT_EQ(files.size(), 2u);
  std::vector<std::string> header{"Date"};
  for (const std::string& c : ListOf(*site, "House 1", "ReportCols")) header.push_back(c.substr(0, c.find('_')));
  for (const auto& [name, code] : Airspaces(*site)) {
    if (name == "Nursery") continue;
    auto file = std::find_if(files.begin(), files.end(), [&](const std::string& f) { return f.starts_with(code); });
    ASSERT_NE(file, files.end()) << name;
    SCOPED_TRACE(*file);
    const double first = std::stod(file->substr(code.size()));
    const std::vector<std::string> lines = ReadLines(site->batch_folder + *file);
    ASSERT_EQ(lines.size(), 1u + 43u) << "42 days of a cycle and the clearing day";
    EXPECT_EQ(SplitCommaText(lines[0]), header);
    for (size_t i = 1; i < lines.size(); ++i) {
      std::vector<std::string> cells = SplitCommaText(lines[i]);
      ASSERT_EQ(cells.size(), header.size());
      EXPECT_EQ(cells[0], FormatDateTime("yyyy-mm-dd", first + static_cast<double>(i) - 1, FixedFormats()));
      EXPECT_GT(std::stod(cells[1]), 700) << "pigs on " << cells[0];
    }
    const double last = first + 42;
    EXPECT_LT(last, static_cast<double>(site->user_ini.ReadInteger(name, "LiveBatchStart", 0)) - 5);
    ExprScope scope(*site, name, code);
    EXPECT_EQ(PigsByDay(scope, last + 1, 1)[0], 0) << "empty after the batch";
  }
}

// Meters wrap and sensors fail now and then, as on a real farm.
TEST_F(DemoFilesTest, MetersWrapAndSensorsFail) {
  auto site = OpenSite();
  const char* names[] = {"H1WATER", "H1FEED", "N1TEMP", "N1TEMPB", "H2RH", "OUTTEMP", "H1TEMP"};
  ExprScope scope(*site, "House 1", "H1");
  for (const char* n : names) ASSERT_TRUE(scope.Build(n)) << n;
  TDateTime start = first_day, end = end_day + 1;
  scope.Load(start, end, 0, 900, {}, "");
  auto series = [&](const char* n) -> const TDataSeries& { return *scope.DataSeries(n); };

  auto drops = [](const TDataSeries& s) {
    int n = 0;
    for (size_t i = 1; i < s.values.size(); ++i) n += s.status[i] && s.status[i - 1] && s.values[i] < s.values[i - 1];
    return n;
  };
  EXPECT_GE(drops(series("H1WATER")), 2) << "the water meter wraps at 32768 every few weeks";
  EXPECT_GE(drops(series("H1FEED")), 20) << "the feed meter wraps at 65536 (grams) every few hours";

  auto missing_while = [](const TDataSeries& gone, const TDataSeries& there) {
    int n = 0;
    for (size_t i = 0; i < gone.status.size(); ++i) n += gone.status[i] != 1 && there.status[i] == 1;
    return n;
  };
  EXPECT_GE(missing_while(series("N1TEMPB"), series("N1TEMP")), 16) << "the second probe drops out";
  EXPECT_GE(missing_while(series("OUTTEMP"), series("H1TEMP")), 8) << "the weather station drops out";
  int logger_off = 0;
  for (size_t i = 0; i < series("H1TEMP").status.size() - 1; ++i) logger_off += series("H1TEMP").status[i] != 1;
  EXPECT_GE(logger_off, 1) << "the logger loses power";

  size_t longest = 0, run = 0;
  const TDataSeries& rh = series("H2RH");
  for (size_t i = 1; i < rh.values.size(); ++i) {
    run = (rh.status[i] && rh.values[i] == rh.values[i - 1]) ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  EXPECT_GE(longest, 47u) << "House 2's humidity sensor sticks for 12 hours or more";
}

}  // namespace
}  // namespace sm::test
