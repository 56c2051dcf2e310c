// The chart pages of the real window over the demonstration site: opening
// a view into the chart frame, pane and axis selection with the mouse, the
// pointer read-out, the navigation commands and date fields, single-pane
// view, the edit dialog, copying and printing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <filesystem>

#include "airspace/airspace.h"
#include "app/airspace_area.h"
#include "app/chart_edit_dialog.h"
#include "app/chart_frame.h"
#include "app/chart_pane.h"
#include "app/checked_field.h"
#include "app/qt_dates.h"
#include "charts/chart_view.h"
#include "core/files.h"
#include "window_fixture.h"

namespace sm::test {
namespace {

class ChartPage : public ::testing::Test {
 protected:
  void SetUp() override {
    // Seven days up to the newest data.
    f.ctx().stored_status.view_end = 0;
    f.ctx().stored_status.view_days = 7;
    ASSERT_TRUE(w().SelectAirspacePage("House 1"));
    ASSERT_TRUE(w().SelectChartPage("Climate"));
    WindowFixture::Pump();
    w().IdleUpdate();
  }

  MainWindow& w() { return f.window(); }
  ChartFrame& frame() { return w().chart_frame(); }
  ChartPane& pane(size_t i) { return *frame().pane(i); }
  TChartView& view() { return *frame().graph()->view; }
  QAction* command(const char* name) { return frame().command(name); }

  static QPoint InsidePlot(ChartPane& p, double fx = 0.25, double fy = 0.5) {
    const QRect r = p.PlotArea();
    return {r.left() + static_cast<int>(r.width() * fx), r.top() + static_cast<int>(r.height() * fy)};
  }
  static void Press(ChartPane& p, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent press(QEvent::MouseButtonPress, at, p.mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(&p, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, p.mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&p, &release);
  }
  static void Move(ChartPane& p, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, p.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&p, &move);
  }

