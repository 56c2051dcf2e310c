#include "app/main_window.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QFileDialog>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/airspace_area.h"
#include "app/airspace_commands.h"
#include "app/airspace_dialogs.h"
#include "app/export_dialog.h"
#include "app/help_window.h"
#include "app/qt_dates.h"
#include "app/window_state.h"
#include "core/files.h"
#include "core/text_editor.h"
#include "core/version.h"
#include "download/http_client.h"

namespace sm {
namespace {

struct ActionSpec {
  const char* name;
  const char* caption;
  const char* hint = "";
};

// Every command of the menus, the tool bars and the grid's pop-up menu,
// found again by name.
constexpr ActionSpec kActions[] = {
    {"AddRemoveSite", "Add/Re&move Site..."}, {"Download", "&Download data..."},
    {"ViewDownloadLog", "View Download &Log..."}, {"ExportData", "&Export Data ..."},
    {"PrinterSetup", "&Printer Setup ..."}, {"Preferences", "Preferen&ces ..."},
    {"Exit", "E&xit", "Exit Stallminder"}, {"RestoreDefaults", "&Restore Defaults"},
    {"EditSiteIni", "Edit Site.&ini..."}, {"RunNodax", "Run &Nodax..."}, {"SaveData", "&Save Data ..."},
    {"DefineBatch", "&Define Batch..."}, {"UpdateBatch", "&Update Batch"}, {"DeleteBatch", "De&lete Batch"},
    {"ShowBatches", "Sho&w Batches"}, {"Properties", "&Properties"}, {"CsvEditor", "CS&V Editor...", "Run CSV Editor"},
    {"ResetToolbars", "Reset &Toolbars"}, {"HelpContents", "&Contents"}, {"HelpIndex", "&Index"},
    {"I2S", "I&2S"}, {"About", "&About..."}, {"SetBatchStart", "Set Batch Start ..."},
    {"ModelData", "Model Data..."}, {"ShowModelData", "Show Model Data..."}, {"SaveAsModel", "Save As Model..."},
    {"PopupDelete", "Delete"}, {"PopupUpdate", "Update"}, {"ToReport", "ToReport"},
};


}  // namespace

MainWindow::MainWindow(AppContext& ctx) : ctx_(ctx) {
  ctx_.http = CreateHttpClient(ctx_);
  setObjectName("Form1");
  setWindowTitle("Stallminder");
  CreateActions();
  CreateMenus();
  CreatePages();
  CreateToolBars();
  CreateStatusBar();
  CreateChartBar();
  CreateDialogs();
  FillSiteSelector();
  choose_save_file_ = [this](const std::string& folder, const std::string& name, const std::string& filter,
                             const std::string& suffix) -> std::optional<std::string> {
    QFileDialog dialog(this, "Save As", QString::fromStdString(folder), QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(suffix));
    dialog.selectFile(QString::fromStdString(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
  };
  resize(1000, 640);
  // The idle update runs when the event queue runs dry, once per wake-up.
  auto* dispatcher = QAbstractEventDispatcher::instance();
  connect(dispatcher, &QAbstractEventDispatcher::awake, this, [this] { idle_armed_ = true; });
  connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
    if (!idle_armed_) return;
    idle_armed_ = false;
    IdleUpdate();
  });
}

MainWindow::~MainWindow() { ReleaseAll(); }

QAction* MainWindow::action(const QString& name) const { return findChild<QAction*>(name); }

ReportGridView& MainWindow::grid() const { return area_->grid(); }

void MainWindow::CreateActions() {
  for (const ActionSpec& entry : kActions) {
    auto* a = new QAction(entry.caption, this);
    a->setObjectName(entry.name);
    if (*entry.hint) a->setStatusTip(entry.hint);
  }
  action("ShowBatches")->setCheckable(true);
  action("ShowModelData")->setCheckable(true);
  action("I2S")->setVisible(false);
  action("CsvEditor")->setEnabled(FileExists(ctx_.folders.program + "csved.exe"));
  // Commands whose windows come with their own issues stay disabled here.
  for (const char* later : {"AddRemoveSite", "Download", "Preferences", "I2S", "PrinterSetup", "ResetToolbars"})
    action(later)->setEnabled(false);

  auto on = [this](const char* name, auto body) { connect(action(name), &QAction::triggered, this, body); };
  on("Exit", [this] { close(); });
  on("ExportData", [this] { ExportDataCommand(); });
  on("EditSiteIni", [this] { if (site_) site_->EditSiteIni(); });
  on("RunNodax", [this] { if (site_) site_->RunNodax(); });
  on("SaveData", [this] { SaveDataCommand(); });
  on("DefineBatch", [this] { DefineBatchCommand(); });
  on("UpdateBatch", [this] { UpdateBatchCommand(); });
  on("PopupUpdate", [this] { UpdateBatchCommand(); });
  on("DeleteBatch", [this] { DeleteBatchCommand(); });
  on("PopupDelete", [this] { DeleteBatchCommand(); });
  on("ShowBatches", [this] { ShowBatchesCommand(); });
  on("Properties", [this] { PropertiesCommand(); });
  on("SetBatchStart", [this] { SetBatchStartCommand(); });
  on("ModelData", [this] { ModelDataCommand(); });
  on("ShowModelData", [this] { ShowModelDataCommand(); });
  on("SaveAsModel", [this] { SaveAsModelCommand(); });
  on("ToReport", [this] { ShowReportPage(); });
  on("HelpContents", [this] { ShowHelp(1); });
  on("HelpIndex", [this] { ShowHelp(1); });
  on("ViewDownloadLog", [this] {
    std::string log = ctx_.folders.main_log_dir + "smdownload.txt";
    if (FileExists(log))
      OpenInTextEditor(ctx_.ui, log);
    else
      ctx_.ui.ShowPlainMessage("There is currently no download log available for viewing");
  });
  on("CsvEditor", [this] {
    ctx_.ui.StartProgram(ctx_.folders.program + "csved.exe", {site_ ? site_->folder : std::string()});
  });
  on("About", [this] {
    QMessageBox::about(this, "About Stallminder",
                       QString::fromStdString("Stallminder\nVersion " + VersionInfoString("FileVersion")));
  });
}

void MainWindow::CreateMenus() {
  auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
    for (const char* n : names) {
      if (std::string_view(n) == "-")
        menu->addSeparator();
      else
        menu->addAction(action(n));
    }
  };
  add(menuBar()->addMenu("&File"), {"AddRemoveSite", "-", "Download", "ViewDownloadLog", "ExportData", "-",
                                    "PrinterSetup", "Preferences", "Exit"});
  SiteMenu = menuBar()->addMenu("&Site");
  add(SiteMenu, {"RestoreDefaults", "EditSiteIni", "RunNodax"});
  action("RestoreDefaults")->setEnabled(false);
  AirspaceMenu = menuBar()->addMenu("&Airspace");
  add(AirspaceMenu, {"SaveData", "-", "DefineBatch", "UpdateBatch", "DeleteBatch", "-", "ShowBatches", "Properties"});
  add(menuBar()->addMenu("&Tools"), {"CsvEditor", "ResetToolbars"});
  add(menuBar()->addMenu("&Help"), {"HelpContents", "HelpIndex", "-", "I2S", "About"});
  GridPopup = new QMenu(this);
  add(GridPopup, {"SetBatchStart", "ModelData", "ShowModelData", "SaveAsModel", "PopupDelete", "PopupUpdate"});
}

