// The chart pages: opening a chart view into the chart frame, the "Chart"
// tool bar with the axis buttons, the status bar's date fields and Start
// and End buttons, and the automatic print.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QDateEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "app/airspace_area.h"
#include "app/main_window.h"
#include "app/qt_dates.h"
#include "charts/open_chart_view.h"

namespace sm {
namespace {

// Runs an action when the watched widget is pressed with the mouse.
class PressWatcher : public QObject {
 public:
  PressWatcher(QObject* parent, std::function<void()> on_press) : QObject(parent), on_press_(std::move(on_press)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) on_press_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> on_press_;
};

}  // namespace

void MainWindow::CreateChartBar() {
  chart_frame_ = new ChartFrame(ctx_, *this, area_);
  chart_frame_->hide();
  area_->SetChartFrame(chart_frame_);

  // A row of its own: the chart commands do not fit beside the site bar.
  addToolBarBreak();
  ChartOps = addToolBar("Chart");
  ChartOps->setObjectName("ChartOps");
  ChartOps->addAction(action("ToReport"));
  auto add = [this](std::initializer_list<const char*> names) {
    for (const char* name : names) ChartOps->addAction(chart_frame_->command(name));
  };
  add({"FastBack", "SlowBack", "SlowFwd", "FastFwd", "XZoomIn", "XZoomOut"});
  auto* axes = new QButtonGroup(ChartOps);
  axes->setExclusive(true);
  for (auto [button, name, left] : {std::tuple{&LAxisBtn, "LAxisSel", true}, {&RAxisBtn, "RAxisSel", false}}) {
    *button = new QToolButton(ChartOps);
    (*button)->setObjectName(name);
    (*button)->setText(name);
    (*button)->setCheckable(true);
    axes->addButton(*button);
    ChartOps->addWidget(*button);
    connect(*button, &QToolButton::clicked, this, [this, left] {
      chart_frame_->DisableCrossHair();
      chart_frame_->SelectAxisFromButtons(left);
    });
  }
  LAxisBtn->setChecked(true);
  add({"YDown", "YUp", "YZoomIn", "YZoomOut", "ToSingle", "CopyChart", "PrintChart"});
  // The shortcuts work while the tool bar is hidden behind a menu too.
  for (QAction* a : chart_frame_->commands()) addAction(a);
  ChartOps->setVisible(false);

  // Any tool-bar or menu click, the site list and the date fields put the
  // cross-hair away.
  // (The chart commands do it themselves, before they act.)
  for (QToolBar* bar : findChildren<QToolBar*>())
    connect(bar, &QToolBar::actionTriggered, chart_frame_, [this](QAction* a) {
      const auto& own = chart_frame_->commands();
      if (std::find(own.begin(), own.end(), a) == own.end()) chart_frame_->DisableCrossHair();
    });
  connect(menuBar(), &QMenuBar::triggered, chart_frame_, [this] { chart_frame_->DisableCrossHair(); });
  auto* watcher = new PressWatcher(this, [this] { chart_frame_->DisableCrossHair(); });
  for (QWidget* w : std::initializer_list<QWidget*>{SitesCombo, StatusStartDT, StatusEndDT}) {
    w->installEventFilter(watcher);
    for (QWidget* child : w->findChildren<QWidget*>()) child->installEventFilter(watcher);
  }

  connect(StatusStartDT, &QDateEdit::dateChanged, this, [this](const QDate& d) {
    chart_frame_->DisableCrossHair();
    chart_frame_->ShowStartingAt(FromQDate(d));
  });
  connect(StatusEndDT, &QDateEdit::dateChanged, this, [this](const QDate& d) {
    chart_frame_->DisableCrossHair();
    chart_frame_->ShowEndingAt(FromQDate(d));
  });
  connect(ChartStart1, &QPushButton::clicked, this, [this] { chart_frame_->ShowStartingAt(0); });
  connect(ChartEnd1, &QPushButton::clicked, this, [this] { chart_frame_->ShowEndingAt(ctx_.clock.Now()); });
}

void MainWindow::ShowAxisButtons(const AxisSelection& selection) {
  LAxisBtn->setChecked(selection.left_button_down);
  RAxisBtn->setChecked(selection.right_button_down);
  RAxisBtn->setEnabled(selection.right_button_enabled);
}

void MainWindow::ReleaseChart() {
  chart_frame_->ShowGraph(nullptr);
  chart_frame_->hide();
  graph_.reset();
}

bool MainWindow::OpenChartPage(int k, bool by_user) {
  // A view that fails to build is reported and not replaced by another.
  bool opened = true;
  Guarded([&] {
    BusyScope busy(ctx_.ui);
    const std::string name = area_->tabText(k).toStdString();
    opened = OpenChartView(*current_, name, graph_, [this](TDateTime s, TDateTime e) {
      SetStatus({.start = s, .end = e});
    });
    if (!opened) return;
    if (by_user) {
      ctx_.stored_status.ChartChosen(name);
      ctx_.stored_status.show_report = false;
    }
    area_->ShowChartFrameOn(k);
    chart_frame_->ShowGraph(graph_.get());
  });
  return opened;
}

void MainWindow::RunAutoPrint() {
  ctx_.auto_print_pending = false;
  if (chart_frame_->HasView() && chart_frame_->isVisible()) Guarded([this] { chart_frame_->PrintCharts(true); });
}

}  // namespace sm
