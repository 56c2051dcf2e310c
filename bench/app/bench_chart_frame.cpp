// The chart frame on the offscreen platform with the six-pane view of 50
// days (4800 points x 12 series) from the generated two-year site, in a
// 1200x800 frame inside a shown window: opening the view up to the first
// paint of every pane, and a cross-hair move against a full pane replot.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QVBoxLayout>
#include <cstdlib>
#include <memory>

#include "app/chart_frame.h"
#include "app/chart_pane.h"
#include "bench_sites.h"
#include "opened_site.h"
#include "charts/open_chart_view.h"

namespace sm {
namespace {

// Counts the paint events the panes receive, to show that a step painted,
// and their full replots, where most of the time goes.
class PaintCounter : public QObject {
 public:
  int paints = 0, replots = 0;
  void Watch(ChartPane& pane) {
    pane.installEventFilter(this);
    connect(&pane, &QCustomPlot::afterReplot, this, [this] { ++replots; });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

// The site, the airspace and a shown window holding the chart frame.
class ChartWindow {
 public:
  ChartWindow() : opened_(bench::EnsureChartSite()) {
    opened_.ctx.stored_status.view_end = opened_.site->LastRecord() - 100;  // 50 days well inside the two years
    opened_.ctx.stored_status.view_days = 50;
    auto* layout = new QVBoxLayout(&window_);
    layout->setContentsMargins(0, 0, 0, 0);
    frame_ = new ChartFrame(opened_.ctx, host_, &window_);
    frame_->setFixedSize(1200, 800);
    layout->addWidget(frame_);
    window_.show();
    QApplication::processEvents();
  }
  ~ChartWindow() { frame_->ShowGraph(nullptr); }

  ChartFrame& frame() { return *frame_; }
  TGraphObject* graph() { return graph_.get(); }

  // The frame lets go of the old view before the new one replaces it.
  bool Open() {
    frame_->ShowGraph(nullptr);
    return OpenChartView(opened_.house(), "Six", graph_);
  }
  void Show() { frame_->ShowGraph(graph_.get()); }
  // The panes' queued replots run, then everything is painted at once.
  void Paint() {
    QApplication::processEvents();
    frame_->repaint();
    QApplication::processEvents();
  }
  void Watch(PaintCounter& counter) {
    for (size_t i = 0; i < frame_->pane_count(); ++i) counter.Watch(*frame_->pane(i));
  }

 private:
  bench::OpenedSite opened_;
  std::unique_ptr<TGraphObject> graph_;
  UnattendedChartHost host_;
  QWidget window_;
  ChartFrame* frame_ = nullptr;
};

double Milliseconds(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

void BM_OpenChartToFirstPaint(benchmark::State& state) {
  ChartWindow w;
  double open_ms = 0, show_ms = 0, paint_ms = 0;
  int paints = 0, replots = 0;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    if (!w.Open()) {
      state.SkipWithError("the view did not open");
      return;
    }
    open_ms += Milliseconds(timer);
    timer.restart();
    w.Show();
    show_ms += Milliseconds(timer);
    PaintCounter counter;
    w.Watch(counter);
    timer.restart();
    w.Paint();
    paint_ms += Milliseconds(timer);
    paints += counter.paints;
    replots += counter.replots;
  }
  // Where the time goes: load and build, panes made and laid out, painted.
  const auto average = benchmark::Counter::kAvgIterations;
  state.counters["open_ms"] = benchmark::Counter(open_ms, average);
  state.counters["show_ms"] = benchmark::Counter(show_ms, average);
  state.counters["paint_ms"] = benchmark::Counter(paint_ms, average);
  state.counters["pane_paints"] = benchmark::Counter(paints, average);
  state.counters["paint_replots"] = benchmark::Counter(replots, average);
  state.counters["panes"] = static_cast<double>(w.frame().pane_count());
  state.counters["points"] = static_cast<double>(w.graph()->SeriesList.front()->values.size());
  state.counters["series"] = static_cast<double>(w.graph()->SeriesList.size());
}
BENCHMARK(BM_OpenChartToFirstPaint)->Unit(benchmark::kMillisecond);

// The view open and painted, the cross-hair switched on over a middle pane.
struct CrossHairScene {
  ChartWindow w;
  ChartPane* pane = nullptr;
  QRect plot;

  bool Prepare() {
    if (!w.Open()) return false;
    w.Show();
    w.Paint();
    pane = w.frame().pane(2);
    plot = pane->PlotArea();
    w.frame().PanePressed(*pane, Qt::LeftButton, plot.center(), QPoint());
    w.Paint();
    return w.frame().cross_hair().Enabled;
  }
  // Points sweeping the plot area, each one different from the last.
  QPoint Nth(int i) const {
    return {plot.left() + 1 + (i * 37) % (plot.width() - 2), plot.top() + 1 + (i * 13) % (plot.height() - 2)};
  }
};

void BM_CrossHairMove(benchmark::State& state) {
  CrossHairScene scene;
  if (!scene.Prepare()) {
    state.SkipWithError("the cross-hair did not come on");
    return;
  }
  PaintCounter counter;
  counter.Watch(*scene.pane);
  int i = 0;
  for (auto _ : state) {
    scene.w.frame().PaneMoved(*scene.pane, scene.Nth(++i));
    scene.pane->repaint();
    QApplication::processEvents();
  }
  state.counters["pane_paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
  state.counters["pane_replots"] = benchmark::Counter(counter.replots, benchmark::Counter::kAvgIterations);
  state.counters["lines_shown"] = scene.w.frame().cross_hair().Chart != nullptr;
}
BENCHMARK(BM_CrossHairMove)->Unit(benchmark::kMicrosecond);

// For comparison: the same pane drawn again in full, every layer.
void BM_PaneFullReplot(benchmark::State& state) {
  CrossHairScene scene;
  if (!scene.Prepare()) {
    state.SkipWithError("the cross-hair did not come on");
    return;
  }
  for (auto _ : state) scene.pane->replot(QCustomPlot::rpImmediateRefresh);
}
BENCHMARK(BM_PaneFullReplot)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sm

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
