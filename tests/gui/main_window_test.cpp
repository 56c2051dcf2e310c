// The main window driven for real over the demonstration site: choosing
// pages, selecting cells, the batch dialogs, model colours and the hand-over
// from a second copy.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QUuid>
#include <cmath>

#include "airspace/airspace.h"
#include "app/airspace_area.h"
#include "app/airspace_dialogs.h"
#include "app/qt_dates.h"
#include "app/report_grid.h"
#include "app/single_instance.h"
#include "core/files.h"
#include "core/text.h"
#include "window_fixture.h"

namespace sm::test {
namespace {

// Runs `act` on the next pass of the event loop, inside the modal dialog
// that the command about to run opens.
void WhenDialogOpens(std::function<void()> act) { QTimer::singleShot(0, std::move(act)); }

int ColumnNamed(ReportTableModel& model, const std::string& header) {
  for (int c = 1; c < model.columnCount() - 1; ++c)
    if (model.grid().headers[static_cast<size_t>(c)] == header) return c;
  return -1;
}

int FirstBatchRow(ReportTableModel& model) {
  for (int r = 1; r < model.rowCount(); ++r)
    if (model.IsBatchRow(r)) return r;
  return -1;
}

TEST(MainWindow, OpensTheOnlySiteAndMovesBetweenPagesAndCells) {
  WindowFixture f;
  MainWindow& w = f.window();
  ASSERT_EQ(w.sites_combo()->count(), 1);
  ASSERT_NE(w.site(), nullptr) << "a single registered site opens at the first showing";
  EXPECT_TRUE(w.page_area()->isVisible());
  ASSERT_EQ(w.page_area()->count(), 4);  // the site page and three airspaces
  EXPECT_EQ(w.page_area()->tabText(1), "House 1");
  ASSERT_NE(w.current_airspace(), nullptr);
  EXPECT_EQ(w.current_airspace()->name, "House 1");

  ReportTableModel& model = w.grid().report();
  TAirspace& house1 = *w.current_airspace();
  EXPECT_EQ(model.columnCount(), static_cast<int>(house1.report_items.size()) + 2);
  EXPECT_EQ(model.data(model.index(1, 0), Qt::DisplayRole).toString(), "1");
  EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), "Pigs");
  EXPECT_FALSE(model.data(model.index(0, 3), Qt::ToolTipRole).toString().isEmpty()) << "header hint";
  EXPECT_FALSE(model.data(model.index(2, 1), Qt::DisplayRole).toString().isEmpty());

