// The report grid: a table view over ReportTableModel that draws its cells
// the report's way (colours, bold selected column, italic blue model values
// after the widest text, italic batch rows) and reports selection,
// double-clicks and right clicks on the selected row.
#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

#include "app/report_model.h"

namespace sm {

class ReportCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class ReportGridView : public QTableView {
  Q_OBJECT
 public:
  explicit ReportGridView(QWidget* parent = nullptr);
  ReportTableModel& report() { return model_; }
  int DefaultColumnWidth() const { return 64; }
  int DefaultRowHeight() const;
  // The row of the current selection, -1 when none.
  int SelectedRow() const;
  // Column widths as the window stores them (row captions and filler included).
  std::vector<int> ColumnWidthList() const;
  void ApplyColumnWidths(const std::vector<int>& widths);
  // Widens the columns whose model values would not fit beside the values.
  void WidenForModelValues();
  // Selects a body cell as a click would.
  void SelectCell(int row, int column);

 signals:
  void CellSelected(int row, int column);
  void RowDoubleClicked(int row);
  void PopupRequested(const QPoint& global_position);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  ReportTableModel model_;
  ReportCellDelegate delegate_;
};

}  // namespace sm
