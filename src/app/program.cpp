#include "app/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <clocale>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/qt_ui_host.h"
#include "app/screenshots.h"
#include "app/single_instance.h"
#include "app/window_state.h"
#include "core/startup.h"

namespace sm {
namespace {

// Takes "--screenshot DIR" out of the arguments.
std::optional<std::string> TakeScreenshotOption(std::vector<std::string>& args) {
  for (size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] != "--screenshot") continue;
    std::string folder = args[i + 1];
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    return folder;
  }
  return std::nullopt;
}

}  // namespace

int RunStallminder(int argc, char** argv) {
  QElapsedTimer started;
  started.start();
  // The user's formats before Qt sets the C library's locale.
  const FormatSettings locale = FormatsFromEnvironmentLocale();
  QApplication app(argc, argv);
  // Domain code writes and reads numbers with "." whatever the locale says.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("Stallminder");

  std::vector<std::string> args(argv + 1, argv + argc);
  const std::optional<std::string> screenshots = TakeScreenshotOption(args);
  const CommandLine command_line = ParseCommandLine(argv[0], args);

  SingleInstance instance(DefaultInstanceName());
  if (!screenshots && instance.HandOver(command_line.text)) return 0;

  QtUiHost ui;
  ui.SetUnattended(screenshots.has_value());
  SystemClock clock;
  AppContext ctx(ui, clock, Environment::FromProcess());
  ctx.command_line = command_line;
  StartProgramState(ctx, locale);

  int result = 0;
  {
    MainWindow window(ctx);
    ui.SetStatusDisplay(&window);
    // Screenshots show the window as designed, not as this user left it.
    if (!screenshots) RestoreWindowState(window, ctx);
    if (!screenshots)
      instance.Listen([&window](const std::string& line) {
        window.showNormal();
        window.raise();
        window.activateWindow();
        window.ApplyGoToRequest(line);
      });
    window.show();
    if (screenshots) {
      QApplication::processEvents();
      std::fprintf(stderr, "stallminder: first report shown after %lld ms\n",
                   static_cast<long long>(started.elapsed()));
      try {
        for (const std::string& file : SaveScreenshots(window, *screenshots)) std::printf("%s\n", file.c_str());
      } catch (const std::exception& e) {
        std::fprintf(stderr, "stallminder: %s\n", e.what());
        result = 1;
      }
    } else {
      result = QApplication::exec();
    }
    ShutdownProgramState(ctx, [&window] { window.ReleaseAll(); });
    ui.SetStatusDisplay(nullptr);
  }
  return result;
}

}  // namespace sm
