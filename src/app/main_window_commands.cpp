// The airspace commands of the menus and the report grid's pop-up menu,
// and the idle update that shows and enables them.
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>

#include "airspace/batches.h"
#include "airspace/live_batch.h"
#include "airspace/model.h"
#include "airspace/report.h"
#include "app/airspace_area.h"
#include "app/airspace_dialogs.h"
#include "app/export_dialog.h"
#include "app/main_window.h"
#include "core/files.h"
#include "core/new_version.h"
#include "core/text.h"

namespace sm {

void MainWindow::Guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (const std::exception& e) {
    ctx_.ui.ShowMessage(e.what(), MessageKind::Error, kButtonOk);
  }
}

int MainWindow::SelectedRow() const { return grid().SelectedRow(); }

bool MainWindow::show_model() const { return grid().report().show_model(); }

void MainWindow::DefineBatchCommand() {
  if (!current_ || new_batch_dlg_->exec() != QDialog::Accepted) return;
  auto dates = new_batch_dlg_->Dates();
  if (!dates) return;
  Guarded([&] {
    DefineBatch(*current_, dates->first, dates->second);
    if (show_batches_)
      RefillGrid();
    else
      ShowBatchesCommand();
  });
}

void MainWindow::UpdateBatchCommand() {
  if (!current_ || !current_batch_) return;
  const long long start = Truncate(current_batch_->start), end = Truncate(current_batch_->end);
  current_batch_ = nullptr;  // the batches are reloaded
  Guarded([&] {
    DefineBatch(*current_, start, end);
    RefillGrid();
  });
}

void MainWindow::DeleteBatchCommand() {
  if (!current_ || !current_batch_) return;
  const auto& batches = current_->batches;
  auto at = std::find_if(batches.begin(), batches.end(), [&](const auto& b) { return b.get() == current_batch_; });
  if (at == batches.end()) return;
  Guarded([&] {
    if (DeleteBatch(*current_, static_cast<size_t>(at - batches.begin()), true)) {
      current_batch_ = nullptr;
      RefillGrid();
    }
  });
}

void MainWindow::ShowBatchesCommand() {
  if (!current_) return;
  Guarded([&] {
    show_batches_ = ToggleShowBatches(*current_, show_batches_);
    current_batch_ = nullptr;
    RefillGrid();
  });
}

void MainWindow::SetBatchStartCommand() {
  TView* view = grid().report().ViewAt(SelectedRow());
  if (!current_ || !view) return;
  batch_start_dlg_->edStart->setText(QString::fromStdString(UserDateText(view->start, ctx_)));
  if (batch_start_dlg_->exec() != QDialog::Accepted) return;
  std::optional<long long> day = batch_start_dlg_->Day();
  if (!day) return;
  Guarded([&] {
    SetBatchStart(*current_, *day);
    current_view_ = nullptr;
    grid().report().Clear();  // the views it pointed at are gone
    ShowReport();
  });
}

void MainWindow::PropertiesCommand() {
  if (!current_ || current_->scope.constant_names().empty()) return;
  props_dlg_->Fill(ReadProperties(*current_));
  if (props_dlg_->exec() != QDialog::Accepted) return;
  Guarded([&] { WriteProperties(*current_, props_dlg_->Values()); });
}

void MainWindow::ModelDataCommand() {
  if (!current_) return;
  std::vector<std::string> files = ListModelFiles(*site_);
  if (files.empty()) return;
  import_model_dlg_->Fill(files);
  if (import_model_dlg_->exec() != QDialog::Accepted) return;
  const std::string file = import_model_dlg_->SelectedFile();
  Guarded([&] {
    ImportModel(*current_, file);
    grid().report().SetShowModel(true);
    RefillGrid();
    grid().WidenForModelValues();
  });
}

void MainWindow::ShowModelDataCommand() { grid().report().SetShowModel(!show_model()); }

void MainWindow::SaveAsModelCommand() {
  if (!current_ || !current_batch_) return;
  const TBatch& batch = *current_batch_;
  std::string name = current_->code + DateToStr(batch.start, FixedFormats()) + ".mdl";
  std::optional<std::string> path = choose_save_file_(site_->model_folder, name, "Model Data Files (*.mdl)", "mdl");
  if (!path) return;
  Guarded([&] { SaveAsModel(*current_, batch, *path); });
}

