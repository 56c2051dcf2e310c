// The report grid's table model: row 0 the headers, column 0 the row
// captions, then one column per report item and the filler column, as the
// report's grid model lays them out. Only body cells can be selected.
#pragma once

#include <QAbstractTableModel>

#include "airspace/report.h"

namespace sm {

class ReportTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Role {
    kModelTextRole = Qt::UserRole + 1,  // the model value shown beside a view value
    kWidestTextRole,                    // widest text + " " + units: where the model value goes
    kRowKindRole,
  };
  enum class RowKind { Header, View, Batch };

  void SetReport(TAirspace* airspace, ReportGrid grid);
  void Clear() { SetReport(nullptr, {}); }
  void SetShowModel(bool show);
  void SetSelectedColumn(int column);
  // Repaints every cell after the airspace's texts changed.
  void Refresh();

  TAirspace* airspace() const { return airspace_; }
  const ReportGrid& grid() const { return grid_; }
  bool show_model() const { return show_model_; }
  int selected_column() const { return selected_column_; }
  RowKind KindOf(int row) const;
  bool IsBodyCell(int row, int column) const;
  bool IsBatchRow(int row) const { return KindOf(row) == RowKind::Batch; }
  // The view of a view row, the batch of a batch row; null otherwise.
  TView* ViewAt(int row) const;
  TBatch* BatchAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  QVariant Text(int row, int column) const;
  QVariant Colour(int row, int column) const;
  QString ModelText(int row, int column) const;

  TAirspace* airspace_ = nullptr;
  ReportGrid grid_;
  bool show_model_ = false;
  int selected_column_ = -1;
};

}  // namespace sm
