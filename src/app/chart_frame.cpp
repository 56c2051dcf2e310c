#include "app/chart_frame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QResizeEvent>
#include <algorithm>

#include "app/chart_edit_dialog.h"
#include "app/chart_pane.h"
#include "charts/pane_edit.h"
#include "charts/readout.h"

namespace sm {
namespace {


}  // namespace

ChartFrame::ChartFrame(AppContext& ctx, ChartFrameHost& host, QWidget* parent)
    : QWidget(parent), ctx_(ctx), host_(host), cross_hair_(*this) {
  setObjectName("ChartForm1");
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  date_label_ = new QLabel(this);
  date_label_->setObjectName("DateLbl");
  date_label_->setStyleSheet("background: yellow; font-weight: bold;");
  date_label_->hide();

  edit_dlg_ = std::make_unique<ChartEditDlg>(ctx, this);
  CreateCommands();
  print_dialog_ = [this](QPrinter& printer) { return RunPrintDialog(printer, this); };
}

ChartFrame::~ChartFrame() { ShowGraph(nullptr); }

void ChartFrame::CreateCommands() {
  auto range = [this](std::function<void(TChartView&)> op) { return [this, op] { RangeCommand(op); }; };
  auto value = [this](std::function<void(TMyChart&, bool)> op) { return [this, op] { ValueAxisCommand(op); }; };
  struct Entry {
    const char* name;
    const char* category;
    const char* caption;
    const char* hint;
    QKeySequence shortcut;
    std::function<void()> run;
  };
  const Entry entries[] = {
      {"FastBack", "XAxis", "FastBack", "One Screen Earlier", {}, range([](TChartView& v) { v.ScrollScreens(-1); })},
      {"SlowBack", "XAxis", "SlowBack", "One Day Earlier", {}, [this] { ScrollOneDay(-1); }},
      {"SlowFwd", "XAxis", "SlowFwd", "One Day Later", {}, [this] { ScrollOneDay(1); }},
      {"FastFwd", "XAxis", "FastFwd", "One Screen Later", {}, range([](TChartView& v) { v.ScrollScreens(1); })},
      {"XZoomIn", "XAxis", "XZoomIn", "Zoom In (Date Axis)", {}, range([](TChartView& v) { v.ZoomDates(false); })},
      {"XZoomOut", "XAxis", "XZoomOut", "Zoom Out (Date Axis)", {}, range([](TChartView& v) { v.ZoomDates(true); })},
      {"YUp", "YAxis", "YUp", "Shift Up (Y-Axis)", {}, value([](TMyChart& p, bool r) { ShiftY(p, +1, r); })},
      {"YDown", "YAxis", "YDown", "Shift Down (Y-Axis)", {}, value([](TMyChart& p, bool r) { ShiftY(p, -1, r); })},
      {"YZoomIn", "YAxis", "YZoomIn", "Zoom In (Y-Axis)", {}, value([](TMyChart& p, bool r) { ZoomY(p, false, r); })},
      {"YZoomOut", "YAxis", "YZoomOut", "Zoom Out (Y-Axis)", {}, value([](TMyChart& p, bool r) { ZoomY(p, true, r); })},
      {"ToSingle", "Chart", "ToSingle", "Toggle Single/Multi-Chart", {}, [this] { ToggleSingle(); }},
      {"CopyChart", "Chart", "CopyChart", "Copy Chart", QKeySequence("Ctrl+C"), [this] { CopyCharts(); }},
      {"PrintChart", "Chart", "Print Chart...", "Print Chart", QKeySequence("Ctrl+P"), [this] { PrintCharts(false); }},
      {"ChartEdit", "ChartEd", "Edit Chart...", "", {}, [this] { EditParams(); }},
      {"ChartSave", "ChartEd", "Save Chart", "", {}, [this] { SaveParams(); }},
      {"ChartRestore", "ChartEd", "Restore Chart", "", {}, [this] { RestoreParams(); }},
  };
  for (const Entry& e : entries) {
    auto* action = new QAction(e.caption, this);
    action->setObjectName(e.name);
    action->setProperty("category", e.category);
    action->setToolTip(e.hint);
    action->setStatusTip(e.hint);
    if (!e.shortcut.isEmpty()) action->setShortcut(e.shortcut);
    std::function<void()> run = e.run;
    connect(action, &QAction::triggered, this, [this, run] {
      DisableCrossHair();
      if (HasView()) host_.RunGuarded(run);
    });
    commands_.push_back(action);
  }
  pane_menu_ = new QMenu(this);
  QMenu* settings = pane_menu_->addMenu("Settings");
  for (auto [caption, name] : {std::pair{"Edit...", "ChartEdit"}, {"Save", "ChartSave"}, {"Default", "ChartRestore"}})
    connect(settings->addAction(caption), &QAction::triggered, command(name), &QAction::trigger);
}

QAction* ChartFrame::command(const QString& name) const {
  for (QAction* a : commands_)
    if (a->objectName() == name) return a;
  return nullptr;
}

void ChartFrame::ShowGraph(TGraphObject* graph) {
  cross_hair_.SetEnabled(false);
  cross_hair_.Chart = nullptr;
  date_label_->hide();
  date_label_->setParent(this);
  panes_.clear();
  graph_ = graph;
  selected_ = 0;
  if (!graph_) return;
  for (auto& model : graph_->Charts) {
    auto pane = std::make_unique<ChartPane>(*model, *graph_->view, this);
    ChartPane* p = pane.get();
    p->setMouseTracking(true);
    connect(p, &QCustomPlot::mousePress, this, [this, p](QMouseEvent* e) {
      PanePressed(*p, e->button(), e->pos(), e->globalPosition().toPoint());
    });
    connect(p, &QCustomPlot::mouseMove, this, [this, p](QMouseEvent* e) { PaneMoved(*p, e->pos()); });
    panes_.push_back(std::move(pane));
  }
  if (panes_.empty()) return;
  LayoutPanes(single_pane_ ? 1 : static_cast<int>(panes_.size()));
  laid_out_size_ = size();
  SelectPane(0);
  ApplyAxisSelection(true, true);
  MoveDateLabelOnto(Selected());
}

void ChartFrame::LayoutPanes(int count) {
  if (!HasView()) return;
  for (auto& pane : panes_) pane->hide();
  const int n = static_cast<int>(panes_.size());
  int left = 0, right = 0;
  for (auto& pane : panes_) {
    left = std::max(left, pane->LeftAxisWidth());
    right = std::max(right, pane->RightAxisWidth());
  }
  left += 4;
  right += 4;
  if (count == 1) {
    ChartPane& pane = Selected();
    pane.setGeometry(rect());
    pane.SetMargins(left, 10, right, 3);
    pane.show();
  } else {
    const std::vector<PanePlace> places = graph_->Layout(height());
    for (int i = 0; i < n; ++i) {
      ChartPane& pane = *panes_[static_cast<size_t>(i)];
      const PanePlace& place = places[static_cast<size_t>(i)];
      pane.setGeometry(0, place.top, width(), place.height);
      pane.SetMargins(left, place.top_margin, right, i == n - 1 ? 10 : 3);
      pane.show();
    }
  }
  SyncPanes();
  MoveDateLabelOnto(Selected());
}

void ChartFrame::SyncPanes() {
  if (!HasView()) return;
  for (auto& pane : panes_) pane->Sync();
  graph_->view->RefreshFromAxis(panes_.front()->model());
}

void ChartFrame::SelectPane(int index) {
  selected_ = index;
  for (int i = 0; i < static_cast<int>(panes_.size()); ++i)
    panes_[static_cast<size_t>(i)]->SetSelected(i == selected_, SelectAxis(panes_[static_cast<size_t>(i)]->model(), !right_selected_));
}

void ChartFrame::ApplyAxisSelection(bool left_selected, bool update_buttons) {
  if (!HasView()) return;
  const AxisSelection selection = SelectAxis(Selected().model(), left_selected);
  right_selected_ = selection.right_selected;
  Selected().SetSelected(true, selection);
  if (update_buttons) host_.ShowAxisButtons(selection);
}

void ChartFrame::SelectAxisFromButtons(bool left_selected) { ApplyAxisSelection(left_selected, false); }

void ChartFrame::MoveDateLabelOnto(ChartPane& pane) {
  const QRect plot = pane.PlotArea();
  date_label_->adjustSize();
  const QPoint at = pane.mapTo(this, QPoint(plot.left(), plot.top() - date_label_->height()));
  date_label_->move(at);
  date_label_->setProperty("pane", QVariant::fromValue<void*>(&pane));
  date_label_->raise();
}

void ChartFrame::PanePressed(ChartPane& pane, Qt::MouseButton button, QPoint at, QPoint global) {
  if (button == Qt::RightButton) cross_hair_.SetEnabled(false);
  const auto it = std::find_if(panes_.begin(), panes_.end(), [&](const auto& p) { return p.get() == &pane; });
  if (it == panes_.end()) return;
  SelectPane(static_cast<int>(it - panes_.begin()));
  ApplyAxisSelection(at.x() < pane.width() / 2, true);
  MoveDateLabelOnto(pane);
  if (button == Qt::LeftButton)
    cross_hair_.SetEnabled(!cross_hair_.Enabled);
  else if (button == Qt::RightButton && !global.isNull())
    pane_menu_->popup(global);
}

void ChartFrame::PaneMoved(ChartPane& pane, QPoint at) {
  if (date_label_->property("pane").value<void*>() != &pane) MoveDateLabelOnto(pane);
  TMyChart& model = pane.model();
  StatusUpdate status;
  if (pane.InPlotArea(at.x(), at.y())) {
    cross_hair_.SetActive(true);
    const char separator = ctx_.formats.Current().decimal_separator;
    status.left = model.HasLeftAxis ? PointerValueText(pane.LeftValueAt(at.y()), model.LeftUnits, separator) + "   "
                                    : std::string();
    status.right =
        model.HasRightAxis ? PointerValueText(pane.RightValueAt(at.y()), model.RightUnits, separator) : std::string();
    if (const std::optional<int> point = PointerPoint(pane.PointAt(at.x()))) {
      const TDateTime t = graph_->view->PointDate(*point);
      const FormatSettings& fs = ctx_.formats.Current();
      status.date = PointerDateText(t, graph_->RangeStart, graph_->DayNumbering, fs);
      date_label_->setText(QString::fromStdString(PointerDateLabel(t, fs)));
      date_label_->adjustSize();
      date_label_->show();
    }
  } else {
    date_label_->clear();
    date_label_->hide();
    if (graph_->DayNumbering) status.message = "";
    status.left = status.right = status.date = "";
    cross_hair_.SetActive(false);
  }
  host_.SetStatus(status);
  if (!QApplication::overrideCursor()) cross_hair_.MoveTo(at.x(), at.y(), &model);
}

void ChartFrame::RangeCommand(const std::function<void(TChartView&)>& operation) {
  operation(*graph_->view);
  SyncPanes();
}

void ChartFrame::ValueAxisCommand(const std::function<void(TMyChart&, bool)>& operation) {
  operation(Selected().model(), right_selected_);
  Selected().Sync();
}

void ChartFrame::ScrollOneDay(int n) {
  StatusUpdate status;
  status.message = "Scrolling...";
  status.left = status.right = status.date = "";
  host_.SetStatus(status);
  RangeCommand([n](TChartView& v) { v.ScrollDays(n); });
}

void ChartFrame::ShowStartingAt(TDateTime date) {
  if (!HasView() || !isVisible()) return;
  host_.RunGuarded([&] { RangeCommand([date](TChartView& v) { v.ShowStartingAt(date); }); });
}

void ChartFrame::ShowEndingAt(TDateTime date) {
  if (!HasView() || !isVisible()) return;
  host_.RunGuarded([&] { RangeCommand([date](TChartView& v) { v.ShowEndingAt(date); }); });
}

void ChartFrame::ToggleSingle() {
  if (single_pane_) {
    LayoutPanes(static_cast<int>(panes_.size()));
    single_pane_ = false;
    PanePressed(Selected(), Qt::LeftButton, QPoint(0, 0), QPoint());
  } else {
    LayoutPanes(1);
    single_pane_ = true;
  }
}

void ChartFrame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (size() == laid_out_size_ || !HasView()) return;
  LayoutPanes(single_pane_ ? 1 : static_cast<int>(panes_.size()));
  laid_out_size_ = size();
}

