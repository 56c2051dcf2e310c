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
  while (count() > 1) {
    QWidget* page = widget(count() - 1);
    removeTab(count() - 1);
    delete page;
  }
  for (const std::string& name : names) {
    // The chart frame takes this place once chart views are drawn.
    auto* placeholder = new QLabel(QString::fromStdString("Chart \"" + name + "\""), this);
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setObjectName("ChartPlaceholder");
    addTab(placeholder, QString::fromStdString(name));
  }
}

int AirspaceArea::ChartPageIndex(const std::string& caption) const {
  for (int i = 1; i < count(); ++i)
    if (tabText(i).toStdString() == caption) return i;
  return -1;
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
