// smtool chart: a chart view rendered as the window prints it, without a
// display, to a PNG picture or a PDF page.
#include <QApplication>
#include <QPrinter>
#include <clocale>
#include <cstdio>
#include <stdexcept>

#include "airspace/airspace.h"
#include "app/chart_frame.h"
#include "core/text.h"
#include "tools/airspace_arguments.h"
#include "tools/arguments.h"
#include "tools/chart_arguments.h"
#include "tools/command.h"
#include "tools/tool_context.h"

namespace sm::tool {
namespace {

QSize ReadSize(const std::optional<std::string>& text) {
  if (!text) return {1600, 1000};
  const size_t x = text->find_first_of("xX");
  long long w = 0, h = 0;
  if (x == std::string::npos || !TryParseInt(text->substr(0, x), w) || !TryParseInt(text->substr(x + 1), h) ||
      w < 200 || h < 150 || w > 20000 || h > 20000)
    throw UsageError("--size needs WIDTHxHEIGHT in pixels, from 200x150 to 20000x20000");
  return {static_cast<int>(w), static_cast<int>(h)};
}

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"airspace", "chart", "end", "days", "out", "size"});
  a.RequirePositional(1, 1);
  const std::string out = a.Required("out");
  const bool pdf = IEndsWith(out, ".pdf");
  if (!pdf && !IEndsWith(out, ".png")) throw UsageError("--out must name a .png or .pdf file");
  const QSize size = ReadSize(a.Value("size"));

  // The panes are real widgets; they never reach a screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "smtool";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");  // the program's number texts use "."

  ToolContext tool;
  std::unique_ptr<TSite> site = TSite::Create(tool.ctx(), a.Positional()[0]);
  CreateAirspaces(*site);
  TAirspace& airspace = PickAirspace(*site, a.Value("airspace"));
  ApplyViewArguments(a, tool.ctx().stored_status);
  std::unique_ptr<TGraphObject> graph = OpenChartArgument(a, airspace);

  UnattendedChartHost host;
  ChartFrame frame(tool.ctx(), host);
  frame.resize(size);
  frame.SetRenderSize(size);
  frame.ShowGraph(graph.get());
  if (pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(out));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(tool.ctx().startup.print_landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName("Stallminder Chart");
    frame.PrintTo(printer);
  } else if (!frame.PageImage(size).save(QString::fromStdString(out), "PNG")) {
    throw std::runtime_error("Cannot write " + out);
  }
  frame.ShowGraph(nullptr);
  return 0;
}

}  // namespace

Command ChartCommand() {
  return {"chart", "render a chart view to a PNG or PDF file as the window prints it",
          "SITEDIR [--airspace NAME] --chart VIEW [--end DATE] [--days N] --out FILE.png|FILE.pdf [--size WxH]",
          "Opens the chart view of the airspace named (by name or code; the first one by default) over\n"
          "the stored view range, or the --days (at most 50) ending with --end (yyyy-mm-dd), and renders\n"
          "the page the window's Print Chart prints: the heading, each pane with its title and legend.\n"
          "A .png file is --size pixels (default 1600x1000) and stands for an A4 sheet across its longer\n"
          "side; a .pdf file is one A4 page, landscape unless the setting PrintLandscape is false. The\n"
          "panes are drawn as on a screen of --size.",
          Run};
}

}  // namespace sm::tool