void ChartFrame::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  single_pane_ = false;
}

ChartPane* ChartFrame::PaneOf(const TMyChart& model) const {
  for (const auto& pane : panes_)
    if (&pane->model() == &model) return pane.get();
  return nullptr;
}

bool ChartFrame::InPlotArea(const TMyChart& model, int x, int y) const {
  const ChartPane* pane = PaneOf(model);
  return pane && pane->InPlotArea(x, y);
}

void ChartFrame::DrawLines(TMyChart& model, int x, int y) {
  if (ChartPane* pane = PaneOf(model)) pane->ShowCrossHair(x, y);
}

void ChartFrame::RemoveLines(TMyChart& model) {
  if (ChartPane* pane = PaneOf(model)) pane->HideCrossHair();
}

std::vector<ChartPane*> ChartFrame::ShownPanes() const {
  std::vector<ChartPane*> shown;
  if (single_pane_ && HasView()) return {&Selected()};
  for (const auto& pane : panes_) shown.push_back(pane.get());
  return shown;
}

void ChartFrame::SetMarkersHidden(bool hidden) {
  for (auto& pane : panes_) pane->SetMarkersHidden(hidden);
}

void ChartFrame::EditParams() {
  ChartPane& pane = Selected();
  if (!edit_dlg_->Run(pane.model())) return;
  ApplyPaneEdit(pane.model(), edit_dlg_->Fields(), [this] {
    LayoutPanes(single_pane_ ? 1 : static_cast<int>(panes_.size()));
  });
  pane.Sync();
}

void ChartFrame::SaveParams() { Selected().model().SaveParams(); }

void ChartFrame::RestoreParams() {
  Selected().model().LoadParams(true);
  LayoutPanes(single_pane_ ? 1 : static_cast<int>(panes_.size()));
}

}  // namespace sm