  // The 7-day view's cell: the date fields show the view's range, its column is bold.
  w.grid().SelectCell(2, 3);
  EXPECT_EQ(w.current_view(), house1.views[1].get());
  EXPECT_EQ(w.start_field()->date(), ToQDate(house1.views[1]->start));
  EXPECT_EQ(w.end_field()->date(), ToQDate(house1.views[1]->end));
  EXPECT_TRUE(model.data(model.index(4, 3), Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(model.data(model.index(4, 2), Qt::FontRole).value<QFont>().bold());
  // The filler column and the fixed cells cannot be selected.
  const int filler = model.columnCount() - 1;
  w.grid().SelectCell(3, filler);
  w.grid().SelectCell(0, 2);
  EXPECT_EQ(w.grid().currentIndex(), model.index(2, 3));
  EXPECT_FALSE(model.flags(model.index(3, filler)) & Qt::ItemIsSelectable);

  // What the selected row offers.
  const int batch_view_row = static_cast<int>(house1.views.size());
  ASSERT_EQ(house1.views.back()->kind, 1);
  w.grid().SelectCell(batch_view_row, 1);
  w.IdleUpdate();
  EXPECT_TRUE(w.action("SetBatchStart")->isVisible());
  EXPECT_TRUE(w.action("ModelData")->isVisible());
  EXPECT_FALSE(w.action("SaveAsModel")->isVisible());
  EXPECT_FALSE(w.action("DeleteBatch")->isVisible());
  if (int batch_row = FirstBatchRow(model); batch_row > 0) {
    w.grid().SelectCell(batch_row, 1);
    w.IdleUpdate();
    EXPECT_FALSE(w.action("SetBatchStart")->isVisible());
    EXPECT_TRUE(w.action("SaveAsModel")->isVisible());
    EXPECT_TRUE(w.action("DeleteBatch")->isVisible());
    EXPECT_TRUE(model.data(model.index(batch_row, 2), Qt::FontRole).value<QFont>().italic());
  }
  // The idle update stores the column widths.
  w.grid().setColumnWidth(1, 77);
  w.IdleUpdate();
  EXPECT_EQ(SplitText(house1.site().user_ini.ReadString("House 1", "GridCols"), ',').at(1), "77");

  // A programmatic page change leaves the stored airspace alone; the user's is stored.
  EXPECT_TRUE(w.SelectAirspacePage("Nursery"));
  EXPECT_EQ(w.current_airspace()->name, "Nursery");
  EXPECT_FALSE(w.SelectAirspacePage("nursery")) << "captions compare with letter case";
  EXPECT_NE(f.ctx().stored_status.airspace, "Nursery");
  w.page_area()->setCurrentIndex(2);
  EXPECT_EQ(w.current_airspace()->name, "House 2");
  EXPECT_EQ(f.ctx().stored_status.airspace, "House 2");
  EXPECT_EQ(w.airspace_area().currentIndex(), 0) << "the report page is stored as shown";

  // A double-click on the 14-day row goes to the first chart page.
  w.grid().SelectCell(3, 2);
  w.RowDoubleClicked(3);
  EXPECT_EQ(w.airspace_area().currentIndex(), w.airspace_area().ChartPageIndex("Climate"));
  const TView& fourteen = *w.current_airspace()->views[2];
  EXPECT_EQ(f.ctx().stored_status.view_days, static_cast<int>(std::floor(fourteen.end - fourteen.start + 0.5)));
  EXPECT_EQ(f.ctx().stored_status.view_end, 0);
  EXPECT_FALSE(f.ctx().stored_status.show_report);

  // The status bar: "-" keeps a field, an empty text clears it; progress is clamped.
  w.SetStatus({.message = "working", .left = "12.5"});
  w.SetStatus({.message = "-", .left = "", .right = "", .date = ""});
  EXPECT_EQ(w.status_message()->text(), "working");
  EXPECT_EQ(w.findChild<QLabel*>("StatusMsg")->text(), "working");
  w.SetProgress(150);
  EXPECT_EQ(w.progress()->value(), 100);
  w.SetProgress(-5);
  EXPECT_EQ(w.progress()->value(), 0);
}

TEST(MainWindow, DefinesAndDeletesABatchThroughTheDialogs) {
  WindowFixture f(DayMonthYearFormats());
  MainWindow& w = f.window();
  ASSERT_TRUE(w.SelectAirspacePage("House 2"));
  TAirspace& house = *w.current_airspace();
  ReportTableModel& model = w.grid().report();
  const size_t batches_before = house.batches.size();

  // A text that is no date keeps the dialog open; yyyy-mm-dd is accepted and
  // shown in the user's order.
  NewBatchDlg& dlg = w.new_batch_dialog();
  bool rejected_garbage = false;
  WhenDialogOpens([&] {
    dlg.edStart->setText("soon");
    dlg.edEnd->setText("28/06/2026");
    dlg.buttOk->click();
    rejected_garbage = dlg.isVisible();
    dlg.edStart->setText("2026-06-20");
    dlg.buttOk->click();
  });
  w.DefineBatchCommand();
  EXPECT_TRUE(rejected_garbage);
  EXPECT_EQ(dlg.edStart->text(), "20/06/2026");
  ASSERT_EQ(house.batches.size(), batches_before + 1);
  EXPECT_TRUE(w.show_batches());
  const std::string file = house.site().batch_folder + "H246193.bch";  // 2026-06-20
  EXPECT_TRUE(FileExists(file));
  int row = -1;
  for (int r = 1; r < model.rowCount(); ++r)
    if (model.BatchAt(r) && model.BatchAt(r)->file == file) row = r;
  ASSERT_GT(row, 0) << "the new batch has its row";
  EXPECT_EQ(model.data(model.index(row, 0), Qt::DisplayRole).toString(), "20/06/2026");

  // Delete: No keeps it, Yes removes file and row.
  w.grid().SelectCell(row, 1);
  ASSERT_NE(w.current_batch(), nullptr);
  f.ui.message_answers = {MessageAnswer::No, MessageAnswer::Yes};
  w.DeleteBatchCommand();
  EXPECT_TRUE(FileExists(file));
  w.DeleteBatchCommand();
  EXPECT_FALSE(FileExists(file));
  EXPECT_EQ(house.batches.size(), batches_before);
  ASSERT_GE(f.ui.messages.size(), 2u);
  EXPECT_EQ(f.ui.messages.back(), "Delete batch commencing 20/06/2026?");

  // Dates outside the data are refused with the domain's warning.
  WhenDialogOpens([&] {
    dlg.edStart->setText("01/01/2020");
    dlg.edEnd->setText("05/01/2020");
    dlg.buttOk->click();
  });
  w.DefineBatchCommand();
  EXPECT_EQ(f.ui.messages.back(), "Batch dates must be within batch parameters");
}

TEST(MainWindow, ModelValuesColourTheCellsAndAreDrawnRed) {
  WindowFixture f;
  MainWindow& w = f.window();
  TAirspace& house = *w.current_airspace();
  // A model far above every temperature: each Temp cell falls below the band.
  std::string text = "Date,Temp\r\n";
  for (int d = 0; d < 60; ++d) text += "2026-05-01,1000.00\r\n";
  f.dir.Write(house.site().model_folder.substr(f.dir.path().size() + 1) + "High.mdl", text);

  ImportModelDlg& dlg = w.import_model_dialog();
  bool ok_enabled_without_choice = true;
  WhenDialogOpens([&] {
    ok_enabled_without_choice = dlg.buttOk->isEnabled();
    QList<QListWidgetItem*> items = dlg.lbFiles->findItems("High.mdl", Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    items.front()->setSelected(true);
    dlg.buttOk->click();
  });
  w.ModelDataCommand();
  EXPECT_FALSE(ok_enabled_without_choice);
  ASSERT_TRUE(house.model_loaded);
  ASSERT_TRUE(w.show_model());

  ReportTableModel& model = w.grid().report();
  const int temp = ColumnNamed(model, "Temp");
  ASSERT_GT(temp, 0);
  EXPECT_EQ(model.data(model.index(2, temp), Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_EQ(model.data(model.index(2, temp), ReportTableModel::kModelTextRole).toString(), "1000.00");
  EXPECT_EQ(model.data(model.index(2, 1), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));

  // Drawn: red text in the cell, the model value in blue beside it.
  w.grid().resizeColumnToContents(temp);
  w.grid().setColumnWidth(temp, 160);
  WindowFixture::Pump();
  QImage image = w.grid().viewport()->grab().toImage();
  QRect cell = w.grid().visualRect(model.index(2, temp));
  int red = 0, blue = 0;
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    for (int x = cell.left(); x <= cell.right(); ++x) {
      QColor c = image.pixelColor(x, y);
      if (c.red() > 180 && c.green() < 80 && c.blue() < 80) ++red;
      if (c.blue() > 180 && c.red() < 80 && c.green() < 80) ++blue;
    }
  EXPECT_GT(red, 5);
  EXPECT_GT(blue, 5);

  // Show Model Data turns the colours off again.
  w.ShowModelDataCommand();
  EXPECT_EQ(model.data(model.index(2, temp), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
}

TEST(MainWindow, ASecondCopyHandsItsGoToRequestToTheFirst) {
  WindowFixture f;
  MainWindow& w = f.window();
  const QString name = "stallminder-test-" + QUuid::createUuid().toString(QUuid::Id128);
  SingleInstance first(name);
  std::string received;
  ASSERT_TRUE(first.Listen([&](const std::string& line) {
    received = line;
    w.ApplyGoToRequest(line);
  }));
  SingleInstance second(name);
  const std::string line = CommandLineText("/usr/bin/stallminder", {"-G", "(Demo1,Nursery,Probes)"});
  ASSERT_TRUE(second.HandOver(line));
  QElapsedTimer waited;
  waited.start();
  while (received.empty() && waited.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(received, line);
  ASSERT_NE(w.current_airspace(), nullptr);
  EXPECT_EQ(w.current_airspace()->name, "Nursery");
  EXPECT_EQ(w.airspace_area().tabText(w.airspace_area().currentIndex()), "Probes");
  EXPECT_EQ(f.ctx().stored_status.view_days, 7) << "fewer than four items: the latest 7 days";

  SingleInstance nobody("stallminder-test-" + QUuid::createUuid().toString(QUuid::Id128));
  EXPECT_FALSE(nobody.HandOver(line));
}

}  // namespace
}  // namespace sm::test
