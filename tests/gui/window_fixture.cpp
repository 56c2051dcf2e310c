#include "window_fixture.h"

#include <clocale>

#include "core/startup.h"
#include "demo/demo_site.h"
#include "support/private_environment.h"

namespace sm::test {
namespace {

QApplication& Application() {
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    auto* a = new QApplication(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return a;
  }();
  return *app;
}

}  // namespace

FormatSettings DayMonthYearFormats() {
  FormatSettings fs;
  fs.short_date = "dd/mm/yyyy";
  fs.date_separator = '/';
  return fs;
}

WindowFixture::WindowFixture(const FormatSettings& user_formats) {
  Application();
  main_dir = dir / "share/stallminder/Data/";
  demo::DemoOptions o;
  o.main_dir = main_dir;
  o.days = 45;
  o.end_day = static_cast<int64_t>(*TryStrToDate(kDemoEnd, FixedFormats()));
  site_dir = demo::GenerateDemoSite(o).site_folder;
  clock_ = std::make_unique<FixedClock>(static_cast<double>(o.end_day + 1) + 0.5);

  ctx_ = std::make_unique<AppContext>(ui, *clock_, PrivateEnvironment(dir));
  StartProgramState(*ctx_, user_formats);
  window_ = std::make_unique<MainWindow>(*ctx_);
  window_->show();
  Pump();
}

WindowFixture::~WindowFixture() {
  ShutdownProgramState(*ctx_, [this] { window_->ReleaseAll(); });
  window_.reset();
}

void WindowFixture::Pump() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace sm::test
