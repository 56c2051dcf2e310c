// "Edit Chart": a pane's axis titles, units, bounds and height share.
#pragma once

#include <QDialog>

#include "charts/pane_edit.h"

class QGroupBox;
class QPushButton;

namespace sm {

class AppContext;
class CheckedField;

class ChartEditDlg : public QDialog {
  Q_OBJECT
 public:
  ChartEditDlg(const AppContext& ctx, QWidget* parent);

  // Fills the fields from the pane and shows the dialog; false on Cancel.
  bool Run(const TMyChart& pane);
  // Fills the fields without showing the dialog (tests drive it then).
  void Fill(const TMyChart& pane);
  PaneFields Fields() const;
  void accept() override;

  CheckedField* edLeftTitle;
  CheckedField* edLeftUnits;
  CheckedField* edLeftMin;
  CheckedField* edLeftMax;
  CheckedField* edHeight;
  CheckedField* edRightTitle;
  CheckedField* edRightUnits;
  CheckedField* edRightMin;
  CheckedField* edRightMax;
  QGroupBox* RightAxisGroup;
  QPushButton* buttSave;
  QPushButton* buttCancel;

 private:
  // The field holding each parameter, in parameter order.
  std::array<CheckedField*, 9> by_param_{};
};

}  // namespace sm
