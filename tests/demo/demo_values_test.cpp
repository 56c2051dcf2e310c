// What the demonstration site's columns answer over the last 30 days, read
// through smtool eval as a user would: values in a range that makes sense
// for what each column names.
#include "core/files.h"
#include "core/text.h"
#include "demo_fixture.h"

namespace sm::test {
namespace {

struct DayValue {
  std::string date;
  double value;
  bool valid;
};

class DemoValuesTest : public DemoSiteTest {
 protected:
  // The last 30 days of the site: 2026-01-17 to 2026-02-15.
  std::vector<DayValue> LastThirtyDays(const std::string& airspace, const std::string& definition) {
    ToolResult r = Smtool({"eval", SiteFolder(), "--airspace", airspace, "--expr", RemoveBracketed(definition, true),
                           "--from", "2026-01-17", "--to", "2026-02-16", "--mode", "days"});
    EXPECT_EQ(r.exit_code, 0) << definition << "\n" << r.err;
    std::vector<DayValue> days;
    std::vector<std::string> lines = SplitLines(r.out);
    for (size_t i = 1; i < lines.size(); ++i) {
      std::vector<std::string> cells = SplitText(lines[i], ',');
      if (cells.size() == 3) days.push_back({cells[0], std::stod(cells[1]), cells[2] == "1"});
    }
    EXPECT_EQ(days.size(), 30u) << definition;
    return days;
  }
};

struct Range {
  const char* column;
  double low, high;
};

// House 1 over the last 30 days: days 4 to 33 of a cycle of 800 weaned
// pigs of 12 kg growing to about 32 kg, in January and February.
const Range kHouse1[] = {
    {"Pigs", 760, 800},          // 800 placed, a few percent lost
    {"Deaths", 0, 6},            // a pig or two a day at most
    {"Temp", 18, 31},            // the target falls from 27 to 22 °C
    {"TempLow", 15, 30},
    {"TempHigh", 19, 34},
    {"TempSD", 0, 2.5},          // a controlled room hardly swings
    {"Target", 22, 28},
    {"Diff", -2, 4},             // winter: little above target
    {"RH", 40, 95},
    {"Outside", -20, 20},        // winter outside
    {"Heater_Hours", 0, 12},     // cold nights with young pigs
    {"Vent", 4, 100},
    {"Air", 0, 32000},           // fan stage table: 32000 m³/h at stage 6
    {"AirPig", 0, 42},
    {"Water_Daily", 900, 5000},  // litres for the house
    {"WaterPig", 1.2, 6},        // litres a pig
    {"Feed_Daily", 150, 1300},   // kg for the house
    {"FeedPig", 0.2, 1.6},       // kg a pig
    {"Ratio", 2, 7},             // litres of water a kg of feed
    {"THI", 60, 80},
    {"Space", 0.39, 0.43},       // 320 m² for 760 to 800 pigs
};

TEST_F(DemoValuesTest, HouseColumnsAnswerPlausibleValues) {
  auto site = OpenSite();
  ASSERT_EQ(ListOf(*site, "House 1", "ReportCols").size(), std::size(kHouse1)) << "every column is in the table";
  for (const Range& range : kHouse1) {
    const std::string def = Definition(*site, "Report Columns", range.column);
    for (const DayValue& d : LastThirtyDays("House 1", def)) {
      EXPECT_TRUE(d.valid) << range.column << " " << d.date;
      EXPECT_GE(d.value, range.low) << range.column << " " << d.date;
      EXPECT_LE(d.value, range.high) << range.column << " " << d.date;
    }
  }
}

// The nursery was cleared on 2026-02-12, three days before the end, and
// stands empty: no pigs, no water, no feed, so the report shows N/A for Water
// and Feed. Before that its 450 pigs were in days 16 to 41 of their cycle.
struct NurseryRange {
  const char* column;
  double low, high;              // days with pigs
  double empty_low, empty_high;  // the last three days
};
const NurseryRange kNursery[] = {
    {"Pigs", 420, 450, 0, 0},
    {"Water_Daily", 250, 2500, 0, 0},
    {"Feed_Daily", 100, 700, 0, 0},
    {"Temp_Probes", 20, 32, 12, 20},  // empty: kept at 16 °C to dry
    {"ProbeDiff", 0.2, 0.6, 0.2, 0.6},  // the second probe hangs nearer the heater
};

TEST_F(DemoValuesTest, NurseryShowsTheEndOfItsCycleAndTheCleanout) {
  auto site = OpenSite();
  for (const NurseryRange& range : kNursery) {
    std::vector<DayValue> days = LastThirtyDays("Nursery", Definition(*site, "Report Columns", range.column));
    ASSERT_EQ(days.size(), 30u);
    for (size_t i = 0; i < days.size(); ++i) {
      if (i == 26 && range.column != std::string("Pigs")) continue;  // cleared in the morning: part of a day
      const bool empty = i > 26;
      EXPECT_GE(days[i].value, empty ? range.empty_low : range.low) << range.column << " " << days[i].date;
      EXPECT_LE(days[i].value, empty ? range.empty_high : range.high) << range.column << " " << days[i].date;
    }
  }
}

}  // namespace
}  // namespace sm::test
