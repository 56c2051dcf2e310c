#include "app/airspace_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text.h"

namespace sm {
namespace {

// OK and Cancel (and Help when a context is given) below the fields.
QDialogButtonBox* AddButtons(QDialog* dialog, QVBoxLayout* layout, QPushButton*& ok, QPushButton*& cancel,
                             const HelpCallback& help = {}, int help_context = 0) {
  auto* box = new QDialogButtonBox(dialog);
  ok = box->addButton("OK", QDialogButtonBox::AcceptRole);
  cancel = box->addButton("Cancel", QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  if (help) {
    QPushButton* h = box->addButton("Help", QDialogButtonBox::HelpRole);
    QObject::connect(h, &QPushButton::clicked, dialog, [help, help_context] { help(help_context); });
  }
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  layout->addWidget(box);
  return box;
}

std::optional<long long> DayOf(const QString& text, const AppContext& ctx) {
  std::optional<TypedDate> date = ReadTypedDate(text.toStdString(), ctx);
  if (!date) return std::nullopt;
  return static_cast<long long>(Truncate(date->date));
}

}  // namespace

NewBatchDlg::NewBatchDlg(const AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setWindowTitle("Define a Batch");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  edStart = new CheckedField(TypedDateCheck(ctx), this);
  edEnd = new CheckedField(TypedDateCheck(ctx), this);
  form->addRow("Batch Start", edStart);
  form->addRow("Batch End", edEnd);
  layout->addLayout(form);
  AddButtons(this, layout, buttOk, buttCancel);
  edStart->SetEscapeWidget(buttCancel);
  edEnd->SetEscapeWidget(buttCancel);
}

std::optional<std::pair<long long, long long>> NewBatchDlg::Dates() const {
  auto start = DayOf(edStart->text(), ctx_), end = DayOf(edEnd->text(), ctx_);
  if (!start || !end) return std::nullopt;
  return std::make_pair(*start, *end);
}

void NewBatchDlg::accept() {
  if (edStart->CheckNow() && edEnd->CheckNow()) QDialog::accept();
}

BatchStartDlg::BatchStartDlg(const AppContext& ctx, HelpCallback help, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setWindowTitle("Edit Current Batch");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("New  Batch Start Date", this));
  edStart = new CheckedField(TypedDateCheck(ctx), this);
  layout->addWidget(edStart);
  AddButtons(this, layout, buttOk, buttCancel, help, 15);
  edStart->SetEscapeWidget(buttCancel);
}

std::optional<long long> BatchStartDlg::Day() const { return DayOf(edStart->text(), ctx_); }

void BatchStartDlg::accept() {
  if (edStart->CheckNow()) QDialog::accept();
}

EditPropsDlg::EditPropsDlg(HelpCallback help, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Properties Editor");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  cbProperty = new QComboBox(this);
  edValue = new CheckedField([this](const QString& text) { return TakeValue(text); }, this);
  form->addRow("Property", cbProperty);
  form->addRow("Value", edValue);
  layout->addLayout(form);
  AddButtons(this, layout, buttOk, buttCancel, help, 14);
  edValue->SetEscapeWidget(buttCancel);
  connect(cbProperty, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i >= 0 && static_cast<size_t>(i) < values_.size())
      edValue->setText(QString::fromStdString(values_[static_cast<size_t>(i)].second));
  });
}

void EditPropsDlg::Fill(PropertyValues values) {
  values_ = std::move(values);
  QSignalBlocker block(cbProperty);
  cbProperty->clear();
  for (const auto& [name, value] : values_) cbProperty->addItem(QString::fromStdString(name));
  cbProperty->setCurrentIndex(-1);
  edValue->clear();
}

std::optional<QString> EditPropsDlg::TakeValue(const QString& text) {
  const int i = cbProperty->currentIndex();
  double number;
  if (i < 0 || !TryParseDouble(Trim(text.toStdString()), number)) return std::nullopt;
  values_[static_cast<size_t>(i)].second = text.toStdString();
  return text;
}

void EditPropsDlg::accept() {
  // An untouched field holds nothing new; a typed one must be a number.
  if (cbProperty->currentIndex() < 0 || edValue->CheckNow()) QDialog::accept();
}

ImportModelDlg::ImportModelDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Import Model Data");
  auto* layout = new QVBoxLayout(this);
  lbFiles = new QListWidget(this);
  layout->addWidget(lbFiles);
  AddButtons(this, layout, buttOk, buttCancel);
  connect(lbFiles, &QListWidget::itemSelectionChanged, this, &ImportModelDlg::UpdateOk);
  connect(lbFiles, &QListWidget::itemDoubleClicked, this, &ImportModelDlg::accept);
}

void ImportModelDlg::Fill(const std::vector<std::string>& files) {
  lbFiles->clear();
  for (const std::string& f : files) lbFiles->addItem(QString::fromStdString(f));
  UpdateOk();
}

std::string ImportModelDlg::SelectedFile() const {
  QList<QListWidgetItem*> chosen = lbFiles->selectedItems();
  return chosen.isEmpty() ? std::string() : chosen.front()->text().toStdString();
}

void ImportModelDlg::UpdateOk() { buttOk->setEnabled(!SelectedFile().empty()); }

void ImportModelDlg::accept() {
  // Without a selection OK answers Cancel.
  if (SelectedFile().empty())
    reject();
  else
    QDialog::accept();
}

}  // namespace sm
