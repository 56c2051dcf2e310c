#include "app/export_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

#include "app/airspace_commands.h"
#include "app/qt_dates.h"
#include "core/files.h"
#include "core/text.h"
#include "logdata/data_export.h"
#include "site/site.h"

namespace sm {

FrmExport::FrmExport(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setWindowTitle("Stallminder - Export Data");
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  lbSeries = new QListWidget(this);
  top->addWidget(lbSeries, 1);
  auto* right = new QVBoxLayout;
  auto* form = new QFormLayout;
  dtpStart = new QDateEdit(this);
  dtpEnd = new QDateEdit(this);
  for (QDateEdit* d : {dtpStart, dtpEnd}) {
    d->setCalendarPopup(true);
    d->setDisplayFormat(QtDateFormat(UserFormats(ctx)));
    d->setDate(ToQDate(ctx.Today()));
  }
  edIntv = new QLineEdit("900", this);
  edFile = new QLineEdit(this);
  edDir = new QLineEdit(this);
  cbxSiteField = new QCheckBox("Add Site &Column", this);
  form->addRow("&Start date", dtpStart);
  form->addRow("End da&te", dtpEnd);
  form->addRow("&Interval (seconds)", edIntv);
  form->addRow("&File Name", edFile);
  form->addRow("Di&rectory", edDir);
  form->addRow(cbxSiteField);
  right->addLayout(form);
  buttSelectAll = new QPushButton("Select &All", this);
  buttSelectNone = new QPushButton("Select &None", this);
  buttExport = new QPushButton("&Export", this);
  buttDone = new QPushButton("&Done", this);
  buttExport->setDefault(true);
  for (QPushButton* b : {buttSelectAll, buttSelectNone, buttExport, buttDone}) right->addWidget(b);
  right->addStretch();
  top->addLayout(right);
  layout->addLayout(top);
  auto* status = new QStatusBar(this);
  status->setSizeGripEnabled(false);
  ProgressBar1 = new QProgressBar(status);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  status->addWidget(ProgressBar1, 1);
  layout->addWidget(status);
  connect(buttSelectAll, &QPushButton::clicked, this, [this] { TickAll(true); });
  connect(buttSelectNone, &QPushButton::clicked, this, [this] { TickAll(false); });
  connect(buttExport, &QPushButton::clicked, this, [this] { buttExportClick(); });
  connect(buttDone, &QPushButton::clicked, this, &QDialog::reject);
  resize(560, 420);
}

void FrmExport::Prepare(TSite& site) {
  site_ = &site;
  std::string parent = site.folder.substr(0, site.folder.find_last_of('/') + 1);
  edDir->setText(QString::fromStdString(parent + "Export"));
  edFile->setText(QString::fromStdString(FileNameOf(site.folder) + ".CSV"));
  TMyLogMgr& mgr = *site.log_mgr;
  if (mgr.Handle()) {
    dtpStart->setDate(ToQDate(std::round(mgr.Start())));
    dtpEnd->setDate(ToQDate(std::round(mgr.End())));
  }
  lbSeries->clear();
  for (const std::string& name : mgr.Names()) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), lbSeries);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  cbxSiteField->setChecked(false);
}

void FrmExport::TickAll(bool ticked) {
  for (int i = 0; i < lbSeries->count(); ++i) lbSeries->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool FrmExport::buttExportClick() {
  if (!site_) return false;
  ProgressBar1->setValue(0);
  BusyScope busy(ctx_.ui);
  try {
    long long interval;
    if (!TryParseInt(Trim(edIntv->text().toStdString()), interval) || interval > 1000000000)
      throw std::runtime_error("'" + edIntv->text().toStdString() + "' is not a valid integer value");
    ExportOptions o;
    o.start_date = FromQDate(dtpStart->date());
    o.end_date = FromQDate(dtpEnd->date());
    o.interval = static_cast<int>(interval);
    for (int i = 0; i < lbSeries->count(); ++i) o.ticked.push_back(lbSeries->item(i)->checkState() == Qt::Checked);
    if (cbxSiteField->isChecked()) o.site_column = FileNameOf(site_->folder);
    o.date_formats = ctx_.formats.LocaleFormats();
    o.decimal_separator = ctx_.formats.Current().decimal_separator;
    ExportDataToFile(*site_->log_mgr, o, WithTrailingSlash(edDir->text().toStdString()), edFile->text().toStdString(),
                     [this](int percent) { ProgressBar1->setValue(percent); });
    ProgressBar1->setValue(0);
    return true;
  } catch (const std::exception& e) {
    ProgressBar1->setValue(0);
    ctx_.ui.ShowMessage(e.what(), MessageKind::Error, kButtonOk);
    return false;
  }
}

void FrmExport::hideEvent(QHideEvent* event) {
  lbSeries->clear();
  QDialog::hideEvent(event);
}

}  // namespace sm
