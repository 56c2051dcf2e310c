#include "app/report_grid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

namespace sm {

void ReportCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const auto* model = static_cast<const ReportTableModel*>(index.model());
  const QRect r = option.rect;
  painter->save();
  if (!model->IsBodyCell(index.row(), index.column())) {
    // Header row, caption column and filler: fixed cells.
    const bool filler = index.column() == model->columnCount() - 1 && index.row() > 0;
    painter->fillRect(r, filler ? option.palette.base() : option.palette.button());
    painter->setPen(option.palette.mid().color());
    painter->drawRect(r.adjusted(0, 0, -1, -1));
    painter->setPen(option.palette.buttonText().color());
    painter->drawText(r.adjusted(2, 2, -1, -1), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    painter->restore();
    return;
  }
  const bool selected = option.state & QStyle::State_Selected;
  QFont font = option.font;
  if (QVariant f = index.data(Qt::FontRole); f.isValid()) font = f.value<QFont>();
  if (selected) font.setBold(true);
  painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
  painter->setPen(option.palette.midlight().color());
  painter->drawLine(r.bottomLeft(), r.bottomRight());
  painter->drawLine(r.topRight(), r.bottomRight());
  painter->setFont(font);
  painter->setPen(selected ? QColor(Qt::white) : index.data(Qt::ForegroundRole).value<QColor>());
  const QRect text_rect = r.adjusted(2, 2, 0, 0);
  painter->drawText(text_rect, Qt::AlignLeft | Qt::AlignTop, index.data().toString());

  const QString model_text = index.data(ReportTableModel::kModelTextRole).toString();
  if (!model_text.isEmpty()) {
    const int w = 2 + QFontMetrics(font).horizontalAdvance(index.data(ReportTableModel::kWidestTextRole).toString());
    QFont italic = font;
    italic.setItalic(true);
    if (italic.pointSizeF() > 1) italic.setPointSizeF(italic.pointSizeF() - 1);
    painter->setFont(italic);
    painter->setPen(selected ? QColor(Qt::white) : QColor(Qt::blue));
    painter->drawText(r.adjusted(2 + w + 6, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, model_text);
  }
  painter->restore();
}

ReportGridView::ReportGridView(QWidget* parent) : QTableView(parent), delegate_(this) {
  setObjectName("Grid");
  setModel(&model_);
  setItemDelegate(&delegate_);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setShowGrid(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setMouseTracking(true);
  verticalHeader()->setDefaultSectionSize(DefaultRowHeight());
  horizontalHeader()->setDefaultSectionSize(DefaultColumnWidth());
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
    if (current.isValid() && model_.IsBodyCell(current.row(), current.column()))
      emit CellSelected(current.row(), current.column());
  });
}

int ReportGridView::DefaultRowHeight() const { return fontMetrics().height() + 8; }

int ReportGridView::SelectedRow() const {
  QModelIndex current = currentIndex();
  return current.isValid() ? current.row() : -1;
}

std::vector<int> ReportGridView::ColumnWidthList() const {
  std::vector<int> widths;
  for (int c = 0; c < model_.columnCount(); ++c) widths.push_back(columnWidth(c));
  return widths;
}

void ReportGridView::ApplyColumnWidths(const std::vector<int>& widths) {
  for (size_t c = 0; c < widths.size() && static_cast<int>(c) < model_.columnCount(); ++c)
    setColumnWidth(static_cast<int>(c), widths[c]);
}

void ReportGridView::WidenForModelValues() {
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  for (int c = 1; c < model_.columnCount() - 1; ++c) {
    int needed = 0;
    for (int r = 1; r < model_.rowCount(); ++r) {
      const QString model_text = model_.data(model_.index(r, c), ReportTableModel::kModelTextRole).toString();
      if (model_text.isEmpty()) continue;
      const QString widest = model_.data(model_.index(r, c), ReportTableModel::kWidestTextRole).toString();
      needed = std::max(needed, 2 + 2 + metrics.horizontalAdvance(widest) + 6 + metrics.horizontalAdvance(model_text) + 4);
    }
    if (needed > columnWidth(c)) setColumnWidth(c, needed);
  }
}

void ReportGridView::SelectCell(int row, int column) {
  if (!model_.IsBodyCell(row, column)) return;  // the filler and fixed cells cannot be selected
  selectionModel()->setCurrentIndex(model_.index(row, column), QItemSelectionModel::ClearAndSelect);
}

void ReportGridView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && at.row() == SelectedRow()) emit PopupRequested(event->globalPosition().toPoint());
    return;
  }
  QTableView::mousePressEvent(event);
}

void ReportGridView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && SelectedRow() > 0) emit RowDoubleClicked(SelectedRow());
}

}  // namespace sm
