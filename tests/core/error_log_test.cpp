#include <gtest/gtest.h>

#include "core/app_context.h"
#include "core/error_log.h"
#include "core/files.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

TEST(ErrorLog, DecoratesAndSkipsDuplicatesWithoutRegardToCase) {
  test::TempDir dir;
  TErrorLog::Location where{"Farm1", "House 2"};
  TErrorLog log(dir / "SMErrLog.txt", [&] { return where; });
  EXPECT_EQ(log.Add("{Handled} Series T1 missing"), 0u);
  EXPECT_EQ(log.Add("{HANDLED} series t1 missing"), 0u);
  where.airspace.clear();
  EXPECT_EQ(log.Add("{Handled} Series T1 missing"), 1u);
  where.site_folder.clear();
  log.Add("plain");
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"[Farm1/House 2] {Handled} Series T1 missing",
                                                   "[Farm1/] {Handled} Series T1 missing", "[/] plain"}));
}

TEST(ErrorLog, CapsAtTwoHundredBeforeAppending) {
  test::TempDir dir;
  TErrorLog log(dir / "log.txt", {});
  for (int i = 0; i < 200; ++i) log.Add("line " + std::to_string(i));
  EXPECT_EQ(log.Lines().size(), 200u);
  log.Add("line 200");
  EXPECT_EQ(log.Lines().size(), 201u);
  EXPECT_EQ(log.Lines().front(), "[/] line 0");
  log.Add("line 201");
  EXPECT_EQ(log.Lines().size(), 201u);
  EXPECT_EQ(log.Lines().front(), "[/] line 1");
  EXPECT_EQ(log.Lines().back(), "[/] line 201");
}

TEST(ErrorLog, KeepsEarlierRunsAndEndsWithClosingLine) {
  test::TempDir dir;
  std::string path = dir.Write("SMErrLog.txt", "[x/] old entry\r\n*** Closing: 01/01/2020 10:00:00 ***\r\n");
  TErrorLog log(path, {});
  log.Add("[x/] old entry");  // the decorated form differs, so it is added
  FormatSettings locale;
  locale.short_date = "dd/mm/yyyy";
  locale.date_separator = '/';
  log.Close(EncodeDateTime(2026, 12, 11, 9, 5, 3), locale);
  EXPECT_EQ(ReadLines(path), (std::vector<std::string>{"[x/] old entry", "*** Closing: 01/01/2020 10:00:00 ***",
                                                       "[/] [x/] old entry", "*** Closing: 11/12/2026 09:05:03 ***"}));
}

TEST(ErrorLog, UnreadableFileStartsEmpty) {
  test::TempDir dir;
  std::string folder = dir / "SMErrLog.txt";
  CreateDirectories(folder);  // a folder where the file should be
  TErrorLog log(folder, {});
  EXPECT_TRUE(log.Lines().empty());
}

TEST(ReportErrorTest, SeverityDecidesTagAndMessageBox) {
  test::TempDir dir;
  test::FakeUiHost ui;
  FixedClock clock(45000);
  AppContext ctx(ui, clock, Environment{});
  ReportError(ctx, "before the log", 100);  // no log yet: shown
  ctx.error_log = std::make_unique<TErrorLog>(dir / "SMErrLog.txt", [&] { return ctx.log_location; });
  ctx.log_location = {"Farm", ""};
  ReportError(ctx, "quiet", 50);
  ReportError(ctx, "handled", 150);
  ReportError(ctx, "abort", 250);
  ReportError(ctx, "fatal", 300);
  EXPECT_EQ(ctx.error_log->Lines(), (std::vector<std::string>{"[Farm/]  quiet", "[Farm/] {Handled} handled",
                                                              "[Farm/] {Abort} abort", "[Farm/] {Fatal} fatal"}));
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"before the log", "abort", "fatal"}));
}

}  // namespace
}  // namespace sm
