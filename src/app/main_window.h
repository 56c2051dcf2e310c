// The main window: the site selector, the site page and one page per
// airspace with its report page and chart pages, the status bar, menus and
// tool bars, and the idle update that shows and enables commands.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/chart_frame.h"
#include "app/qt_ui_host.h"
#include "app/status_update.h"
#include "site/reg_site.h"
#include "site/site.h"

class QAction;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace sm {

class AirspaceArea;
class BatchStartDlg;
class EditPropsDlg;
class FrmExport;
class HelpWindow;
class ImportModelDlg;
class NewBatchDlg;
class ReportGridView;
class TAirspace;
class TBatch;
class TView;


// Asks for a file to save: folder, proposed name, filter, default suffix;
// nothing when cancelled. Tests replace the platform's dialog.
using SaveFileChooser = std::function<std::optional<std::string>(
    const std::string& folder, const std::string& name, const std::string& filter, const std::string& suffix)>;

class MainWindow : public QMainWindow, public SitePage, public StatusDisplay, public ChartFrameHost {
  Q_OBJECT
 public:
  explicit MainWindow(AppContext& ctx);
  ~MainWindow() override;

  // The first showing: status cleared, the site of the command line or the
  // stored one opened, a go-to request applied.
  void FirstShow();
  void ApplyGoToRequest(const std::string& text);
  // Releases the open site and empties the site selector (shut-down).
  void ReleaseAll();

  bool SelectSite(const std::string& name);
  bool SelectAirspacePage(const std::string& caption);
  int FindChartPage(const std::string& name) const;
  bool SelectChartPage(const std::string& name);
  void ShowReportPage();
  void SetStatus(const StatusUpdate& update) override;
  void SetProgress(int percent);
  void LayoutReportGrid();
  void IdleUpdate();

  // Commands.
  void DefineBatchCommand();
  void UpdateBatchCommand();
  void DeleteBatchCommand();
  void ShowBatchesCommand();
  void SetBatchStartCommand();
  void PropertiesCommand();
  void ModelDataCommand();
  void ShowModelDataCommand();
  void SaveAsModelCommand();
  void SaveDataCommand();
  void ExportDataCommand();
  void ShowHelp(int context);
  void RowDoubleClicked(int row);

  // The chart frame's host.
  void ShowAxisButtons(const AxisSelection& selection) override;
  void RunGuarded(const std::function<void()>& body) override { Guarded(body); }
  // The print a "-P" command line asked for, once the chart is shown.
  void RunAutoPrint();

  // SitePage and StatusDisplay.
  void SetSiteCaption(const std::string& caption) override;
  void SetDataSpan(const std::string& starts, const std::string& ends) override;
  void ShowPageArea() override;
  void ShowStatusMessage(const std::string& text) override;
  void ShowProgressPercent(int percent) override { SetProgress(percent); }

  void SetSaveFileChooser(SaveFileChooser chooser) { choose_save_file_ = std::move(chooser); }

  // For the screenshots and the tests.
  TSite* site() const { return site_.get(); }
  TAirspace* current_airspace() const { return current_; }
  ReportGridView& grid() const;
  AirspaceArea& airspace_area() const { return *area_; }
  QTabWidget* page_area() const { return PageControl1; }
  QComboBox* sites_combo() const { return SitesCombo; }
  QLabel* status_message() const { return StatusMsg; }
  QDateEdit* start_field() const { return StatusStartDT; }
  QDateEdit* end_field() const { return StatusEndDT; }
  QProgressBar* progress() const { return StatusProgress; }
  QAction* action(const QString& name) const;
  ChartFrame& chart_frame() const { return *chart_frame_; }
  QToolBar* chart_bar() const { return ChartOps; }
  QToolButton* left_axis_button() const { return LAxisBtn; }
  QToolButton* right_axis_button() const { return RAxisBtn; }
  QPushButton* start_button() const { return ChartStart1; }
  QPushButton* end_button() const { return ChartEnd1; }
  QLabel* status_date() const { return StatusDate; }
  QLabel* status_left() const { return StatusLVal; }
  QLabel* status_right() const { return StatusRVal; }
  NewBatchDlg& new_batch_dialog() const { return *new_batch_dlg_; }
  BatchStartDlg& batch_start_dialog() const { return *batch_start_dlg_; }
  EditPropsDlg& properties_dialog() const { return *props_dlg_; }
  ImportModelDlg& import_model_dialog() const { return *import_model_dlg_; }
  FrmExport& export_dialog() const { return *export_dlg_; }
  HelpWindow& help_window() const { return *help_; }
  bool show_batches() const { return show_batches_; }
  bool show_model() const;
  TView* current_view() const { return current_view_; }
  TBatch* current_batch() const { return current_batch_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  void CreateStatusBar();
  void CreatePages();
  void CreateChartBar();
  // Frees the open chart view and hides the frame.
  void ReleaseChart();
  // Opens the chart view of chart page k; false when the airspace cannot.
  bool OpenChartPage(int k, bool by_user);
  void CreateDialogs();
  void FillSiteSelector();

  void SitesComboChange();
  void OpenChosenSite(TRegSite& reg);
  void ReleaseSite();
  void PageChange(bool by_user);
  void AirspacePageChange(bool by_user);
  void ShowReport();
  void RefillGrid();
  void CellSelected(int row, int column);
  void ShowDateRange(TDateTime start, TDateTime end);
  void StoreColumnWidths();
  void ShowPopup(const QPoint& at);
  // Runs a command body, showing what it throws.
  void Guarded(const std::function<void()>& body);
  int SelectedRow() const;

  AppContext& ctx_;
  bool busy_ = false;
  bool first_shown_ = false;
  bool idle_armed_ = true;
  std::vector<std::unique_ptr<TRegSite>> reg_sites_;
  std::unique_ptr<TSite> site_;
  TAirspace* current_ = nullptr;
  TView* current_view_ = nullptr;
  TBatch* current_batch_ = nullptr;
  bool show_batches_ = false;
  int last_grid_width_ = -1;
  SaveFileChooser choose_save_file_;

  QComboBox* SitesCombo = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSite = nullptr;
  QLabel* SM3Label = nullptr;
  QLabel* lblSiteName = nullptr;
  QLabel* lblStarts = nullptr;
  QLabel* lblEnds = nullptr;
  AirspaceArea* area_ = nullptr;
  QToolBar* SiteBar = nullptr;
  QToolBar* ChartOps = nullptr;
  QToolButton* LAxisBtn = nullptr;
  QToolButton* RAxisBtn = nullptr;
  ChartFrame* chart_frame_ = nullptr;
  std::unique_ptr<TGraphObject> graph_;
  bool opening_chart_ = false;
  QLabel* StatusMsg = nullptr;
  QPushButton* ChartStart1 = nullptr;
  QDateEdit* StatusStartDT = nullptr;
  QPushButton* ChartEnd1 = nullptr;
  QDateEdit* StatusEndDT = nullptr;
  QLabel* StatusDate = nullptr;
  QLabel* StatusLVal = nullptr;
  QLabel* StatusRVal = nullptr;
  QProgressBar* StatusProgress = nullptr;
  QMenu* SiteMenu = nullptr;
  QMenu* AirspaceMenu = nullptr;
  QMenu* GridPopup = nullptr;

  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<EditPropsDlg> props_dlg_;
  std::unique_ptr<BatchStartDlg> batch_start_dlg_;
  std::unique_ptr<ImportModelDlg> import_model_dlg_;
  std::unique_ptr<NewBatchDlg> new_batch_dlg_;
  std::unique_ptr<FrmExport> export_dlg_;
};

}  // namespace sm
