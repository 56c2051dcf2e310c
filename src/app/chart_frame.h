// The chart frame: the panes of the open chart view stacked from top to
// bottom, the pointer read-out and cross-hair, pane and axis selection,
// and the navigation, copy, print and edit commands.
#pragma once

#include <QPrinter>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/status_update.h"
#include "charts/cross_hair.h"
#include "charts/graph_object.h"
#include "charts/pane_axes.h"

class QAction;
class QLabel;
class QMenu;

namespace sm {

class ChartPane;
class ChartEditDlg;

// What the frame needs from the window around it.
class ChartFrameHost {
 public:
  virtual ~ChartFrameHost() = default;
  virtual void SetStatus(const StatusUpdate& update) = 0;
  virtual void ShowAxisButtons(const AxisSelection& selection) = 0;
  // Runs a command, showing what it throws.
  virtual void RunGuarded(const std::function<void()>& body) = 0;
};

// For panes nobody watches (rendering from a command, benchmarks): status
// texts go nowhere and what a command throws goes on to the caller.
class UnattendedChartHost : public ChartFrameHost {
 public:
  void SetStatus(const StatusUpdate&) override {}
  void ShowAxisButtons(const AxisSelection&) override {}
  void RunGuarded(const std::function<void()>& body) override { body(); }
};

// Asks for the printer to use; false when cancelled. Tests replace the
// platform's dialog.
using PrintDialogRunner = std::function<bool(QPrinter& printer)>;
// The platform's print dialog, with printing to a file offered.
bool RunPrintDialog(QPrinter& printer, QWidget* parent);

class ChartFrame : public QWidget, private CrossHairCanvas {
  Q_OBJECT
 public:
  ChartFrame(AppContext& ctx, ChartFrameHost& host, QWidget* parent = nullptr);
  ~ChartFrame() override;

  // Shows the panes of a freshly built view (none: the frame empties):
  // all laid out, the first selected with its left axis.
  void ShowGraph(TGraphObject* graph);
  TGraphObject* graph() const { return graph_; }
  bool HasView() const { return graph_ && !panes_.empty(); }

  // The commands, in tool-bar order; named as their actions.
  const std::vector<QAction*>& commands() const { return commands_; }
  QAction* command(const QString& name) const;

  // count 1: the selected pane alone; else all panes.
  void LayoutPanes(int count);
  // The window's LAxisSel/RAxisSel buttons.
  void SelectAxisFromButtons(bool left_selected);
  void DisableCrossHair() { cross_hair_.SetEnabled(false); }

  // The window's date fields and its Start and End buttons.
  void ShowStartingAt(TDateTime date);
  void ShowEndingAt(TDateTime date);

  void CopyCharts();
  // Prints on the printer the dialog gives, or for an automatic print on
  // `AutoPrinter`; without that printer the page goes to a PDF file beside
  // the Main Logging Directory and the error log says where.
  void PrintCharts(bool automatic);
  void EditParams();
  void SaveParams();
  void RestoreParams();

  void SetPrintDialogRunner(PrintDialogRunner runner) { print_dialog_ = std::move(runner); }

  // Where the next pointer read-out and the tests look.
  int selected() const { return selected_; }
  bool single_pane() const { return single_pane_; }
  bool right_axis_selected() const { return right_selected_; }
  const TCrossHair& cross_hair() const { return cross_hair_; }
  ChartPane* pane(size_t i) const { return panes_.at(i).get(); }
  size_t pane_count() const { return panes_.size(); }
  QLabel* date_label() const { return date_label_; }
  ChartEditDlg& edit_dialog() const { return *edit_dlg_; }
  QMenu* pane_menu() const { return pane_menu_; }
  // The pane pictures are drawn at about this size (the screen's).
  void SetRenderSize(QSize size) { render_size_ = size; }
  // Paints what a print puts on a page of `page` dots at `dpi`.
  void PaintPage(QPainter& painter, QSize page, int dpi);
  // Prints the page on a printer already chosen.
  void PrintTo(QPrinter& printer);
  // A picture file of the page, as if printed on paper `size` pixels big.
  QImage PageImage(QSize size);

  // Pointer events of a pane, in its coordinates.
  void PanePressed(ChartPane& pane, Qt::MouseButton button, QPoint at, QPoint global);
  void PaneMoved(ChartPane& pane, QPoint at);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  // CrossHairCanvas.
  bool InPlotArea(const TMyChart& pane, int x, int y) const override;
  void DrawLines(TMyChart& pane, int x, int y) override;
  void RemoveLines(TMyChart& pane) override;

  void CreateCommands();
  ChartPane* PaneOf(const TMyChart& model) const;
  ChartPane& Selected() const { return *panes_.at(static_cast<size_t>(selected_)); }
  void SelectPane(int index);
  void ApplyAxisSelection(bool left_selected, bool update_buttons);
  void MoveDateLabelOnto(ChartPane& pane);
  // After the range or an axis changed: every pane takes the model.
  void SyncPanes();
  void RangeCommand(const std::function<void(TChartView&)>& operation);
  void ValueAxisCommand(const std::function<void(TMyChart&, bool right_selected)>& operation);
  void ScrollOneDay(int n);
  void ToggleSingle();
  std::vector<ChartPane*> ShownPanes() const;
  void SetMarkersHidden(bool hidden);

  AppContext& ctx_;
  ChartFrameHost& host_;
  TGraphObject* graph_ = nullptr;
  std::vector<std::unique_ptr<ChartPane>> panes_;
  int selected_ = 0;
  bool single_pane_ = false;
  bool right_selected_ = false;
  QSize laid_out_size_{-1, -1};
  QSize render_size_;
  TCrossHair cross_hair_;
  QLabel* date_label_ = nullptr;
  QMenu* pane_menu_ = nullptr;
  std::vector<QAction*> commands_;
  std::unique_ptr<ChartEditDlg> edit_dlg_;
  PrintDialogRunner print_dialog_;
};

}  // namespace sm
