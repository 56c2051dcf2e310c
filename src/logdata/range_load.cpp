#include "logdata/range_load.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/comma_text.h"
#include "core/files.h"
#include "core/numbers.h"
#include "logdata/busy_display.h"
#include "logdata/range_load_state.h"

namespace sm {
namespace {

void WriteRowsDump(AppContext& ctx, const TMyLogMgr& mgr, const RangeRequest& request) {
  const RangeLoadState& state = RangeLoad(ctx);
  std::vector<std::string> lines;
  std::vector<std::string> cells{""};
  for (const TDataSeries* s : request.series) cells.push_back(s->name);
  lines.push_back(JoinCommaText(cells));
  const FormatSettings& formats = ctx.formats.Current();
  for (int r = 0; r < state.RowCount; ++r) {
    cells.assign(1, DateTimeToStr(state.RowTimes[r], formats));
    for (const TDataSeries* s : request.series) {
      std::string value = FormatGeneral(s->values[r], formats.decimal_separator);
      cells.push_back(s->status[r] == 1 ? value : "X" + value);
    }
    lines.push_back(JoinCommaText(cells));
  }
  try {
    WriteLinesAtomically(mgr.Folder() + request.dump_name + ".csv", lines);
  } catch (const std::exception& e) {
    ReportError(ctx, e.what(), 100);
  }
}

}  // namespace

void LoadRange(AppContext& ctx, TMyLogMgr& mgr, RangeRequest& request, const std::function<void()>& prepare) {
  if (request.interval < 1) throw std::invalid_argument("The interval must be at least one second");
  BusyDisplay busy(ctx.ui, "Loading Data...");
  RangeLoadState& state = RangeLoad(ctx);

  request.end = std::trunc(request.end) + request.day_start;
  request.start = std::trunc(request.start) + request.day_start;
  // A range that ends before it starts holds no rows rather than a negative count.
  state.NumDays = static_cast<int>(std::max<int64_t>(0, Truncate(request.end - request.start)));

  std::vector<double> row_values(static_cast<size_t>(mgr.Width()), 0.0);
  std::vector<uint8_t> row_status(static_cast<size_t>(mgr.Width()), 128);
  mgr.InitExpansion(request.interval, row_values, row_status, request.start - state.DisplayTimeOffset);

  const int rows_per_day = 86400 / request.interval;
  state.RowCount = rows_per_day * state.NumDays;
  state.RowsAfterEnd = 0;
  // The library's end is in library time; the range is in display time.
  const TDateTime data_end = mgr.End() + state.DisplayTimeOffset;
  if (request.end > data_end) {
    int64_t after = RoundHalfEven((request.end - data_end) * rows_per_day);
    state.RowsAfterEnd = static_cast<int>(std::min<int64_t>(after, state.RowCount));
  }
  state.RowsWithData = state.RowCount - state.RowsAfterEnd;

  const size_t rows = static_cast<size_t>(state.RowCount);
  std::vector<std::pair<TDataSeries*, int>> wanted;  // series with their catalogue index
  for (TDataSeries* s : request.series) {
    s->prepared = false;
    s->values.assign(rows, 0.0f);
    s->status.assign(rows, 0);
    int index = mgr.IndexOf(s->name);
    if (index < 0) continue;
    row_status[static_cast<size_t>(index)] = 0;
    wanted.emplace_back(s, index);
  }

  state.RowTimes.resize(rows);
  const size_t progress_step = rows / 10;
  for (size_t r = 0; r < rows; ++r) {
    state.RowTimes[r] = mgr.NextRow() + state.DisplayTimeOffset;
    for (auto& [s, index] : wanted) {
      s->values[r] = static_cast<float>(row_values[static_cast<size_t>(index)]);
      s->status[r] = row_status[static_cast<size_t>(index)];
    }
    if (progress_step > 0 && (r + 1) % progress_step == 0) busy.Step();
  }

  if (prepare) prepare();
  if (ctx.command_line.rows_dump) WriteRowsDump(ctx, mgr, request);
}

}  // namespace sm
