// The airspace dialogs: Define a Batch, Edit Current Batch, Properties
// Editor and Import Model Data. Each is created once with the window; the
// window reads what they hold after they close with OK.
#pragma once

#include <QDialog>
#include <functional>

#include "airspace/properties.h"
#include "app/airspace_commands.h"
#include "app/checked_field.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace sm {

using HelpCallback = std::function<void(int context)>;

// "Define a Batch": start and end dates, kept between uses.
class NewBatchDlg : public QDialog {
  Q_OBJECT
 public:
  NewBatchDlg(const AppContext& ctx, QWidget* parent);
  CheckedField* edStart;
  CheckedField* edEnd;
  QPushButton* buttOk;
  QPushButton* buttCancel;
  // The two dates as whole days, read in the user's format.
  std::optional<std::pair<long long, long long>> Dates() const;
  void accept() override;

 private:
  const AppContext& ctx_;
};

// "Edit Current Batch": the new start of the live batch.
class BatchStartDlg : public QDialog {
  Q_OBJECT
 public:
  BatchStartDlg(const AppContext& ctx, HelpCallback help, QWidget* parent);
  CheckedField* edStart;
  QPushButton* buttOk;
  QPushButton* buttCancel;
  std::optional<long long> Day() const;
  void accept() override;

 private:
  const AppContext& ctx_;
};

// "Properties Editor": the airspace's site constants, one at a time.
class EditPropsDlg : public QDialog {
  Q_OBJECT
 public:
  EditPropsDlg(HelpCallback help, QWidget* parent);
  void Fill(PropertyValues values);
  const PropertyValues& Values() const { return values_; }
  QComboBox* cbProperty;
  CheckedField* edValue;
  QPushButton* buttOk;
  QPushButton* buttCancel;
  void accept() override;

 private:
  std::optional<QString> TakeValue(const QString& text);
  PropertyValues values_;
};

// "Import Model Data": the site's model files; OK only with one selected.
class ImportModelDlg : public QDialog {
  Q_OBJECT
 public:
  explicit ImportModelDlg(QWidget* parent);
  void Fill(const std::vector<std::string>& files);
  std::string SelectedFile() const;
  // OK is enabled while a file is selected (the idle update calls this too).
  void UpdateOk();
  QListWidget* lbFiles;
  QPushButton* buttOk;
  QPushButton* buttCancel;
  void accept() override;
};

}  // namespace sm
