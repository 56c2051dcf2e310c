#include "app/chart_edit_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/checked_field.h"
#include "charts/chart_definition.h"
#include "core/app_context.h"

namespace sm {

ChartEditDlg::ChartEditDlg(const AppContext& ctx, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Edit Chart");
  setModal(true);
  auto any = [](const QString& text) -> std::optional<QString> { return text; };
  auto height = [](const QString& text) -> std::optional<QString> {
    if (!IsValidHeightText(text.toStdString())) return std::nullopt;
    return text;
  };
  auto bound = [&ctx](const QString& text) -> std::optional<QString> {
    if (!IsValidBoundText(text.toStdString(), ctx.formats.Current().decimal_separator)) return std::nullopt;
    return text;
  };
  auto field = [this](CheckedField::Check check, const char* name) {
    auto* f = new CheckedField(std::move(check), this);
    f->setObjectName(name);
    return f;
  };
  edLeftTitle = field(any, "edLeftTitle");
  edLeftUnits = field(any, "edLeftUnits");
  edLeftMin = field(bound, "edLeftMin");
  edLeftMax = field(bound, "edLeftMax");
  edHeight = field(height, "edHeight");
  edRightTitle = field(any, "edRightTitle");
  edRightUnits = field(any, "edRightUnits");
  edRightMin = field(bound, "edRightMin");
  edRightMax = field(bound, "edRightMax");
  by_param_ = {edLeftTitle, edLeftUnits, edRightTitle, edRightUnits, edHeight,
               edLeftMin,   edLeftMax,   edRightMin,   edRightMax};

  auto group = [this](const char* caption, std::initializer_list<std::pair<const char*, CheckedField*>> rows) {
    auto* box = new QGroupBox(caption, this);
    auto* form = new QFormLayout(box);
    for (const auto& [label, f] : rows) form->addRow(label, f);
    return box;
  };
  auto* left = group("Left Axis", {{"Title", edLeftTitle}, {"Units", edLeftUnits}, {"Minimum", edLeftMin},
                                   {"Maximum", edLeftMax}});
  auto* general = group("General", {{"Height (%)", edHeight}});
  RightAxisGroup = group("Right Axis", {{"Title", edRightTitle}, {"Units", edRightUnits}, {"Minimum", edRightMin},
                                        {"Maximum", edRightMax}});
  buttSave = new QPushButton("&Save and Exit", this);
  buttCancel = new QPushButton("Cancel", this);
  buttSave->setDefault(true);
  for (CheckedField* f : by_param_) f->SetEscapeWidget(buttCancel);
  connect(buttSave, &QPushButton::clicked, this, &QDialog::accept);
  connect(buttCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* columns = new QHBoxLayout;
  auto* middle = new QVBoxLayout;
  middle->addWidget(general);
  middle->addStretch();
  columns->addWidget(left);
  columns->addLayout(middle);
  columns->addWidget(RightAxisGroup);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(buttSave);
  buttons->addWidget(buttCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
}

void ChartEditDlg::Fill(const TMyChart& pane) {
  const PaneFields fields = EditFieldsOf(pane);
  for (size_t i = 0; i < fields.size(); ++i) by_param_[i]->setText(QString::fromStdString(fields[i]));
  RightAxisGroup->setEnabled(pane.HasRightAxis);
}

bool ChartEditDlg::Run(const TMyChart& pane) {
  Fill(pane);
  if (parentWidget()) move(parentWidget()->window()->geometry().center() - rect().center());
  return exec() == QDialog::Accepted;
}

PaneFields ChartEditDlg::Fields() const {
  PaneFields fields;
  for (size_t i = 0; i < fields.size(); ++i) fields[i] = by_param_[i]->text().toStdString();
  return fields;
}

void ChartEditDlg::accept() {
  // The field being left has not been checked yet when Enter is pressed.
  for (CheckedField* f : by_param_)
    if (f->isEnabled() && !f->CheckNow()) return;
  QDialog::accept();
}

}  // namespace sm