  WindowFixture f;
};

TEST_F(ChartPage, OpensTheViewIntoTheFrameAndLeavesItForTheReport) {
  ASSERT_TRUE(frame().isVisible());
  ASSERT_EQ(frame().pane_count(), 3u);
  const auto& events = f.ui.events;
  EXPECT_NE(std::find(events.begin(), events.end(), "status: Demo1 House 1"), events.end());
  EXPECT_TRUE(w().chart_bar()->isVisible());
  EXPECT_TRUE(command("FastBack")->isEnabled());
  EXPECT_FALSE(w().start_field()->isReadOnly());
  // The range ends at the day start of the newest data's day (the last
  // record stands at midnight).
  EXPECT_EQ(w().end_field()->date(), QDate(2026, 7, 1));
  EXPECT_EQ(w().start_field()->date(), QDate(2026, 6, 24));
  EXPECT_EQ(view().Days, 7);
  // The panes share one plot width, so their date axes line up.
  for (size_t i = 1; i < frame().pane_count(); ++i) {
    EXPECT_EQ(pane(i).PlotArea().left(), pane(0).PlotArea().left());
    EXPECT_EQ(pane(i).PlotArea().width(), pane(0).PlotArea().width());
    EXPECT_EQ(pane(i).geometry().top(), pane(i - 1).geometry().bottom() + 1);
  }

  // A frame squeezed to nothing still lays its panes out.
  w().resize(300, 120);
  WindowFixture::Pump();
  frame().LayoutPanes(static_cast<int>(frame().pane_count()));
  EXPECT_GE(pane(2).height(), 0);

  w().ShowReportPage();
  w().IdleUpdate();
  EXPECT_FALSE(frame().isVisible());
  EXPECT_FALSE(frame().HasView());
  EXPECT_FALSE(w().chart_bar()->isVisible());
  EXPECT_TRUE(w().start_field()->isReadOnly());
}

TEST_F(ChartPage, PressesSelectPanesAndAxesAndSwitchTheCrossHair) {
  ChartPane& climate = pane(0);  // humidity on the right axis
  Press(climate, InsidePlot(climate, 0.25));
  EXPECT_TRUE(frame().cross_hair().Enabled);
  EXPECT_TRUE(w().left_axis_button()->isChecked());
  Press(climate, InsidePlot(climate, 0.75));
  EXPECT_FALSE(frame().cross_hair().Enabled);
  EXPECT_TRUE(frame().right_axis_selected());
  EXPECT_TRUE(w().right_axis_button()->isChecked());
  EXPECT_TRUE(w().right_axis_button()->isEnabled());

  // The index pane has no right-axis series: its left axis, both axes zoomed.
  ChartPane& stress = pane(2);
  Press(stress, InsidePlot(stress, 0.75));
  EXPECT_EQ(frame().selected(), 2);
  EXPECT_FALSE(frame().right_axis_selected());
  EXPECT_FALSE(w().right_axis_button()->isEnabled());
  TMyChart& model = stress.model();
  const double span = model.left.max - model.left.min;
  command("YZoomIn")->trigger();
  EXPECT_DOUBLE_EQ(model.left.max - model.left.min, span / 2);
  EXPECT_DOUBLE_EQ(model.right.max - model.right.min, span / 2);
  EXPECT_DOUBLE_EQ(stress.yAxis->range().size(), span / 2);

  // A right press puts the cross-hair away and offers the pane's settings.
  Press(stress, InsidePlot(stress));
  ASSERT_TRUE(frame().cross_hair().Enabled);
  Press(stress, InsidePlot(stress), Qt::RightButton);
  EXPECT_FALSE(frame().cross_hair().Enabled);
  EXPECT_TRUE(frame().pane_menu()->isVisible());
  frame().pane_menu()->hide();
}

TEST_F(ChartPage, PointerReadOutAndCrossHair) {
  ChartPane& climate = pane(0);
  Press(climate, InsidePlot(climate));  // cross-hair on
  // The first point of the range, at the plot's left edge.
  const QPoint at(climate.PlotArea().left() + 1, climate.PlotArea().center().y());
  Move(climate, at);
  EXPECT_EQ(w().status_date()->text(), "2026-06-24 00:00");
  EXPECT_TRUE(w().status_left()->text().endsWith(" °C   ")) << w().status_left()->text().toStdString();
  EXPECT_TRUE(w().status_right()->text().endsWith(" %")) << w().status_right()->text().toStdString();
  EXPECT_TRUE(frame().date_label()->isVisible());
  EXPECT_EQ(frame().date_label()->text(), "2026-06-24 00:00");
  EXPECT_EQ(frame().cross_hair().Chart, &climate.model());
  EXPECT_EQ(frame().cross_hair().X, at.x());

  Move(climate, QPoint(at.x(), 1));  // above the plot
  EXPECT_EQ(w().status_date()->text(), "");
  EXPECT_EQ(w().status_left()->text(), "");
  EXPECT_EQ(w().status_right()->text(), "");
  EXPECT_FALSE(frame().date_label()->isVisible());
  EXPECT_EQ(frame().cross_hair().Chart, nullptr);

  // A tool-bar click puts the cross-hair away, and so does a press on a
  // date field.
  Move(climate, at);
  command("YUp")->trigger();
  EXPECT_FALSE(frame().cross_hair().Enabled);
  EXPECT_EQ(frame().cross_hair().Chart, nullptr);
  Press(climate, InsidePlot(climate));
  ASSERT_TRUE(frame().cross_hair().Enabled);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w().end_field(), &press);
  EXPECT_FALSE(frame().cross_hair().Enabled);
}

TEST_F(ChartPage, NavigationCommandsAndDateFieldsMoveTheRange) {
  const TDateTime first = view().PointDate(view().FirstIndex);
  command("SlowBack")->trigger();  // before the loaded points: loaded again
  EXPECT_EQ(w().status_message()->text(), "Scrolling...");
  EXPECT_EQ(view().PointDate(view().FirstIndex), first - 1);
  EXPECT_EQ(w().end_field()->date(), QDate(2026, 6, 30));
  EXPECT_EQ(f.ctx().stored_status.view_days, 7);

  // Past the newest data the range is shifted back: it ends on the day
  // after the last logged day.
  command("FastFwd")->trigger();
  command("FastFwd")->trigger();
  EXPECT_EQ(w().end_field()->date(), QDate(2026, 7, 2));
  EXPECT_EQ(f.ctx().stored_status.view_end, -1);

  command("XZoomIn")->trigger();
  EXPECT_EQ(view().Days, 4);
  EXPECT_EQ(pane(1).xAxis->range().size(), 4 * 96 - 1);

  // The Start button: from the first logged day on.
  w().start_button()->click();
  EXPECT_EQ(w().start_field()->date(), QDate(2026, 5, 17));
  // The end field moves the end; the screen's span (days and one point)
  // reaches into the day before; the view loads what it lacks.
  w().end_field()->setDate(QDate(2026, 6, 10));
  EXPECT_EQ(w().end_field()->date(), QDate(2026, 6, 10));
  EXPECT_EQ(w().start_field()->date(), QDate(2026, 6, 5));
  EXPECT_EQ(view().PointDate(view().FirstIndex), *TryStrToDate("2026-06-05", FixedFormats()));
}

TEST_F(ChartPage, SinglePaneAndBack) {
  Press(pane(1), InsidePlot(pane(1)));
  ASSERT_TRUE(frame().cross_hair().Enabled);
  command("ToSingle")->trigger();  // a tool-bar click: the cross-hair goes off
  EXPECT_TRUE(frame().single_pane());
  EXPECT_TRUE(pane(1).isVisible());
  EXPECT_FALSE(pane(0).isVisible());
  EXPECT_EQ(pane(1).height(), frame().height());

  command("ToSingle")->trigger();
  EXPECT_FALSE(frame().single_pane());
  for (size_t i = 0; i < frame().pane_count(); ++i) EXPECT_TRUE(pane(i).isVisible());
  EXPECT_EQ(frame().selected(), 1);
  EXPECT_TRUE(w().left_axis_button()->isChecked());
  EXPECT_TRUE(frame().cross_hair().Enabled);  // the press at (0, 0) switched it on
}

TEST_F(ChartPage, EditDialogChecksFieldsAndStoresTheOverride) {
  ChartEditDlg& dlg = frame().edit_dialog();
  bool height_nine_refused = false;
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(dlg.RightAxisGroup->isEnabled());
    dlg.edHeight->setText("9");
    height_nine_refused = !dlg.edHeight->CheckNow();
    dlg.edHeight->setText("60");
    dlg.edLeftMax->setText("30");
    dlg.buttSave->click();
  });
  const int old_height = pane(0).height();
  command("ChartEdit")->trigger();
  EXPECT_TRUE(height_nine_refused);
  TMyChart& model = pane(0).model();
  EXPECT_EQ(model.HeightShare, 60);
  EXPECT_EQ(model.left.max, 30);
  EXPECT_GT(pane(0).height(), old_height);  // laid out again with the new share
  const IniFile user(f.site_dir + "/smuser.ini");
  EXPECT_EQ(user.ReadString("Climate", "Temperature"), "Temperature,°C,Humidity,%,60,-10,30,20,100");

  // Default takes the override away again.
  command("ChartRestore")->trigger();
  EXPECT_EQ(model.HeightShare, 45);
  EXPECT_FALSE(IniFile(f.site_dir + "/smuser.ini").ValueExists("Climate", "Temperature"));

  // Cancel changes nothing.
  QTimer::singleShot(0, [&] {
    dlg.edHeight->setText("20");
    dlg.buttCancel->click();
  });
  command("ChartEdit")->trigger();
  EXPECT_EQ(model.HeightShare, 45);
}

