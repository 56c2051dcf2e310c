#include "airspace/views.h"

#include <cmath>

#include "airspace/airspace.h"
#include "core/comma_text.h"
#include "core/files.h"
#include "core/numbers.h"
#include "core/text.h"
#include "logdata/busy_display.h"

namespace sm {

void BuildViews(TAirspace& airspace) {
  airspace.views.clear();
  const TDateTime end = airspace.LiveEndOf(airspace.site().LastRecord());
  for (int n : {1, 7, 14, 30}) {
    TDateTime start = end - n;
    if (start < airspace.live_batch_start) {
      start = airspace.live_batch_start;
      n = static_cast<int>(Truncate(end - start));
    }
    auto view = std::make_unique<TView>();
    view->caption = std::to_string(n);
    view->start = start;
    view->end = end;
    airspace.views.push_back(std::move(view));
  }
  if (airspace.site().FirstRecord() <= airspace.live_batch_start) {
    auto view = std::make_unique<TView>();
    view->caption = "Current " + airspace.site().batch_type;
    view->kind = 1;
    view->start = airspace.live_batch_start;
    view->end = end;
    airspace.views.push_back(std::move(view));
  }
}

namespace {

// The mean of a column's numeric cells, or nothing when it has none.
std::optional<double> ColumnMean(const std::vector<std::vector<std::string>>& rows, size_t column) {
  double sum = 0;
  int count = 0;
  for (size_t r = 1; r < rows.size(); ++r) {
    double v;
    if (column < rows[r].size() && TryParseDouble(rows[r][column], v)) {
      sum += v;
      ++count;
    }
  }
  if (count == 0) return std::nullopt;
  return sum / count;
}

std::unique_ptr<TBatch> ReadBatch(TAirspace& airspace, const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : ReadLines(path)) rows.push_back(SplitCommaText(line));
  if (rows.size() < 2) return nullptr;
  const FormatSettings fixed = FixedFormats();
  auto first = rows[1].empty() ? std::nullopt : TryStrToDate(rows[1][0], fixed);
  auto last = rows.back().empty() ? std::nullopt : TryStrToDate(rows.back()[0], fixed);
  if (!first || !last) throw std::runtime_error("Batch file " + path + " has no readable dates");
  auto batch = std::make_unique<TBatch>();
  batch->file = path;
  batch->start = *first;
  batch->end = *last;
  AppContext& ctx = airspace.site().ctx;
  ctx.formats.RestoreLocaleFormats(false, ctx.startup.iso_formatting);
  batch->texts.push_back(DateToStr(batch->start, ctx.formats.Current()));
  ctx.formats.UseFixedFormats();
  for (auto& item : airspace.report_items) {
    size_t column = 0;
    while (column < rows[0].size() && !IEquals(rows[0][column], item->short_name)) ++column;
    if (column == rows[0].size()) {
      batch->texts.emplace_back();
      continue;
    }
    auto mean = ColumnMean(rows, column);
    std::string text = (mean ? FormatSignificant5(*mean, item->decimals) : std::string("N/A")) + " " + item->units;
    item->NoteText(text);
    batch->texts.push_back(text);
  }
  return batch;
}

}  // namespace

std::vector<std::unique_ptr<TBatch>> LoadBatches(TAirspace& airspace) {
  AppContext& ctx = airspace.site().ctx;
  BusyDisplay busy(ctx.ui, "Loading Historical Batches");
  std::vector<std::unique_ptr<TBatch>> batches;
  std::vector<std::string> files = ListFiles(airspace.site().batch_folder, airspace.code + "*.bch");
  for (const std::string& name : files) {
    busy.Step();
    try {
      if (auto batch = ReadBatch(airspace, airspace.site().batch_folder + name)) batches.push_back(std::move(batch));
    } catch (const std::exception& e) {
      ReportError(ctx, e.what(), 100);
    }
  }
  return batches;
}

int SpanDays(TDateTime start, TDateTime end) { return static_cast<int>(std::floor(end - start + 0.5)); }

}  // namespace sm
