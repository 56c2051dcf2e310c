// "Stallminder - Export Data": ticks the site's catalogued series, a date
// range, an interval and a file, and writes the export.
#pragma once

#include <QDialog>

#include "core/app_context.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace sm {

class TSite;

class FrmExport : public QDialog {
  Q_OBJECT
 public:
  FrmExport(AppContext& ctx, QWidget* parent);
  // FormShow: the site's defaults; then shown modally.
  void Prepare(TSite& site);
  // buttExportClick: the export with the busy cursor and progress; failures
  // are shown and the dialog stays open. True when the file was written.
  bool buttExportClick();

  QListWidget* lbSeries;
  QPushButton* buttSelectAll;
  QPushButton* buttSelectNone;
  QPushButton* buttExport;
  QPushButton* buttDone;
  QDateEdit* dtpStart;
  QDateEdit* dtpEnd;
  QLineEdit* edIntv;
  QLineEdit* edFile;
  QLineEdit* edDir;
  QCheckBox* cbxSiteField;
  QProgressBar* ProgressBar1;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void TickAll(bool ticked);
  AppContext& ctx_;
  TSite* site_ = nullptr;
};

}  // namespace sm