TEST_F(ChartPage, CopyAndPrint) {
  command("CopyChart")->trigger();
  const QImage copied = QApplication::clipboard()->image();
  ASSERT_FALSE(copied.isNull());
  EXPECT_EQ(copied.size(), frame().size());

  // An ordinary print asks for the printer; cancelling prints nothing.
  const std::string pdf = f.dir / "chart.pdf";
  frame().SetPrintDialogRunner([](QPrinter&) { return false; });
  command("PrintChart")->trigger();
  EXPECT_FALSE(std::filesystem::exists(pdf));
  frame().SetPrintDialogRunner([&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return true;
  });
  command("PrintChart")->trigger();
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(Slurp(pdf).rfind("%PDF", 0), 0u);

  // "-P": printed once the window is idle; without the printer named, to a
  // PDF file beside the Main Logging Directory, and the error log says so.
  f.ctx().startup.auto_printer = "No AutoPrinter Set";
  f.ctx().auto_print_pending = true;
  frame().SetPrintDialogRunner([](QPrinter&) -> bool { throw std::logic_error("no dialog for an automatic print"); });
  w().IdleUpdate();
  EXPECT_FALSE(f.ctx().auto_print_pending);
  const auto printed = ListFiles(f.dir / "share/stallminder", "Stallminder Chart *.pdf");
  ASSERT_EQ(printed.size(), 1u);
  ASSERT_TRUE(f.ctx().error_log);
  EXPECT_NE(f.ctx().error_log->Lines().back().find("the chart was printed to " + f.dir.path()), std::string::npos);
}

}  // namespace
}  // namespace sm::test
