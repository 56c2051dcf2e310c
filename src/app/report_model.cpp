#include "app/report_model.h"

#include <QColor>
#include <QFont>

namespace sm {

void ReportTableModel::SetReport(TAirspace* airspace, ReportGrid grid) {
  beginResetModel();
  airspace_ = airspace;
  grid_ = std::move(grid);
  if (selected_column_ >= grid_.ColumnCount() - 1) selected_column_ = -1;
  endResetModel();
}

void ReportTableModel::SetShowModel(bool show) {
  show_model_ = show;
  Refresh();
}

void ReportTableModel::SetSelectedColumn(int column) {
  selected_column_ = column;
  Refresh();
}

void ReportTableModel::Refresh() {
  if (rowCount() > 0 && columnCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

ReportTableModel::RowKind ReportTableModel::KindOf(int row) const {
  if (row <= 0 || !airspace_) return RowKind::Header;
  return static_cast<size_t>(row) <= airspace_->views.size() ? RowKind::View : RowKind::Batch;
}

bool ReportTableModel::IsBodyCell(int row, int column) const {
  return airspace_ && row >= 1 && row < rowCount() && column >= 1 && column < columnCount() - 1;
}

TView* ReportTableModel::ViewAt(int row) const {
  if (KindOf(row) != RowKind::View) return nullptr;
  return airspace_->views[static_cast<size_t>(row - 1)].get();
}

TBatch* ReportTableModel::BatchAt(int row) const {
  if (KindOf(row) != RowKind::Batch || row >= rowCount()) return nullptr;
  size_t i = static_cast<size_t>(row - 1) - airspace_->views.size();
  return i < airspace_->batches.size() ? airspace_->batches[i].get() : nullptr;
}

int ReportTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.RowCount(); }

int ReportTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.ColumnCount();
}

QVariant ReportTableModel::Text(int row, int column) const {
  if (row == 0) return QString::fromStdString(grid_.headers[static_cast<size_t>(column)]);
  if (column == 0) return QString::fromStdString(grid_.row_captions[static_cast<size_t>(row)]);
  if (!IsBodyCell(row, column)) return QString();
  return QString::fromStdString(CellText(*airspace_, row, column));
}

QString ReportTableModel::ModelText(int row, int column) const {
  TView* view = ViewAt(row);
  if (!show_model_ || !view || !view->has_model_texts || !IsBodyCell(row, column)) return {};
  const size_t item = static_cast<size_t>(column - 1);
  if (item < view->value_texts.size() && view->value_texts[item] == "N/A") return {};
  const auto& values = view->model_texts[1];
  return item < values.size() ? QString::fromStdString(values[item]) : QString();
}

QVariant ReportTableModel::Colour(int row, int column) const {
  TView* view = ViewAt(row);
  if (!view || !IsBodyCell(row, column)) return QColor(Qt::black);
  const size_t item = static_cast<size_t>(column - 1);
  auto text = [&](const std::vector<std::string>& texts) { return item < texts.size() ? texts[item] : std::string(); };
  const bool with_model = show_model_ && view->has_model_texts;
  CellColour c = ViewCellColour(text(view->value_texts), with_model ? text(view->model_texts[0]) : "",
                                with_model ? text(view->model_texts[1]) : "",
                                with_model ? text(view->model_texts[2]) : "", with_model);
  return QColor(c.r, c.g, c.b);
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row(), column = index.column();
  switch (role) {
    case Qt::DisplayRole: return Text(row, column);
    case Qt::ForegroundRole: return Colour(row, column);
    case Qt::ToolTipRole:
      if (row == 0 && IsBodyCell(1, column))
        return QString::fromStdString(airspace_->report_items[static_cast<size_t>(column - 1)]->description);
      return {};
    case Qt::FontRole: {
      QFont font;
      if (!IsBodyCell(row, column)) return {};
      font.setItalic(KindOf(row) == RowKind::Batch);
      font.setBold(column == selected_column_);
      return font;
    }
    case kModelTextRole: return ModelText(row, column);
    case kWidestTextRole:
      if (!IsBodyCell(row, column)) return {};
      {
        const auto& item = *airspace_->report_items[static_cast<size_t>(column - 1)];
        return QString::fromStdString(item.widest_text + " " + item.units);
      }
    case kRowKindRole: return static_cast<int>(KindOf(row));
    default: return {};
  }
}

Qt::ItemFlags ReportTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (!IsBodyCell(index.row(), index.column())) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace sm
