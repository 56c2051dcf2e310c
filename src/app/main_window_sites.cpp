// Choosing sites, airspace pages, report and chart pages.
#include <QComboBox>
#include <QTabWidget>
#include <algorithm>

#include "airspace/report.h"
#include "app/airspace_area.h"
#include "app/airspace_commands.h"
#include "app/main_window.h"
#include "core/text.h"
#include "core/files.h"
#include "download/http_client.h"
#include "site/site_list.h"

namespace sm {

void MainWindow::FillSiteSelector() {
  std::vector<ListedSite> listed;
  try {
    listed = ListSites(ctx_);
  } catch (const std::exception& e) {
    ReportError(ctx_, e.what(), 200);
  }
  std::stable_sort(listed.begin(), listed.end(),
                   [](const ListedSite& a, const ListedSite& b) { return a.display_name < b.display_name; });
  QSignalBlocker block(SitesCombo);
  SitesCombo->clear();
  reg_sites_.clear();
  for (ListedSite& s : listed) {
    SitesCombo->addItem(QString::fromStdString(s.display_name));
    reg_sites_.push_back(std::move(s.site));
  }
  SitesCombo->setCurrentIndex(-1);
}

bool MainWindow::SelectSite(const std::string& name) {
  for (int i = 0; i < SitesCombo->count(); ++i) {
    if (!IEquals(SitesCombo->itemText(i).toStdString(), name)) continue;
    if (SitesCombo->currentIndex() != i) SitesCombo->setCurrentIndex(i);  // opens it
    return true;
  }
  return false;
}

void MainWindow::SitesComboChange() {
  if (!ctx_.global_template) {
    ctx_.ui.ShowMessage("Please locate the Main Logging Directory in the following dialog. ", MessageKind::Warning,
                        kButtonOk);
    QSignalBlocker block(SitesCombo);
    SitesCombo->setCurrentIndex(-1);
    return;
  }
  busy_ = true;
  PageControl1->hide();
  const int index = SitesCombo->currentIndex();
  if (index < 0) {
    busy_ = false;
    return;
  }
  SetStatus({.message = SitesCombo->currentText().toStdString()});
  ReleaseSite();
  OpenChosenSite(*reg_sites_[static_cast<size_t>(index)]);
  busy_ = false;
}

void MainWindow::OpenChosenSite(TRegSite& reg) {
  const std::string shown = ProperCase(reg.Name);
  auto clear_selection = [this] {
    QSignalBlocker block(SitesCombo);
    SitesCombo->setCurrentIndex(-1);
  };
  if (!reg.HasSiteFile) {
    if (reg.ServerIndex >= 0)
      ctx_.ui.ShowMessage("Unable to open " + shown +
                              " due to missing site files. Choose Data Download to retrieve "
                              "the latest site files and data from the Orvex server",
                          MessageKind::Confirmation, kButtonOk);
    clear_selection();
    return;
  }
  try {
    site_ = TSite::Create(ctx_, reg.Folder, this);
  } catch (const std::exception& e) {
    SetStatus({.message = e.what()});
  }
  if (site_ && site_->LastRecord() < site_->FirstRecord() + 1) site_.reset();
  if (site_) {
    try {
      CreateAirspaces(*site_);
    } catch (const std::exception& e) {
      SetStatus({.message = e.what()});
      site_.reset();
    }
  }
  if (!site_) {
    PageControl1->hide();
    ctx_.ui.ShowMessage("Unable to open " + shown + " due to missing site files", MessageKind::Information, kButtonOk);
    clear_selection();
    return;
  }
  {
    QSignalBlocker block(PageControl1);
    for (const auto& airspace : site_->airspaces)
      PageControl1->addTab(new QWidget(PageControl1), QString::fromStdString(airspace->name));
    PageControl1->setCurrentIndex(0);
  }
  PageControl1->show();
  ctx_.stored_status.site_name = SitesCombo->currentText().toStdString();
  busy_ = false;
  if (!SelectAirspacePage(ctx_.stored_status.airspace) && !SelectAirspacePage("")) PageChange(false);
}

void MainWindow::ReleaseSite() {
  const bool was_busy = busy_;
  busy_ = true;
  current_ = nullptr;
  current_view_ = nullptr;
  current_batch_ = nullptr;
  ReleaseChart();
  grid().report().Clear();
  area_->hide();
  area_->setParent(centralWidget());
  {
    QSignalBlocker block(PageControl1);
    while (PageControl1->count() > 1) {
      QWidget* page = PageControl1->widget(PageControl1->count() - 1);
      PageControl1->removeTab(PageControl1->count() - 1);
      delete page;
    }
  }
  site_.reset();
  last_grid_width_ = -1;
  busy_ = was_busy;
}

void MainWindow::ReleaseAll() {
  busy_ = true;
  ReleaseSite();
  QSignalBlocker block(SitesCombo);
  SitesCombo->clear();
  reg_sites_.clear();
}

bool MainWindow::SelectAirspacePage(const std::string& caption) {
  std::string wanted = caption;
  if (wanted.empty() && PageControl1->count() > 1) wanted = PageControl1->tabText(1).toStdString();
  for (int i = 1; i < PageControl1->count(); ++i) {
    if (PageControl1->tabText(i).toStdString() != wanted) continue;
    {
      QSignalBlocker block(PageControl1);
      PageControl1->setCurrentIndex(i);
    }
    PageChange(false);
    return true;
  }
  return false;
}

void MainWindow::PageChange(bool by_user) {
  if (busy_) return;
  ReleaseChart();
  const int page = PageControl1->currentIndex();
  current_ = nullptr;
  current_view_ = nullptr;
  current_batch_ = nullptr;
  if (site_) {
    if (page >= 1 && static_cast<size_t>(page) <= site_->airspaces.size()) {
      current_ = site_->airspaces[static_cast<size_t>(page - 1)].get();
      ctx_.log_location.airspace = current_->name;
      area_->MoveOnto(PageControl1->widget(page));
      ShowReport();
    } else {
      area_->hide();
    }
    LayoutReportGrid();
  }
  if (current_) {
    if (ctx_.stored_status.show_report)
      ShowReportPage();
    else if (!SelectChartPage("") &&
             (current_->chart_view_list.empty() || !SelectChartPage(current_->chart_view_list.front())))
      ShowReportPage();
  }
  if (by_user && page >= 0) ctx_.stored_status.airspace = PageControl1->tabText(page).toStdString();
}

void MainWindow::ShowReport() {
  TAirspace& airspace = *current_;
  try {
    ComputeReport(airspace);
  } catch (const std::exception& e) {
    ReportError(ctx_, e.what(), 200);
  }
  RefillGrid();
  grid().ApplyColumnWidths(ColumnWidths(airspace, grid().report().columnCount(), grid().DefaultColumnWidth()));
  last_grid_width_ = -1;
  area_->SetChartPages(airspace.chart_view_list);
  if (!airspace.views.empty()) {
    current_view_ = airspace.views.front().get();
    ShowDateRange(current_view_->start, current_view_->end);
  }
}

void MainWindow::RefillGrid() {
  if (!current_) return;
  ReportGrid g = FillGrid(*current_, show_batches_);
  show_batches_ = g.show_batches;
  const int row = grid().SelectedRow();
  const int column = grid().currentIndex().column();
  grid().report().SetReport(current_, std::move(g));
  grid().ApplyColumnWidths(current_->column_widths);
  if (row > 0 && row < grid().report().rowCount()) grid().SelectCell(row, column);
}

void MainWindow::ShowDateRange(TDateTime start, TDateTime end) { SetStatus({.start = start, .end = end}); }

void MainWindow::CellSelected(int row, int column) {
  ReportTableModel& model = grid().report();
  model.SetSelectedColumn(column);
  if (TBatch* batch = model.BatchAt(row)) {
    current_batch_ = batch;
    ShowDateRange(batch->start, batch->end);
  } else if (TView* view = model.ViewAt(row)) {
    current_view_ = view;
    ShowDateRange(view->start, view->end);
  }
}

void MainWindow::ShowReportPage() {
  QSignalBlocker block(area_);
  area_->setCurrentIndex(0);
  AirspacePageChange(false);
}

int MainWindow::FindChartPage(const std::string& name) const {
  if (!current_) return -1;
  const auto& list = current_->chart_view_list;
  if (std::none_of(list.begin(), list.end(), [&](const std::string& c) { return IEquals(c, name); })) return -1;
  return area_->ChartPageIndex(name);
}

bool MainWindow::SelectChartPage(const std::string& name) {
  int k = FindChartPage(name);
  for (size_t i = 0; k < 1 && i < ctx_.stored_status.chart_list.size(); ++i)
    k = FindChartPage(ctx_.stored_status.chart_list[i]);
  if (k < 1) return false;
  {
    QSignalBlocker block(area_);
    area_->setCurrentIndex(k);
  }
  AirspacePageChange(false);
  return true;
}

void MainWindow::AirspacePageChange(bool by_user) {
  if (busy_) return;
  ReleaseChart();
  const int k = area_->currentIndex();
  if (k >= 1 && current_) {
    if (OpenChartPage(k, by_user) || opening_chart_) return;
    // The airspace has no such chart: the last one used, else its first.
    opening_chart_ = true;
    if (!SelectChartPage("") && !current_->chart_view_list.empty()) SelectChartPage(current_->chart_view_list.front());
    opening_chart_ = false;
  } else if (by_user) {
    ctx_.stored_status.show_report = true;
  }
}

void MainWindow::RowDoubleClicked(int row) {
  if (!current_) return;
  TStoredStatus& stored = ctx_.stored_status;
  ReportTableModel& model = grid().report();
  if (TBatch* batch = model.BatchAt(row)) {
    stored.view_end = batch->end + current_->DayStart;
    stored.view_days = SpanDays(batch->start, batch->end);
    stored.is_batch = true;
  } else if (TView* view = model.ViewAt(row)) {
    stored.view_end = 0;
    stored.view_days = SpanDays(view->start, view->end);
    stored.is_batch = view->kind == 1;
  } else {
    return;
  }
  bool chart = SelectChartPage("");
  if (!chart && !current_->chart_view_list.empty()) chart = SelectChartPage(current_->chart_view_list.front());
  if (chart)
    stored.show_report = false;
  else
    ShowReportPage();
}

void MainWindow::FirstShow() {
  if (!DirectoryExists(ctx_.folders.main_log_dir)) {
    close();
    return;
  }
  SetStatus({.message = "", .left = "", .right = "", .date = "", .start = ctx_.Today(), .end = ctx_.Today()});
  const CommandLine& cl = ctx_.command_line;
  if (!cl.has_goto) {
    bool site_chosen = false;
    if (SitesCombo->count() == 1) {
      SitesCombo->setCurrentIndex(0);
      site_chosen = site_ != nullptr;
    } else {
      site_chosen = (cl.site && SelectSite(*cl.site)) || SelectSite(ctx_.stored_status.site_name);
      site_chosen = site_chosen && site_;
    }
    if (site_chosen && cl.airspace && SelectAirspacePage(*cl.airspace) && cl.chart) SelectChartPage(*cl.chart);
  } else {
    ApplyGoToRequest(cl.text);
  }
  ApplyHttpSettings(ctx_, *ctx_.http);
}

void MainWindow::ApplyGoToRequest(const std::string& text) {
  std::optional<GoToRequest> request = ParseGoToRequest(text, static_cast<long long>(ctx_.Today()));
  if (!request) return;
  ctx_.stored_status.view_end = request->view_end;
  ctx_.stored_status.view_days = request->view_days;
  const auto& items = request->items;
  if (!items.empty() && SelectSite(items[0]) && site_ && items.size() >= 2 && SelectAirspacePage(items[1]) &&
      items.size() >= 3)
    SelectChartPage(items[2]);
  if (ctx_.command_line.print) ctx_.auto_print_pending = true;
}

}  // namespace sm
