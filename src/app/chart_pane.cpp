#include "app/chart_pane.h"

#include <algorithm>
#include <cmath>

#include "charts/chart_view.h"
#include "charts/direction_markers.h"
#include "charts/graph_object.h"
#include "charts/readout.h"
#include "core/datetime.h"

namespace sm {
namespace {

QColor ToQColor(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

QFont PaneFont(int points, bool bold, bool italic) {
  QFont font("Times New Roman", points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// Value axes: labels as "###0.###".
class ValueTicker : public QCPAxisTicker {
 public:
  explicit ValueTicker(char separator) : separator_(separator) {}

 protected:
  QString getTickLabel(double tick, const QLocale&, QChar, int) override {
    return QString::fromStdString(FormatAxisNumber(tick, separator_));
  }

 private:
  char separator_;
};

// The date axis: a label every `step` points counted from point 0, the day
// at whole days and the time of day in between.
class PointTicker : public QCPAxisTicker {
 public:
  PointTicker(const TChartView& view, const QCPAxis& axis) : view_(view), axis_(axis) {}
  void SetStep(int step) { step_ = std::max(1, step); }

 protected:
  double getTickStep(const QCPRange&) override { return step_; }
  int getSubTickCount(double) override { return 0; }
  QString getTickLabel(double tick, const QLocale&, QChar, int) override {
    const QString text = QString::fromStdString(view_.LabelAt(static_cast<int>(std::lround(tick))));
    // The labels stand inside the plot, which clips them: a label that
    // would lose part of itself at either end is left out instead.
    const double x = axis_.coordToPixel(tick);
    const int half = QFontMetrics(axis_.tickLabelFont()).horizontalAdvance(text) / 2;
    const QRect plot = axis_.axisRect()->rect();
    if (x - half < plot.left() || x + half > plot.right() + 1) return QString();
    return text;
  }

 private:
  const TChartView& view_;
  const QCPAxis& axis_;
  int step_ = 96;
};

}  // namespace

// What is drawn over the plot: title, legend, axis markers, direction markers.
class PaneDecorations : public QCPLayerable {
 public:
  explicit PaneDecorations(ChartPane& pane) : QCPLayerable(&pane, "overlay"), pane_(pane) {}

  bool selected = false;
  bool markers_hidden = false;
  bool bare = false;  // rendering a picture: title and legend are drawn by the page
  AxisSelection axes;

 protected:
  void applyDefaultAntialiasingHint(QCPPainter* painter) const override { painter->setAntialiasing(true); }
  void draw(QCPPainter* painter) override {
    const QRect plot = pane_.PlotArea();
    DrawDirectionMarkers(*painter, plot);
    if (bare) return;
    DrawTitleAndLegend(*painter, plot);
    if (selected && !markers_hidden) DrawAxisMarkers(*painter, plot);
  }

 private:
  void DrawTitleAndLegend(QCPPainter& painter, const QRect& plot) {
    const TMyChart& model = pane_.model();
    painter.setAntialiasing(false);
    if (!model.Title.empty()) {
      painter.setFont(PaneFont(6, true, true));
      painter.setPen(Qt::black);
      const QFontMetrics fm(painter.font());
      painter.drawText(plot.left(), plot.top() - fm.height() + fm.ascent(), QString::fromStdString(model.Title));
    }
    painter.setFont(PaneFont(5, false, false));
    const QFontMetrics fm(painter.font());
    int x = plot.right();
    for (auto it = model.LegendItems.rbegin(); it != model.LegendItems.rend(); ++it) {
      const QString text = QString::fromStdString(it->text);
      const int width = fm.horizontalAdvance(text);
      const int top = plot.top() - fm.height();
      painter.setPen(Qt::black);
      painter.drawText(x - width, top + fm.ascent(), text);
      const int swatch_top = top + static_cast<int>(RoundHalfEven((fm.height() - it->swatch_height) / 2.0));
      painter.fillRect(QRect(x - width - 13, swatch_top, 11, it->swatch_height), ToQColor(it->colour));
      x -= width + 18;
    }
  }

  void DrawAxisMarkers(QCPPainter& painter, const QRect& plot) {
    const int width = static_cast<int>(RoundHalfEven(pane_.width() / 100.0));
    const QColor face = pane_.palette().color(QPalette::Button).darker(115);
    if (axes.left_marker) painter.fillRect(QRect(2, plot.top(), width, plot.height()), face);
    if (axes.right_marker)
      painter.fillRect(QRect(pane_.width() - (width + 2), plot.top(), width, plot.height()), face);
  }

  void DrawDirectionMarkers(QCPPainter& painter, const QRect& plot) {
    const TMyChart& model = pane_.model();
    for (const TMySeries* series : model.series) {
      if (series->SpecialKind != 0 || series->values.empty()) continue;
      const int count = static_cast<int>(series->values.size());
      const int first = std::clamp(static_cast<int>(std::ceil(model.bottom.min)), 0, count - 1);
      const int last = std::clamp(static_cast<int>(std::floor(model.bottom.max)), 0, count - 1);
      const int y = plot.top() + 16;
      painter.setAntialiasing(true);
      for (const DirectionMarker& m : PlaceDirectionMarkers(series->values, first, last, plot.width())) {
        const int x = static_cast<int>(std::lround(pane_.xAxis->coordToPixel(m.centre_point)));
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPoint(x, y), 12, 12);
        const Vector2 v = DirectionVector(m.angle);
        painter.setPen(QPen(Qt::red, 2));
        painter.drawLine(QLineF(x, y, x + v.dx, y - v.dy));
      }
    }
  }

  ChartPane& pane_;
};

// The cross-hair's two lines; their layer is buffered on its own.
class CrossHairLines : public QCPLayerable {
 public:
  CrossHairLines(ChartPane& pane, QCPLayer* layer) : QCPLayerable(&pane, layer->name()), pane_(pane) {}
  bool shown = false;
  int x = -1, y = -1;

 protected:
  void applyDefaultAntialiasingHint(QCPPainter* painter) const override { painter->setAntialiasing(false); }
  void draw(QCPPainter* painter) override {
    if (!shown) return;
    const QRect plot = pane_.PlotArea();
    // A dark shadow keeps the yellow lines visible on the white plot.
    painter->setPen(QPen(QColor(0, 0, 0, 90), 3));
    painter->drawLine(QLineF(x, plot.top(), x, plot.bottom()));
    painter->drawLine(QLineF(plot.left(), y, plot.right(), y));
    painter->setPen(QPen(Qt::yellow, 1));
    painter->drawLine(QLineF(x, plot.top(), x, plot.bottom()));
    painter->drawLine(QLineF(plot.left(), y, plot.right(), y));
  }

 private:
  ChartPane& pane_;
};

ChartPane::ChartPane(TMyChart& model, const TChartView& view, QWidget* parent)
    : QCustomPlot(parent), model_(model), view_(view) {
  setBackground(Qt::white);
  setNoAntialiasingOnDrag(true);
  setPlottingHint(QCP::phCacheLabels, true);
  setContextMenuPolicy(Qt::NoContextMenu);
  layer("overlay")->setMode(QCPLayer::lmBuffered);
  addLayer("crosshair", layer("overlay"), QCustomPlot::limAbove);
  cross_hair_layer_ = layer("crosshair");
  cross_hair_layer_->setMode(QCPLayer::lmBuffered);
  decorations_ = new PaneDecorations(*this);
  cross_hair_ = new CrossHairLines(*this, cross_hair_layer_);

  const char separator = model.graph.ctx.formats.Current().decimal_separator;
  for (QCPAxis* axis : {yAxis, yAxis2}) {
    axis->setVisible(true);
    axis->setTicker(QSharedPointer<QCPAxisTicker>(new ValueTicker(separator)));
    axis->setLabelFont(PaneFont(6, false, true));
    axis->setTickLabelFont(QFont("DejaVu Sans", 7));
    axis->setLabelPadding(2);
  }
  yAxis2->grid()->setVisible(false);
  xAxis->setTicker(QSharedPointer<QCPAxisTicker>(new PointTicker(view, *xAxis)));
  xAxis->setTickLabelSide(QCPAxis::lsInside);
  xAxis->setTickLabelFont(QFont("DejaVu Sans", 6));
  xAxis->setBasePen(Qt::NoPen);
  xAxis->setTickLengthIn(0);
  xAxis->setTickLengthOut(0);
  xAxis->setPadding(0);
  axisRect()->setAutoMargins(QCP::msNone);
  BuildSeries();
  Sync();
}

ChartPane::~ChartPane() = default;

void ChartPane::BuildSeries() {
  for (const TMySeries* series : model_.series) {
    QCPAxis* value_axis = series->style.right_axis ? yAxis2 : yAxis;
    const QColor colour = ToQColor(series->colour);
    if (series->style.type == SeriesType::Bar) {
      auto* bars = new QCPBars(xAxis, value_axis);
      bars->setWidthType(QCPBars::wtAbsolute);
      bars->setWidth(std::max(1, series->style.width));
      bars->setPen(QPen(colour));
      bars->setBrush(colour);
      // Thousands of bars one or two pixels wide: antialiasing only blurs
      // them and takes most of a replot's time.
      bars->setAntialiased(false);
      bars->setAntialiasedFill(false);
      plottables_.append(bars);
    } else {
      auto* graph = new QCPGraph(xAxis, value_axis);
      graph->setPen(QPen(colour, std::max(1, series->style.width)));
      graph->setAdaptiveSampling(true);
      plottables_.append(graph);
    }
  }
}

void ChartPane::SyncData() {
  if (data_version_ == model_.graph.data_version) return;
  data_version_ = model_.graph.data_version;
  for (int i = 0; i < plottables_.size(); ++i) {
    const std::vector<double>& values = model_.series[static_cast<size_t>(i)]->values;
    QVector<double> keys, points;
    keys.reserve(static_cast<int>(values.size()));
    points.reserve(static_cast<int>(values.size()));
    const bool bars = qobject_cast<QCPBars*>(plottables_[i]) != nullptr;
    for (size_t k = 0; k < values.size(); ++k) {
      // Bars leave gaps out; a line breaks at them.
      if (bars && std::isnan(values[k])) continue;
      keys.append(static_cast<double>(k));
      points.append(values[k]);
    }
    if (auto* graph = qobject_cast<QCPGraph*>(plottables_[i]))
      graph->setData(keys, points, true);
    else if (auto* bar = qobject_cast<QCPBars*>(plottables_[i]))
      bar->setData(keys, points, true);
  }
}

void ChartPane::SyncAxes() {
  auto apply = [](QCPAxis* axis, const ValueAxis& v) {
    double low = v.min, high = v.max;
    if (!(high > low)) {  // a flat or empty series still gets a scale
      low -= 1;
      high += 1;
    }
    // Automatic bounds leave a little room, so that a line at the highest
    // or lowest value does not vanish into the plot's frame.
    const double room = (high - low) * 0.05;
    if (v.auto_min) low -= room;
    if (v.auto_max) high += room;
    axis->setRange(low, high);
    axis->setLabel(QString::fromStdString(v.title));
  };
  apply(yAxis, model_.left);
  apply(yAxis2, model_.right);
  if (model_.right_repeats_left) yAxis2->setRange(yAxis->range());
  xAxis->setRange(model_.bottom.min, model_.bottom.max);

  model_.width = width();
  model_.plot_width = PlotArea().width();
  model_.day_label_width = QFontMetrics(xAxis->tickLabelFont()).horizontalAdvance(
      QString::fromStdString(view_.DayLabelFormat));
  model_.UpdateDateIncrement();
  static_cast<PointTicker*>(xAxis->ticker().data())->SetStep(model_.bottom.increment);
}

void ChartPane::Sync() {
  SyncData();
  SyncAxes();
  replot(QCustomPlot::rpQueuedReplot);
}

void ChartPane::SetMargins(int left, int top_percent, int right, int bottom_percent) {
  top_percent_ = top_percent;
  bottom_percent_ = bottom_percent;
  const int h = height();
  axisRect()->setMargins(QMargins(left, h * top_percent / 100, right, h * bottom_percent / 100));
  // The plot's own layout runs at the next replot; the label spacing needs
  // the plot width now.
  plotLayout()->setOuterRect(rect());
  plotLayout()->update(QCPLayoutElement::upMargins);
  plotLayout()->update(QCPLayoutElement::upLayout);
}

int ChartPane::AxisWidth(QCPAxis* axis) const {
  // The widest label the axis' present range gives, its ticks and title.
  QVector<double> ticks;
  QVector<QString> labels;
  axis->ticker()->generate(axis->range(), locale(), 'g', 6, ticks, nullptr, &labels);
  const QFontMetrics label_metrics(axis->tickLabelFont());
  int width = 0;
  for (const QString& label : labels) width = std::max(width, label_metrics.horizontalAdvance(label));
  width += axis->tickLabelPadding() + axis->tickLengthOut() + axis->padding();
  if (!axis->label().trimmed().isEmpty()) width += QFontMetrics(axis->labelFont()).height() + axis->labelPadding();
  return width;
}

int ChartPane::LeftAxisWidth() const { return AxisWidth(yAxis); }
int ChartPane::RightAxisWidth() const { return AxisWidth(yAxis2); }

void ChartPane::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  setViewport(rect());
  replot(QCustomPlot::rpQueuedReplot);
}

QRect ChartPane::PlotArea() const { return axisRect()->rect(); }

void ChartPane::ShowCrossHair(int x, int y) {
  cross_hair_->shown = true;
  cross_hair_->x = x;
  cross_hair_->y = y;
  cross_hair_layer_->replot();
}

void ChartPane::HideCrossHair() {
  if (!cross_hair_->shown) return;
  cross_hair_->shown = false;
  cross_hair_layer_->replot();
}

void ChartPane::SetSelected(bool selected, const AxisSelection& axes) {
  decorations_->selected = selected;
  decorations_->axes = axes;
  layer("overlay")->replot();
}

void ChartPane::SetMarkersHidden(bool hidden) {
  decorations_->markers_hidden = hidden;
  layer("overlay")->replot();
}

QImage ChartPane::RenderImage(QSize size, double scale) {
  const QSize old_size = this->size();
  const QMargins old_margins = axisRect()->margins();
  const bool old_bare = decorations_->bare;
  const bool old_cross = cross_hair_->shown;
  decorations_->bare = true;
  cross_hair_->shown = false;
  resize(size);
  axisRect()->setMargins(QMargins(old_margins.left(), 0, old_margins.right(), old_margins.bottom()));
  // Drawn as an image rather than replayed as vector commands: replaying
  // on a printer would take the fonts' point sizes at its resolution.
  const QImage image = toPixmap(size.width(), size.height(), scale).toImage();
  resize(old_size);
  axisRect()->setMargins(old_margins);
  decorations_->bare = old_bare;
  cross_hair_->shown = old_cross;
  replot(QCustomPlot::rpQueuedReplot);
  return image;
}

double ChartPane::PointAt(int x) const { return xAxis->pixelToCoord(x); }
double ChartPane::LeftValueAt(int y) const { return yAxis->pixelToCoord(y); }
double ChartPane::RightValueAt(int y) const { return yAxis2->pixelToCoord(y); }

}  // namespace sm