void MainWindow::CreateToolBars() {
  SiteBar = addToolBar("Site");
  SiteBar->setObjectName("SiteBar");
  SiteBar->addWidget(new QLabel(" Site ", SiteBar));
  SitesCombo = new QComboBox(SiteBar);
  SitesCombo->setObjectName("SitesCombo");
  SitesCombo->setFixedWidth(123);
  SiteBar->addWidget(SitesCombo);
  SiteBar->addAction(action("Download"));
  SiteBar->addAction(action("RunNodax"));
  SiteBar->addAction(action("Exit"));
  connect(SitesCombo, &QComboBox::currentIndexChanged, this, [this] { SitesComboChange(); });

}

void MainWindow::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar");
  StatusMsg = new QLabel(bar);
  StatusMsg->setObjectName("StatusMsg");
  StatusMsg->setMinimumWidth(200);
  ChartStart1 = new QPushButton("Start", bar);
  StatusStartDT = new QDateEdit(bar);
  StatusStartDT->setFixedWidth(129);
  ChartEnd1 = new QPushButton("End", bar);
  StatusEndDT = new QDateEdit(bar);
  StatusEndDT->setFixedWidth(131);
  for (QDateEdit* d : {StatusStartDT, StatusEndDT}) {
    d->setDisplayFormat(QtDateFormat(UserFormats(ctx_)));
    d->setReadOnly(true);
    d->setCalendarPopup(true);
  }
  StatusDate = new QLabel(bar);
  StatusLVal = new QLabel(bar);
  StatusRVal = new QLabel(bar);
  StatusProgress = new QProgressBar(bar);
  StatusProgress->setRange(0, 100);
  StatusProgress->setValue(0);
  StatusProgress->setMaximumWidth(120);
  StatusProgress->setTextVisible(false);
  bar->addWidget(StatusMsg, 1);
  for (QWidget* w : std::initializer_list<QWidget*>{ChartStart1, StatusStartDT, ChartEnd1, StatusEndDT, StatusDate,
                                                    StatusLVal, StatusRVal, StatusProgress})
    bar->addPermanentWidget(w);
}