void MainWindow::SaveDataCommand() {
  if (!current_) return;
  std::optional<std::string> path = choose_save_file_(site_->folder, "", "CSV Files (*.csv)", "csv");
  if (!path) return;
  Guarded([&] { WriteLinesAtomically(*path, SaveDataLines(*current_, show_batches_)); });
}

void MainWindow::ExportDataCommand() {
  if (!site_) return;
  export_dlg_->Prepare(*site_);
  export_dlg_->exec();
}

void MainWindow::ShowPopup(const QPoint& at) {
  IdleUpdate();  // the pop-up shows what the selected row offers
  GridPopup->popup(at);
}

void MainWindow::StoreColumnWidths() {
  std::vector<int> widths = grid().ColumnWidthList();
  if (widths.size() > 30) widths.resize(30);
  if (widths.empty() || widths == current_->column_widths) return;
  current_->column_widths = widths;
  std::string text;
  for (int w : widths) text += (text.empty() ? "" : ",") + std::to_string(w);
  IniFile& user = current_->site().user_ini;
  if (user.ReadString(current_->name, "GridCols", "") == text) return;
  user.WriteString(current_->name, "GridCols", text);
  try {
    user.Save();
  } catch (const std::exception& e) {
    ReportError(ctx_, e.what(), 100);
  }
}

void MainWindow::IdleUpdate() {
  auto show = [this](const char* name, bool visible) { action(name)->setVisible(visible); };
  SiteMenu->menuAction()->setVisible(site_ != nullptr);
  const bool site_tools = site_ && (ctx_.startup.diag & 2);
  show("EditSiteIni", site_tools);
  show("RunNodax", site_tools);
  show("I2S", ctx_.command_line.show_number_draw);
  action("ShowBatches")->setChecked(show_batches_);
  action("ExportData")->setEnabled(site_ != nullptr);

  const bool grid_visible = current_ && grid().isVisible();
  AirspaceMenu->menuAction()->setVisible(current_ != nullptr);
  if (current_) {
    if (grid().report().airspace() == current_) StoreColumnWidths();
    show("ShowBatches", !current_->batches.empty() && grid_visible);
    action("Properties")->setEnabled(!current_->scope.constant_names().empty());
    const ReportTableModel& model = grid().report();
    const int row = SelectedRow();
    const TView* view = model.ViewAt(row);
    const bool batch_row = model.BatchAt(row) != nullptr;
    show("SetBatchStart", view && view->kind == 1);
    show("ModelData", !batch_row);
    show("SaveAsModel", batch_row);
    for (const char* name : {"DeleteBatch", "PopupDelete", "UpdateBatch", "PopupUpdate"}) show(name, batch_row);
    show("ShowModelData", current_->model_loaded);
    action("ShowModelData")->setChecked(model.show_model());
  }
  if (import_model_dlg_->isVisible()) import_model_dlg_->UpdateOk();
  LayoutReportGrid();
  if (RunFirstIdleCheck(ctx_)) close();
  const bool chart_shown = current_ && chart_frame_->isVisible();
  ChartOps->setVisible(chart_shown);
  for (QAction* a : chart_frame_->commands()) a->setEnabled(chart_shown && chart_frame_->HasView());
  StatusStartDT->setReadOnly(!chart_shown);
  StatusEndDT->setReadOnly(!chart_shown);
  if (ctx_.auto_print_pending) RunAutoPrint();
}

void MainWindow::LayoutReportGrid() {
  ReportGridView& g = grid();
  if (!current_ || !g.isVisible()) return;
  const int columns = g.report().columnCount();
  int total = 0;
  for (int c = 0; c < columns; ++c) total += g.columnWidth(c);
  if (total != last_grid_width_ && columns > 1) {
    last_grid_width_ = total;
    int whole = 0, x = 0;
    for (int c = 0; c < columns; ++c) {
      x += g.columnWidth(c);
      if (x <= g.viewport()->width()) ++whole;
    }
    if (whole < columns - 2) {
      g.setColumnWidth(columns - 1, 1);
    } else {
      const int others = total - g.columnWidth(columns - 1);
      g.setColumnWidth(columns - 1, std::max(1, g.viewport()->width() - others + 20));
    }
    last_grid_width_ = -1;
    for (int c = 0, sum = 0; c < columns; ++c) last_grid_width_ = (sum += g.columnWidth(c));
  }
  g.setFixedHeight(g.DefaultRowHeight() * (std::min(g.report().rowCount(), 9) + 2) - 6);
}

}  // namespace sm
