#include "airspace/model.h"

#include <algorithm>
#include <cmath>

#include "core/comma_text.h"
#include "core/files.h"
#include "core/numbers.h"
#include "core/text.h"
#include "logdata/busy_display.h"

namespace sm {
namespace {

constexpr const char* kModelSuffixes[3] = {"Low", "", "High"};

}  // namespace

std::vector<std::string> ListModelFiles(TSite& site) {
  std::vector<std::string> files = ListFiles(site.model_folder, "*.mdl");
  if (files.empty())
    site.ctx.ui.ShowMessage("No model data is available for this site", MessageKind::Information, kButtonOk);
  return files;
}

bool FindModelSeries(TReportDI& item, const TMyLogMgr& manager) {
  if (item.model_name.empty()) return false;
  for (int j = 0; j < 3; ++j) item.model_indices[j] = manager.IndexOf(item.model_name + kModelSuffixes[j]);
  return true;
}

void LoadModel(TAirspace& airspace, TMyLogMgr& manager) {
  const size_t width = static_cast<size_t>(std::max(manager.Width(), 0));
  std::vector<double> values(width, 0.0);
  std::vector<uint8_t> status(width, 128);
  const int days = static_cast<int>(Truncate(airspace.live_end) - Truncate(airspace.live_batch_start));
  std::vector<TReportDI*> items;
  for (auto& item : airspace.report_items)
    if (FindModelSeries(*item, manager)) {
      items.push_back(item.get());
      for (int j = 0; j < 3; ++j) {
        item->model_values[j].clear();
        if (item->model_indices[j] < 0) continue;
        status[static_cast<size_t>(item->model_indices[j])] = 0;
        item->model_values[j].assign(static_cast<size_t>(std::max(days, 0)), 0.0f);
      }
    }
  if (manager.Handle() != 0) {
    {
      BusyDisplay busy(airspace.site().ctx.ui, "Loading Model Data...");
      manager.InitExpansion(86400, values, status, std::trunc(manager.Start()));
    }
    for (int r = 0; r < days; ++r) {
      manager.NextRow();
      for (TReportDI* item : items)
        for (int j = 0; j < 3; ++j)
          if (item->model_indices[j] >= 0)
            item->model_values[j][static_cast<size_t>(r)] =
                static_cast<float>(values[static_cast<size_t>(item->model_indices[j])]);
    }
  }
  ComputeModelTexts(airspace);
  airspace.model_loaded = true;
}

void ImportModel(TAirspace& airspace, const std::string& file_name) {
  auto manager = airspace.site().CreateSourceLogMgr("mdldata," + file_name + "," + " " + "," + "csv");
  LoadModel(airspace, *manager);
}

void ComputeModelTexts(TAirspace& airspace) {
  for (auto& view : airspace.views) {
    for (auto& texts : view->model_texts) texts.clear();
    view->has_model_texts = true;
    const long long days = Truncate(view->end) - Truncate(view->start);
    const long long first = airspace.live_days - days - 1;
    for (auto& item : airspace.report_items)
      for (int j = 0; j < 3; ++j) {
        const std::vector<float>& model = item->model_values[j];
        std::string text;
        if (!item->model_name.empty() && item->model_indices[j] >= 0 && !model.empty() && days > 0) {
          double sum = 0;
          for (long long p = first; p < first + days; ++p) {
            // Before the model's first row takes that row, past its end the last.
            size_t at = static_cast<size_t>(std::clamp<long long>(p, 0, static_cast<long long>(model.size()) - 1));
            sum += model[at];
          }
          text = FormatSignificant5(sum / static_cast<double>(days), 2);
        }
        view->model_texts[j].push_back(text);
      }
  }
}

bool SaveAsModel(TAirspace& airspace, const TBatch& batch, const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : ReadLines(batch.file)) rows.push_back(SplitCommaText(line));
  std::vector<std::string> header = rows.empty() ? std::vector<std::string>{} : rows[0];
  std::vector<std::pair<std::string, size_t>> exported;  // model name, batch column
  for (const auto& item : airspace.report_items) {
    if (item->model_name.empty()) continue;
    for (size_t c = 0; c < header.size(); ++c)
      if (IEquals(header[c], item->short_name)) {
        exported.emplace_back(item->model_name, c);
        break;
      }
  }
  if (exported.empty()) {
    airspace.site().ctx.ui.ShowMessage("No batch series are marked for export", MessageKind::Warning, kButtonOk);
    return false;
  }
  std::vector<std::string> cells{"Date"};
  for (const auto& [model_name, column] : exported) cells.push_back(model_name);
  std::vector<std::string> lines{ReplaceAll(JoinCommaText(cells), "\"", "")};
  for (size_t r = 1; r < rows.size(); ++r) {
    cells.assign(1, rows[r].empty() ? std::string() : rows[r][0]);
    for (const auto& [model_name, column] : exported) cells.push_back(column < rows[r].size() ? rows[r][column] : "");
    lines.push_back(ReplaceAll(JoinCommaText(cells), "\"", ""));
  }
  WriteLinesAtomically(path, lines);
  return true;
}

}  // namespace sm
