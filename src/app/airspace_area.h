// The page area of the active airspace page: the "Report" page with the
// report grid, then one page per chart view of the airspace (tabs on the
// right). It moves onto whichever airspace page is active.
#pragma once

#include <QTabWidget>
#include <string>
#include <vector>

#include "app/report_grid.h"

namespace sm {

class AirspaceArea : public QTabWidget {
  Q_OBJECT
 public:
  explicit AirspaceArea(QWidget* parent = nullptr);
  ReportGridView& grid() { return *grid_; }
  // One page per chart view name, after the report page.
  void SetChartPages(const std::vector<std::string>& names);
  // The index of the page captioned exactly `caption` after the report
  // page; -1 when there is none.
  int ChartPageIndex(const std::string& caption) const;
  // The chart frame moves onto whichever chart page is shown.
  void SetChartFrame(QWidget* frame) { frame_ = frame; }
  void ShowChartFrameOn(int index);
  // Moves the area onto an airspace page.
  void MoveOnto(QWidget* page);

 private:
  void TakeBackChartFrame();

  ReportGridView* grid_;
  QWidget* frame_ = nullptr;
};

}  // namespace sm