void MainWindow::CreatePages() {
  auto* client = new QWidget(this);
  client->setObjectName("ClientPanel");
  setCentralWidget(client);
  SM3Label = new QLabel("Stallminder 3", client);
  SM3Label->setAlignment(Qt::AlignCenter);
  QFont title("Times New Roman");
  title.setPixelSize(60);
  SM3Label->setFont(title);
  SM3Label->setStyleSheet("color: grey");

  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(0, 0, 0, 0);
  PageControl1 = new QTabWidget(client);
  PageControl1->setObjectName("PageControl1");
  layout->addWidget(PageControl1);
  PageControl1->hide();

  TabSite = new QWidget(PageControl1);
  auto* site_layout = new QVBoxLayout(TabSite);
  lblSiteName = new QLabel(TabSite);
  QFont name_font = lblSiteName->font();
  name_font.setPointSize(name_font.pointSize() + 6);
  name_font.setBold(true);
  lblSiteName->setFont(name_font);
  site_layout->addWidget(lblSiteName);
  auto* data = new QGroupBox(" Data  ", TabSite);
  auto* data_layout = new QGridLayout(data);
  data_layout->addWidget(new QLabel("Starts", data), 0, 0);
  data_layout->addWidget(lblStarts = new QLabel(data), 0, 1);
  data_layout->addWidget(new QLabel("Ends", data), 1, 0);
  data_layout->addWidget(lblEnds = new QLabel(data), 1, 1);
  data_layout->setColumnStretch(1, 1);
  site_layout->addWidget(data);
  auto* news = new QLabel("Stallminder News Not Available", TabSite);
  news->setAlignment(Qt::AlignCenter);
  news->setFrameShape(QFrame::StyledPanel);
  site_layout->addWidget(news, 1);
  PageControl1->addTab(TabSite, "Site");

  area_ = new AirspaceArea(client);
  area_->hide();
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageChange(true); });
  connect(area_, &QTabWidget::currentChanged, this, [this] { AirspacePageChange(true); });
  ReportGridView& g = area_->grid();
  connect(&g, &ReportGridView::CellSelected, this, [this](int r, int c) { CellSelected(r, c); });
  connect(&g, &ReportGridView::RowDoubleClicked, this, [this](int r) { RowDoubleClicked(r); });
  connect(&g, &ReportGridView::PopupRequested, this, [this](const QPoint& at) { ShowPopup(at); });
}

void MainWindow::CreateDialogs() {
  // Created once, in the program's order; they keep their texts between uses.
  HelpCallback help = [this](int context) { ShowHelp(context); };
  help_ = std::make_unique<HelpWindow>(HelpFolder(ctx_.folders.program), this);
  props_dlg_ = std::make_unique<EditPropsDlg>(help, this);
  batch_start_dlg_ = std::make_unique<BatchStartDlg>(ctx_, help, this);
  import_model_dlg_ = std::make_unique<ImportModelDlg>(this);
  new_batch_dlg_ = std::make_unique<NewBatchDlg>(ctx_, this);
  export_dlg_ = std::make_unique<FrmExport>(ctx_, this);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!first_shown_) {
    first_shown_ = true;
    FirstShow();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  SaveWindowState(*this, ctx_);
  QMainWindow::closeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // The title label sits centred behind the page area.
  QWidget* panel = centralWidget();
  SM3Label->setGeometry(0, panel->height() / 2 - SM3Label->sizeHint().height() / 2, panel->width(),
                        SM3Label->sizeHint().height());
  SM3Label->lower();
}

void MainWindow::ShowHelp(int context) { help_->ShowContext(context); }

void MainWindow::SetStatus(const StatusUpdate& u) {
  auto put = [](QLabel* label, const std::string& text) {
    if (text != "-") label->setText(QString::fromStdString(text));
  };
  put(StatusMsg, u.message);
  put(StatusLVal, u.left);
  put(StatusRVal, u.right);
  put(StatusDate, u.date);
  if (u.date_time >= 0) {
    const FormatSettings& f = ctx_.formats.Current();
    StatusDate->setText(QString::fromStdString(DateToStr(u.date_time, f) + " " +
                                               FormatDateTime(f.short_time, u.date_time, f)));
  }
  for (auto [field, value] : {std::pair{StatusStartDT, u.start}, std::pair{StatusEndDT, u.end}}) {
    if (value < 0) continue;
    QSignalBlocker block(field);
    field->setDate(ToQDate(value));
  }
}

void MainWindow::SetProgress(int percent) { StatusProgress->setValue(std::clamp(percent, 0, 100)); }

void MainWindow::ShowStatusMessage(const std::string& text) {
  StatusMsg->setText(QString::fromStdString(text));
}

void MainWindow::SetSiteCaption(const std::string& caption) { lblSiteName->setText(QString::fromStdString(caption)); }

void MainWindow::SetDataSpan(const std::string& starts, const std::string& ends) {
  lblStarts->setText(QString::fromStdString(starts));
  lblEnds->setText(QString::fromStdString(ends));
}

void MainWindow::ShowPageArea() { PageControl1->show(); }

}  // namespace sm
