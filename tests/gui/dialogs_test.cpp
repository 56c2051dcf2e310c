// The airspace and site dialogs driven through the real window: what they
// leave on disk, in the grid model and in the messages shown.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "airspace/airspace.h"
#include "app/airspace_dialogs.h"
#include "app/export_dialog.h"
#include "app/qt_dates.h"
#include "app/report_grid.h"
#include "core/files.h"
#include "core/ini_file.h"
#include "core/text.h"
#include "window_fixture.h"

namespace sm::test {
namespace {

// Runs `act` inside the modal dialog that the command about to run opens.
void WhenDialogOpens(std::function<void()> act) { QTimer::singleShot(0, std::move(act)); }

int CurrentBatchViewRow(const TAirspace& airspace) {
  for (size_t i = 0; i < airspace.views.size(); ++i)
    if (airspace.views[i]->kind == 1) return static_cast<int>(i) + 1;
  return -1;
}

// The fields of a line, empty ones included.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields{""};
  for (char c : line) {
    if (c == ',')
      fields.emplace_back();
    else
      fields.back().push_back(c);
  }
  return fields;
}

// Defines a batch as the user does, which shows the batches.
void DefineBatchThroughDialog(MainWindow& w, const char* start, const char* end) {
  NewBatchDlg& dlg = w.new_batch_dialog();
  WhenDialogOpens([&] {
    dlg.edStart->setText(start);
    dlg.edEnd->setText(end);
    dlg.buttOk->click();
  });
  w.DefineBatchCommand();
  ASSERT_TRUE(w.show_batches());
}

// A save dialog that records what it was offered and answers `answer`.
struct SaveChoice {
  std::string folder, name, filter, suffix;
  int asked = 0;
  std::optional<std::string> answer;
  SaveFileChooser Chooser() {
    return [this](const std::string& f, const std::string& n, const std::string& fl, const std::string& s) {
      folder = f, name = n, filter = fl, suffix = s;
      ++asked;
      return answer;
    };
  }
};

TEST(Dialogs, PropertiesEditorWritesEveryConstantOnOkAndNothingOnCancel) {
  WindowFixture f;
  MainWindow& w = f.window();
  TAirspace& house = *w.current_airspace();
  ASSERT_EQ(house.scope.constant_names(), std::vector<std::string>{"FloorArea"});
  const std::string site_ini = f.site_dir + "/site.ini";
  const std::string stored = IniFile(site_ini).ReadString(house.name, "FloorArea", "");
  ASSERT_FALSE(stored.empty());
  EditPropsDlg& dlg = w.properties_dialog();

  // Cancel after typing: site.ini keeps its value.
  WhenDialogOpens([&] {
    dlg.cbProperty->setCurrentIndex(0);
    dlg.edValue->setText("99");
    dlg.buttCancel->click();
  });
  w.PropertiesCommand();
  EXPECT_EQ(IniFile(site_ini).ReadString(house.name, "FloorArea", ""), stored);

  // The list is refilled each time, the field starts empty, choosing shows
  // the value; a text that is no number keeps the dialog open.
  int listed = -1;
  QString empty_at_first = "x", shown_on_choice;
  bool refused_text = false;
  WhenDialogOpens([&] {
    listed = dlg.cbProperty->count();
    empty_at_first = dlg.edValue->text();
    dlg.cbProperty->setCurrentIndex(0);
    shown_on_choice = dlg.edValue->text();
    dlg.edValue->setText("lots");
    dlg.buttOk->click();
    refused_text = dlg.isVisible();
    dlg.edValue->setText(" 123.5");
    dlg.buttOk->click();
  });
  w.PropertiesCommand();
  EXPECT_EQ(listed, 1);
  EXPECT_EQ(empty_at_first, "");
  EXPECT_EQ(shown_on_choice.toStdString(), stored);
  EXPECT_TRUE(refused_text);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(Trim(IniFile(site_ini).ReadString(house.name, "FloorArea", "")), "123.5");
  // Other airspaces' constants are untouched.
  EXPECT_FALSE(IniFile(site_ini).ReadString("House 2", "FloorArea", "").empty());
  EXPECT_NE(IniFile(site_ini).ReadString("House 2", "FloorArea", ""), "123.5");
}

TEST(Dialogs, EditCurrentBatchMovesTheLiveBatchAndStoresIt) {
  WindowFixture f(DayMonthYearFormats());
  MainWindow& w = f.window();
  TAirspace& house = *w.current_airspace();
  const int row = CurrentBatchViewRow(house);
  ASSERT_GT(row, 0);
  w.grid().SelectCell(row, 1);
  const std::string before = DateToStr(house.views[static_cast<size_t>(row - 1)]->start, DayMonthYearFormats());

  BatchStartDlg& dlg = w.batch_start_dialog();
  QString opened_with;
  bool refused = false;
  WhenDialogOpens([&] {
    opened_with = dlg.edStart->text();
    dlg.edStart->setText("someday");
    dlg.buttOk->click();
    refused = dlg.isVisible();
    dlg.edStart->setText("2026-06-10");
    dlg.buttOk->click();
  });
  w.SetBatchStartCommand();
  EXPECT_EQ(opened_with.toStdString(), before);
  EXPECT_TRUE(refused);
  EXPECT_EQ(dlg.edStart->text(), "10/06/2026") << "yyyy-mm-dd is shown in the user's order";

  const TDateTime day = *TryStrToDate("2026-06-10", FixedFormats());
  EXPECT_EQ(house.site().user_ini.ReadString(house.name, "LiveBatchStart", ""), std::to_string(Truncate(day)));
  EXPECT_EQ(IniFile(f.site_dir + "/smuser.ini").ReadString(house.name, "LiveBatchStart", ""),
            std::to_string(Truncate(day)))
      << "on disk";
  // The grid shows the rebuilt views, computed again.
  ReportTableModel& model = w.grid().report();
  ASSERT_EQ(model.airspace(), &house);
  TView* view = model.ViewAt(CurrentBatchViewRow(house));
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(Truncate(view->start), Truncate(day));
  EXPECT_TRUE(house.computed);
  EXPECT_FALSE(model.data(model.index(CurrentBatchViewRow(house), 1), Qt::DisplayRole).toString().isEmpty());

  // Cancel changes nothing.
  WhenDialogOpens([&] {
    dlg.edStart->setText("2026-06-01");
    dlg.buttCancel->click();
  });
  w.grid().SelectCell(CurrentBatchViewRow(house), 1);
  w.SetBatchStartCommand();
  EXPECT_EQ(Truncate(house.live_batch_start), Truncate(day));
}

TEST(Dialogs, SaveAsModelOffersTheModelFolderAndWritesTheModelColumns) {
  WindowFixture f;
  MainWindow& w = f.window();
  TAirspace& house = *w.current_airspace();
  DefineBatchThroughDialog(w, "2026-06-01", "2026-06-07");
  ReportTableModel& model = w.grid().report();
  int row = -1;
  for (int r = 1; r < model.rowCount(); ++r)
    if (model.IsBatchRow(r) && DateToStr(model.BatchAt(r)->start, FixedFormats()) == "2026-06-01") row = r;
  ASSERT_GT(row, 0);
  w.grid().SelectCell(row, 1);
  ASSERT_NE(w.current_batch(), nullptr);

  SaveChoice choice;
  w.SetSaveFileChooser(choice.Chooser());
  w.SaveAsModelCommand();  // cancelled: nothing written
  EXPECT_EQ(choice.asked, 1);
  EXPECT_EQ(choice.folder, house.site().model_folder);
  EXPECT_EQ(choice.name, house.code + "2026-06-01.mdl");
  EXPECT_EQ(choice.suffix, "mdl");
  EXPECT_NE(choice.filter.find("*.mdl"), std::string::npos);
  EXPECT_FALSE(FileExists(house.site().model_folder + choice.name));

  choice.answer = house.site().model_folder + "Saved.mdl";
  w.SaveAsModelCommand();
  ASSERT_TRUE(FileExists(*choice.answer));
  const std::string bytes = ReadFileBytes(*choice.answer);
  EXPECT_EQ(bytes.find('"'), std::string::npos);
  const std::vector<std::string> lines = SplitLines(bytes);
  ASSERT_EQ(lines.size(), 8u) << "the header and the batch's seven days";
  EXPECT_EQ(lines[0], "Date,Temp,WaterPig,FeedPig");
  EXPECT_EQ(Fields(lines[1]).size(), 4u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST(Dialogs, SaveDataWritesTheReportAsTheGridShowsIt) {
  WindowFixture f;
  MainWindow& w = f.window();
  DefineBatchThroughDialog(w, "2026-06-01", "2026-06-07");
  ReportTableModel& model = w.grid().report();

  SaveChoice choice;
  choice.answer = f.dir / "report.csv";
  w.SetSaveFileChooser(choice.Chooser());
  w.SaveDataCommand();
  EXPECT_EQ(choice.suffix, "csv");
  EXPECT_NE(choice.filter.find("*.csv"), std::string::npos);
  const std::vector<std::string> lines = ReadLines(*choice.answer);
  ASSERT_EQ(static_cast<int>(lines.size()), model.rowCount()) << "header, views and the batches shown";
  const int columns = model.columnCount() - 1;  // without the filler column
  for (int r = 1; r < model.rowCount(); ++r) {
    std::vector<std::string> cells = Fields(lines[static_cast<size_t>(r)]);
    ASSERT_EQ(static_cast<int>(cells.size()), columns) << lines[static_cast<size_t>(r)];
    // Each cell as the grid shows it; view values without their units.
    for (int c = 0; c < columns; ++c) {
      const std::string shown = model.data(model.index(r, c), Qt::DisplayRole).toString().toStdString();
      EXPECT_EQ(shown.substr(0, cells[static_cast<size_t>(c)].size()), cells[static_cast<size_t>(c)]) << r << "," << c;
      EXPECT_FALSE(cells[static_cast<size_t>(c)].empty() && !shown.empty()) << r << "," << c;
    }
  }
  const std::vector<std::string> header = Fields(lines[0]);
  ASSERT_EQ(static_cast<int>(header.size()), model.columnCount()) << "the filler column's empty header too";
  EXPECT_EQ(header[0], "");
  EXPECT_EQ(header[1], "Pigs");

  // A folder that does not exist: the failure is shown, nothing is written.
  choice.answer = f.dir / "missing/report.csv";
  const size_t shown = f.ui.messages.size();
  w.SaveDataCommand();
  EXPECT_FALSE(FileExists(*choice.answer));
  EXPECT_EQ(f.ui.messages.size(), shown + 1);
}

TEST(Dialogs, ExportDataWritesTheTickedSeriesAndStaysOpenOnErrors) {
  WindowFixture f;
  MainWindow& w = f.window();
  FrmExport& dlg = w.export_dialog();
  const std::string export_folder = f.main_dir + "Export";
  const std::string site_name = FileNameOf(f.site_dir);

  QString dir, file;
  QDate start, end;
  int listed = 0;
  bool open_after_error = false;
  std::vector<std::string> ticked;
  WhenDialogOpens([&] {
    dir = dlg.edDir->text();
    file = dlg.edFile->text();
    start = dlg.dtpStart->date();
    end = dlg.dtpEnd->date();
    listed = dlg.lbSeries->count();
    dlg.buttSelectAll->click();
    dlg.buttSelectNone->click();
    for (int i : {0, 2}) {
      dlg.lbSeries->item(i)->setCheckState(Qt::Checked);
      ticked.push_back(dlg.lbSeries->item(i)->text().toStdString());
    }
    dlg.edIntv->setText("hourly");
    dlg.buttExport->click();
    open_after_error = dlg.isVisible();
    dlg.edIntv->setText("3600");
    dlg.dtpStart->setDate(QDate(2026, 6, 20));
    dlg.dtpEnd->setDate(QDate(2026, 6, 20));
    dlg.cbxSiteField->setChecked(true);
    dlg.buttExport->click();
    dlg.buttDone->click();
  });
  w.ExportDataCommand();

  EXPECT_EQ(dir.toStdString(), export_folder);
  EXPECT_EQ(file.toStdString(), site_name + ".CSV");
  EXPECT_EQ(start, QDate(2026, 5, 17));
  EXPECT_EQ(end, QDate(2026, 7, 1)) << "the last record, 30 June 23:45, rounded";
  EXPECT_GT(listed, 2);
  EXPECT_TRUE(open_after_error);
  EXPECT_EQ(std::count(f.ui.messages.begin(), f.ui.messages.end(), "'hourly' is not a valid integer value"), 1);
  EXPECT_EQ(dlg.lbSeries->count(), 0) << "emptied when the dialog closes";
  EXPECT_EQ(dlg.edIntv->text(), "3600") << "the interval is kept between showings";

  const std::vector<std::string> lines = ReadLines(export_folder + "/" + site_name + ".CSV");
  ASSERT_EQ(lines.size(), 25u) << "the header and one line an hour";
  EXPECT_TRUE(IEquals(lines[0], "DATE,TIME,SITE," + ticked[0] + "," + ticked[1])) << lines[0];
  const std::vector<std::string> first = Fields(lines[1]);
  ASSERT_GE(first.size(), 3u);
  EXPECT_EQ(first[0], "2026-06-20");
  EXPECT_EQ(first[1], "00:00:00");
  EXPECT_EQ(first[2], site_name);
  for (size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(Fields(lines[i]).size(), 5u) << lines[i];
  EXPECT_EQ(lines.back().substr(0, 19), "2026-06-20,23:00:00");
}

}  // namespace
}  // namespace sm::test
