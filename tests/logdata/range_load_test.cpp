#include <gtest/gtest.h>

#include <cmath>

#include "core/files.h"
#include "logdata/log_time.h"
#include "logdata/range_load.h"
#include "logdata/range_load_state.h"
#include "logdata_fixture.h"

namespace sm {
namespace {

using test::Describe;
using test::MakeSite;
using test::Records;
using test::Utc;

// Two days of 5-minute records from 2024-03-01: Temp = minute of the day / 10,
// Fan logged every full hour only.
class RangeLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    site = MakeSite(t.dir, "P", Describe({{"Temp", "T1", 0x30, "C"}, {"Fan", "F1", 0x21, ""}}));
    for (int day = 0; day < 2; ++day) {
      std::vector<int64_t> times;
      std::vector<double> temp, fan;
      for (int k = 0; k < 288; ++k) {
        times.push_back(Utc(2024, 3, 1 + day) + k * 300);
        temp.push_back(k * 5 / 10.0);
        fan.push_back(k % 12 == 0 ? k / 12 : test::kNone);
      }
      site.WriteDay(Records(times, {{"T1", temp}, {"F1", fan}}));
    }
    mgr = std::make_unique<TMyLogMgr>(ctx, site.path, "P", std::vector<std::string>{}, false);
  }

  RangeRequest Request(TDateTime start, TDateTime end, int interval) {
    RangeRequest r;
    r.series = series;
    r.start = start;
    r.end = end;
    r.interval = interval;
    r.dump_name = "House 1";
    return r;
  }

  test::TestContext t;
  AppContext& ctx = *t.ctx;
  test::SiteFolder site;
  std::unique_ptr<TMyLogMgr> mgr;
  TDataSeries temp{"temp", true, {}, {}}, fan{"FAN", true, {}, {}};
  std::vector<TDataSeries*> series{&temp, &fan};
  const TDateTime march1 = EncodeDate(2024, 3, 1);
};

TEST_F(RangeLoadTest, FillsSeriesAndRowTimesAndCountsRowsAfterTheEnd) {
  RangeRequest r = Request(march1 + 0.7, march1 + 4.2, 900);  // whole days are taken
  LoadRange(ctx, *mgr, r);
  const RangeLoadState& s = RangeLoad(ctx);
  EXPECT_EQ(r.start, march1);
  EXPECT_EQ(r.end, march1 + 4);
  EXPECT_EQ(s.NumDays, 4);
  EXPECT_EQ(s.RowCount, 384);
  EXPECT_EQ(s.RowsAfterEnd, 192);  // two days after the last record at 96 rows a day
  EXPECT_EQ(s.RowsWithData, 192);
  ASSERT_EQ(s.RowTimes.size(), 384u);
  EXPECT_EQ(s.RowTimes[1], FromLogMillis(ToLogMillis(march1) + 900000));
  ASSERT_EQ(temp.values.size(), 384u);
  EXPECT_FALSE(temp.prepared);
  // Row 1 (00:00, 00:15]: the last record is 00:15 with 15 / 10.
  EXPECT_EQ(temp.values[1], 1.5f);
  EXPECT_EQ(temp.status[1], 1);
  // Fan logs hourly: row 4 (01:00) has a value, row 5 keeps it without one.
  EXPECT_EQ(fan.status[4], 1);
  EXPECT_EQ(fan.values[4], 1.0f);
  EXPECT_EQ(fan.status[5], 0);
  EXPECT_EQ(fan.values[5], 1.0f);
  EXPECT_EQ(temp.status[383], 0);
  EXPECT_EQ(t.ui.events.front(), "busy: on");
  EXPECT_EQ(t.ui.events[1], "status: Loading Data...");
  EXPECT_EQ(t.ui.busy_depth, 0);
  EXPECT_EQ(std::count(t.ui.events.begin(), t.ui.events.end(), "progress: 10/100"), 1);
}

TEST_F(RangeLoadTest, RowsPerDayFollowTheIntervalAndPartDaysLoadNothing) {
  struct Case {
    double start_offset, end_offset;
    int interval;
    int rows;
  } cases[] = {{0, 1, 900, 96}, {0, 1, 600, 144}, {0, 2, 3600, 48}, {0.1, 0.9, 900, 0}, {2, 1, 900, 0},
               {0, 1, 86400 * 2, 0}};
  for (const Case& c : cases) {
    RangeRequest r = Request(march1 + c.start_offset, march1 + c.end_offset, c.interval);
    LoadRange(ctx, *mgr, r);
    EXPECT_EQ(RangeLoad(ctx).RowCount, c.rows) << c.interval << " " << c.end_offset;
    EXPECT_EQ(RangeLoad(ctx).RowTimes.size(), static_cast<size_t>(c.rows));
    EXPECT_EQ(temp.values.size(), static_cast<size_t>(c.rows));
    EXPECT_GE(RangeLoad(ctx).RowsWithData, 0);
  }
}

TEST_F(RangeLoadTest, DayStartAndDisplayTimeOffsetShiftTheRows) {
  RangeLoad(ctx).DisplayTimeOffset = -5.0 / 24;  // GMTOffset -5 with UseLogTime off
  RangeRequest r = Request(march1, march1 + 1, 900);
  r.day_start = 0.25;
  LoadRange(ctx, *mgr, r);
  EXPECT_EQ(r.start, march1 + 0.25);
  const RangeLoadState& s = RangeLoad(ctx);
  EXPECT_NEAR(s.RowTimes[0], march1 + 0.25, 1e-9);
  // Row 0 shows 06:00 and holds the library's row at 11:00 (UTC), whose
  // last record is 11:00: 660 / 10.
  EXPECT_EQ(temp.values[0], 66.0f);
  // The library's data end at 03-02 23:55 UTC is 18:55 in display time.
  RangeRequest late = Request(march1 + 1, march1 + 2, 900);
  LoadRange(ctx, *mgr, late);
  EXPECT_EQ(s.RowsAfterEnd, 20);  // 19:00 to 24:00
}

TEST_F(RangeLoadTest, RowsDumpWithTheLetterX) {
  ctx.command_line.rows_dump = true;
  RangeRequest r = Request(march1, march1 + 1, 3600);
  LoadRange(ctx, *mgr, r, [&] { temp.prepared = true; });
  EXPECT_TRUE(temp.prepared);
  auto lines = ReadLines(site.path + "House 1.csv");
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], ",temp,FAN");
  EXPECT_EQ(lines[1], "2024-03-01,0,0");  // midnight's own record, time left out
  EXPECT_EQ(lines[2], "\"2024-03-01 01:00:00\",6,1");
  RangeRequest before = Request(march1 - 1, march1, 3600);
  LoadRange(ctx, *mgr, before);
  EXPECT_EQ(ReadLines(site.path + "House 1.csv")[1], "2024-02-29,X0,X0");
}

TEST_F(RangeLoadTest, AManagerWithoutSourcesFailsAndEndsTheBusyDisplay) {
  TMyLogMgr empty(ctx, t.dir / "none", "none", {}, true);
  RangeRequest r = Request(march1, march1 + 1, 900);
  try {
    LoadRange(ctx, empty, r);
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Empty data-source");
  }
  EXPECT_EQ(t.ui.busy_depth, 0);
  EXPECT_EQ(t.ui.events.back(), "progress: 0/100");
}

}  // namespace
}  // namespace sm
