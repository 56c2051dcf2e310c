#include "airspace/report.h"

#include <algorithm>
#include <cmath>

#include "core/comma_text.h"
#include "core/numbers.h"
#include "core/text.h"
#include "logdata/range_load_state.h"

namespace sm {

void ComputeDays(TAirspace& airspace, DayMode mode) {
  const int days = RangeLoad(airspace.site().ctx).NumDays;
  std::vector<TExpr*> trees;
  for (auto& item : airspace.report_items) {
    trees.push_back(item->expression.get());
    if (mode == DayMode::View) {
      item->view_day_values.assign(static_cast<size_t>(days), 0.0f);
      item->view_day_valid.assign(static_cast<size_t>(days), false);
    } else {
      item->batch_day_values.assign(static_cast<size_t>(days), 0.0f);
    }
  }
  airspace.scope.EvaluateDays(trees, [&](size_t i, int day, float value, bool valid) {
    TReportDI& item = *airspace.report_items[i];
    if (mode == DayMode::View) {
      item.view_day_values[static_cast<size_t>(day)] = value;
      item.view_day_valid[static_cast<size_t>(day)] = valid;
    } else {
      item.batch_day_values[static_cast<size_t>(day)] = value;
    }
  });
}

namespace {

const TReportDI* PigsItem(const TAirspace& airspace) {
  for (const auto& item : airspace.report_items)
    if (ToLowerAscii(item->short_name).find("pigs") != std::string::npos) return item.get();
  return nullptr;
}

bool Restricted(const TReportDI& item, const TReportDI* pigs) {
  if (!pigs) return false;
  std::string s = ToLowerAscii(item.short_name);
  return s.find("water") != std::string::npos || s.find("feed") != std::string::npos;
}

std::string ViewMean(const TReportDI& item, const TReportDI* pigs, bool restricted, int first, int days) {
  if (days <= 0) return "N/A";
  double sum = 0;
  for (int d = first; d < first + days; ++d) {
    const size_t i = static_cast<size_t>(d);
    if (restricted) {
      bool has_pigs = i < pigs->view_day_values.size() && pigs->view_day_valid[i] && pigs->view_day_values[i] != 0;
      if (!has_pigs) return "N/A";
    }
    if (i < item.view_day_values.size()) sum += item.view_day_values[i];
  }
  double mean = sum / days;
  // A non-finite mean can only come from non-finite data; it is no figure.
  if (!std::isfinite(mean)) return "N/A";
  return FormatSignificant5(mean, item.decimals);
}

}  // namespace

void ComputeViews(TAirspace& airspace) {
  if (airspace.report_items.empty()) return;  // nothing to load for
  if (std::all_of(airspace.views.begin(), airspace.views.end(), [](const auto& v) { return !v->value_texts.empty(); }))
    return;

  TDateTime start = airspace.live_batch_start;
  if (airspace.views.size() > 3) start = std::min(airspace.views[3]->start, airspace.live_batch_start);
  airspace.range_start = start;
  airspace.range_end = airspace.live_end;
  airspace.scope.Load(
      airspace.range_start, airspace.range_end, airspace.DayStart, airspace.site().ctx.startup.report_interval,
      [&] {
        for (auto& item : airspace.report_items) item->expression->Prepare();
      },
      airspace.name);
  ComputeDays(airspace, DayMode::View);

  const TReportDI* pigs = PigsItem(airspace);
  for (auto& view : airspace.views) {
    if (!view->value_texts.empty()) continue;
    const int days = static_cast<int>(Truncate(view->end - view->start));
    const int first = std::max(0, airspace.live_days - days);
    for (auto& item : airspace.report_items) {
      std::string text = ViewMean(*item, pigs, Restricted(*item, pigs), first, days);
      view->value_texts.push_back(text);
      item->NoteText(text);
    }
  }
}

void ComputeReport(TAirspace& airspace) {
  AppContext& ctx = airspace.site().ctx;
  ctx.formats.UseFixedFormats();
  if (!airspace.computed) {
    ComputeViews(airspace);
    airspace.computed = true;
    airspace.ReleaseData();
    airspace.batches = LoadBatches(airspace);
    std::stable_sort(airspace.batches.begin(), airspace.batches.end(),
                     [](const auto& a, const auto& b) { return a->start > b->start; });
  }
}

ReportGrid FillGrid(TAirspace& airspace, bool show_batches) {
  ReportGrid grid;
  grid.show_batches = show_batches;
  grid.row_captions.push_back("");
  for (const auto& view : airspace.views) grid.row_captions.push_back(view->caption);
  if (airspace.site().site_ini.ReadBool(airspace.name, "ShowBatches", false) && !airspace.batches.empty()) {
    grid.show_batches = true;
    AppContext& ctx = airspace.site().ctx;
    ctx.formats.RestoreLocaleFormats(false, ctx.startup.iso_formatting);
    for (const auto& batch : airspace.batches) grid.row_captions.push_back(DateTimeToStr(batch->start, ctx.formats.Current()));
    ctx.formats.UseFixedFormats();
  }
  grid.headers.push_back("");
  for (const auto& item : airspace.report_items) grid.headers.push_back(item->short_name);
  grid.headers.push_back("");
  return grid;
}

std::string CellText(const TAirspace& airspace, int row, int column) {
  const size_t item = static_cast<size_t>(column - 1);
  if (column < 1 || item >= airspace.report_items.size() || row < 1) return {};
  const size_t view = static_cast<size_t>(row - 1);
  if (view < airspace.views.size()) {
    const auto& texts = airspace.views[view]->value_texts;
    return item < texts.size() ? texts[item] + " " + airspace.report_items[item]->units : std::string();
  }
  const size_t batch = view - airspace.views.size();
  if (batch < airspace.batches.size()) {
    const auto& texts = airspace.batches[batch]->texts;
    return item + 1 < texts.size() ? texts[item + 1] : std::string();
  }
  return {};
}

std::vector<int> ColumnWidths(TAirspace& airspace, int column_count, int default_width) {
  std::vector<int> widths(static_cast<size_t>(std::max(column_count, 0)), default_width);
  if (!widths.empty()) widths[0] = 2 * default_width;
  std::vector<std::string> stored = SplitText(airspace.site().user_ini.ReadString(airspace.name, "GridCols", ""), ',');
  for (size_t i = 0; i < stored.size() && i < widths.size(); ++i) {
    long long w;
    if (TryParseInt(stored[i], w) && w >= 0 && w < 100000) widths[i] = static_cast<int>(w);
  }
  airspace.column_widths = widths;
  return widths;
}

CellColour ViewCellColour(const std::string& value_text, const std::string& model_low, const std::string& model_value,
                          const std::string& model_high, bool show_model) {
  if (!show_model || value_text == "N/A" || model_value.empty()) return kBlack;
  double value, model, low, high;
  if (!TryParseDouble(value_text, value) || !TryParseDouble(model_value, model)) return kBlack;
  if (!TryParseDouble(model_low, low)) low = model - model * 0.1;
  if (!TryParseDouble(model_high, high)) high = model + model * 0.1;
  if (value > high) return kAboveModel;
  if (value < low) return kRed;
  return kBlack;
}

std::vector<std::string> SaveDataLines(TAirspace& airspace, bool with_batches) {
  ReportGrid grid = FillGrid(airspace, with_batches);
  std::vector<std::string> lines;
  std::string header;
  for (size_t c = 0; c < grid.headers.size(); ++c) header += (c ? "," : "") + grid.headers[c];
  lines.push_back(ReplaceAll(header, "\"", ""));
  for (const auto& view : airspace.views) {
    std::string line = view->caption;
    for (const std::string& text : view->value_texts) line += "," + text;
    lines.push_back(line);
  }
  if (with_batches)
    for (const auto& batch : airspace.batches) {
      std::string line;
      for (size_t i = 0; i < batch->texts.size(); ++i) line += (i ? "," : "") + batch->texts[i];
      lines.push_back(line);
    }
  return lines;
}

}  // namespace sm
