#include "app/airspace_area.h"

#include <QLabel>
#include <QVBoxLayout>

namespace sm {

AirspaceArea::AirspaceArea(QWidget* parent) : QTabWidget(parent) {
  setObjectName("PageControl2");
  setTabPosition(QTabWidget::East);
  auto* report = new QWidget(this);
  auto* layout = new QVBoxLayout(report);
  grid_ = new ReportGridView(report);
  layout->addWidget(grid_);
  layout->addStretch(1);
  addTab(report, "Report");
}

void AirspaceArea::SetChartPages(const std::vector<std::string>& names) {
  QSignalBlocker block(this);
  TakeBackChartFrame();
  while (count() > 1) {
    QWidget* page = widget(count() - 1);
    removeTab(count() - 1);
    delete page;
  }
  for (const std::string& name : names) {
    auto* page = new QWidget(this);
    page->setObjectName("TabChart");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    addTab(page, QString::fromStdString(name));
  }
}

int AirspaceArea::ChartPageIndex(const std::string& caption) const {
  for (int i = 1; i < count(); ++i)
    if (tabText(i).toStdString() == caption) return i;
  return -1;
}

void AirspaceArea::TakeBackChartFrame() {
  if (!frame_) return;
  frame_->hide();
  frame_->setParent(this);
}

void AirspaceArea::ShowChartFrameOn(int index) {
  QWidget* page = widget(index);
  if (!frame_ || !page) return;
  if (frame_->parentWidget() != page) page->layout()->addWidget(frame_);
  frame_->show();
}

void AirspaceArea::MoveOnto(QWidget* page) {
  if (parentWidget() != page) {
    if (!page->layout()) {
      auto* layout = new QVBoxLayout(page);
      layout->setContentsMargins(0, 0, 0, 0);
    }
    page->layout()->addWidget(this);
  }
  show();
}

}  // namespace sm
