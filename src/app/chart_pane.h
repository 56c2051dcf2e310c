// A pane of the open chart view drawn with QCustomPlot: its series, its
// three axes, the title, legend, axis markers and direction markers drawn
// over the plot, and the cross-hair on a layer of its own, so that moving
// the pointer repaints only the two lines.
#pragma once

#include <QImage>
#include <qcustomplot.h>

#include "charts/pane.h"
#include "charts/pane_axes.h"

namespace sm {

class TChartView;
class PaneDecorations;
class CrossHairLines;

class ChartPane : public QCustomPlot {
  Q_OBJECT
 public:
  ChartPane(TMyChart& model, const TChartView& view, QWidget* parent);
  ~ChartPane() override;

  TMyChart& model() const { return model_; }

  // Takes the model's data (when it was filled again), axis ranges, titles
  // and label spacing; draws at the next paint.
  void Sync();
  // Margins around the plot: left and right in pixels (so that the panes'
  // plot areas line up), top and bottom in percent of the pane's height.
  void SetMargins(int left, int top_percent, int right, int bottom_percent);
  // The room the value axes need beside the plot, labels and title.
  int LeftAxisWidth() const;
  int RightAxisWidth() const;
  QRect PlotArea() const;
  bool InPlotArea(int x, int y) const { return PlotArea().contains(x, y); }

  void ShowCrossHair(int x, int y);
  void HideCrossHair();
  // The axis markers of the selected pane; none on the others.
  void SetSelected(bool selected, const AxisSelection& axes);
  // Copies and prints leave the markers out.
  void SetMarkersHidden(bool hidden);

  // The pane laid out at `size` without the room above the plot (its title
  // and legend go elsewhere on a page), drawn `scale` times as fine.
  QImage RenderImage(QSize size, double scale);

  // The pointer position as values: the date axis' point index and the
  // left and right axis values.
  double PointAt(int x) const;
  double LeftValueAt(int y) const;
  double RightValueAt(int y) const;

 protected:
  // A new size queues one replot instead of drawing at once: laying the
  // panes out resizes each several times before it is painted.
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildSeries();
  void SyncData();
  void SyncAxes();
  int AxisWidth(QCPAxis* axis) const;

  TMyChart& model_;
  const TChartView& view_;
  int data_version_ = -1;
  int top_percent_ = 15, bottom_percent_ = 3;
  QList<QCPAbstractPlottable*> plottables_;
  PaneDecorations* decorations_ = nullptr;
  CrossHairLines* cross_hair_ = nullptr;
  QCPLayer* cross_hair_layer_ = nullptr;
};

}  // namespace sm
