#include "airspace/batches.h"

#include <cmath>
#include <stdexcept>

#include "airspace/report.h"
#include "core/comma_text.h"
#include "core/files.h"
#include "core/numbers.h"

namespace sm {

std::string BatchFilePath(const TAirspace& airspace, long long start_day) {
  if (airspace.code.find_first_of("/\\") != std::string::npos || airspace.code.find('\0') != std::string::npos)
    throw std::runtime_error("The airspace code \"" + airspace.code + "\" cannot name a batch file");
  return airspace.site().batch_folder + airspace.code + std::to_string(start_day) + ".bch";
}

bool DefineBatch(TAirspace& airspace, long long start_day, long long end_day) {
  TSite& site = airspace.site();
  if (site.FirstRecord() > static_cast<double>(start_day) || static_cast<double>(end_day) > airspace.live_end) {
    site.ctx.ui.ShowMessage("Batch dates must be within batch parameters", MessageKind::Warning, kButtonOk);
    return false;
  }
  const std::string path = BatchFilePath(airspace, start_day);
  airspace.range_start = static_cast<double>(start_day) + airspace.DayStart;
  airspace.range_end = static_cast<double>(end_day) + 1 + airspace.DayStart;
  airspace.scope.Load(
      airspace.range_start, airspace.range_end, airspace.DayStart, 900,
      [&] {
        for (auto& item : airspace.report_items) item->expression->Prepare();
      },
      airspace.name);
  ComputeDays(airspace, DayMode::Batch);
  airspace.ReleaseData();
  WriteBatchFile(airspace, path);
  for (auto& item : airspace.report_items) item->batch_day_values.clear();
  airspace.batches = LoadBatches(airspace);
  return true;
}

void WriteBatchFile(TAirspace& airspace, const std::string& path) {
  std::vector<std::string> cells{"Date"};
  for (const auto& item : airspace.report_items) cells.push_back(item->short_name);
  std::vector<std::string> lines{JoinCommaText(cells)};
  size_t days = airspace.report_items.empty() ? 0 : airspace.report_items[0]->batch_day_values.size();
  for (size_t p = 0; p < days; ++p) {
    cells.assign(1, FormatDateTime("yyyy-mm-dd", airspace.range_start + static_cast<double>(p), FixedFormats()));
    for (const auto& item : airspace.report_items)
      cells.push_back(p < item->batch_day_values.size() ? FormatSignificant5(item->batch_day_values[p], 2) : "");
    lines.push_back(JoinCommaText(cells));
  }
  WriteLinesAtomically(path, lines);
}

bool DeleteBatch(TAirspace& airspace, size_t batch_index, bool ask) {
  if (batch_index >= airspace.batches.size()) return false;
  TBatch& batch = *airspace.batches[batch_index];
  AppContext& ctx = airspace.site().ctx;
  if (ask) {
    ctx.formats.RestoreLocaleFormats(false, ctx.startup.iso_formatting);
    std::string date = DateToStr(batch.start, ctx.formats.Current());
    ctx.formats.UseFixedFormats();
    MessageAnswer answer = ctx.ui.ShowMessage("Delete batch commencing " + date + "?", MessageKind::Confirmation,
                                              kButtonYes | kButtonNo | kButtonCancel);
    if (answer != MessageAnswer::Yes) return false;
  }
  if (!DeleteFile(batch.file)) throw std::runtime_error("Cannot delete " + batch.file);
  airspace.batches = LoadBatches(airspace);
  return true;
}

bool ToggleShowBatches(TAirspace& airspace, bool shown) {
  shown = !shown;
  airspace.site().site_ini.WriteBool(airspace.name, "ShowBatches", shown);
  airspace.site().site_ini.Save();
  return shown;
}

}  // namespace sm
