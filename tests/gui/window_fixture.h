// The real main window over a generated demonstration site in a temporary
// folder, with a scripted UiHost, a fixed clock and the offscreen platform.
#pragma once

#include <QApplication>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "core/app_context.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

namespace sm::test {

// The day the demonstration data ends on; "today" is the day after.
inline constexpr const char* kDemoEnd = "2026-06-30";

class WindowFixture {
 public:
  // `user_formats` is the set the user reads dates in.
  explicit WindowFixture(const FormatSettings& user_formats = FixedFormats());
  ~WindowFixture();

  MainWindow& window() { return *window_; }
  AppContext& ctx() { return *ctx_; }
  FakeUiHost ui;
  TempDir dir;
  std::string main_dir;  // the Main Logging Directory, with "/"
  std::string site_dir;  // the demonstration site, without "/"

  // Lets queued events run.
  static void Pump();

 private:
  std::unique_ptr<FixedClock> clock_;
  std::unique_ptr<AppContext> ctx_;
  std::unique_ptr<MainWindow> window_;
};

// Dates typed and read in the day-month-year order.
FormatSettings DayMonthYearFormats();

}  // namespace sm::test
