// Copying the shown panes to the clipboard as one picture and printing
// them on one page: each pane drawn once as a picture at about screen
// size, then stretched into its place.
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "app/chart_frame.h"
#include "app/chart_pane.h"
#include "charts/print_layout.h"

namespace sm {
namespace {

// The resolution the print spacings are counted in when a page has no
// printer behind it (a picture file).
constexpr int kNominalDotsPerInch = 600;

QFont PageFont(int points, int dpi, bool bold = false, bool italic = false) {
  QFont font("Times New Roman");
  font.setPixelSize(std::max(1, points * dpi / 72));
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

struct RenderedPane {
  QImage image;
  const TMyChart* model = nullptr;
};

void StretchInto(QPainter& painter, const RenderedPane& pane, const Rect& r) {
  if (pane.image.isNull() || r.right <= r.left || r.bottom <= r.top) return;
  painter.drawImage(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)), pane.image);
}

void DrawLegend(QPainter& painter, const StackSpacing& spacing, const Rect& r, const TMyChart& model) {
  const QFontMetrics fm(painter.font());
  auto measure = [&](const std::string& text) {
    return TextSize{fm.horizontalAdvance(QString::fromStdString(text)), fm.height()};
  };
  for (const PlacedLegendItem& item : PlaceLegend(spacing, r, model.LegendItems, measure)) {
    painter.setPen(Qt::black);
    painter.drawText(item.text_left, item.text_top + fm.ascent(), QString::fromStdString(item.text));
    painter.fillRect(QRect(QPoint(item.swatch.left, item.swatch.top), QPoint(item.swatch.right, item.swatch.bottom)),
                     QColor(item.colour.red, item.colour.green, item.colour.blue));
  }
}

std::string PdfBesideMainLogDir(const AppContext& ctx) {
  std::string dir = ctx.folders.main_log_dir;
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  const size_t slash = dir.find_last_of('/');
  const std::string parent = slash == std::string::npos ? "." : (slash == 0 ? "/" : dir.substr(0, slash));
  const QString stamp = QDateTime::currentDateTime().toString("yyyy-MM-dd-HHmmss");
  return parent + "/Stallminder Chart " + stamp.toStdString() + ".pdf";
}

}  // namespace

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialog.exec() == QDialog::Accepted;
}

namespace {

// Every shown pane laid out about as wide as the screen, in the shape of
// the place it is stretched into (so text and markers keep theirs), and
// drawn as finely as that place shows it on the device, up to three times.
std::vector<RenderedPane> RenderPanes(const std::vector<ChartPane*>& shown, const std::vector<Rect>& places,
                                      QSize screen, double device_scale) {
  std::vector<RenderedPane> rendered;
  for (size_t i = 0; i < shown.size(); ++i) {
    const Rect& place = places[i];
    const int width = std::max(200, screen.width() - 50);
    const double shape = place.right > place.left ? static_cast<double>(place.bottom - place.top) /
                                                        (place.right - place.left)
                                                  : 0.2;
    const QSize size(width, std::max(20, static_cast<int>(std::lround(width * shape))));
    const double fineness = std::clamp((place.right - place.left) * device_scale / width, 1.0, 3.0);
    RenderedPane r;
    r.image = shown[i]->RenderImage(size, fineness);
    r.model = &shown[i]->model();
    rendered.push_back(std::move(r));
  }
  return rendered;
}

std::vector<int> SharesOf(const std::vector<ChartPane*>& panes) {
  std::vector<int> shares;
  for (const ChartPane* p : panes) shares.push_back(p->model().HeightShare);
  return shares;
}

}  // namespace

void ChartFrame::CopyCharts() {
  if (!HasView()) return;
  BusyScope busy(ctx_.ui);
  SetMarkersHidden(true);
  const QSize screen = render_size_.isValid() ? render_size_ : QGuiApplication::primaryScreen()->size();
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  const PageArea page{image.width(), image.height(), graph_->PrintMargins(kNominalDotsPerInch)};
  const std::vector<ChartPane*> shown = ShownPanes();
  const std::vector<Rect> rects = StackRenderedPanes(kCopySpacing, page, SharesOf(shown), graph_->HeightTotal);
  std::vector<RenderedPane> rendered = RenderPanes(shown, rects, screen, 1.0);
  QPainter painter(&image);
  painter.setFont(PageFont(8, 96));
  for (size_t i = 0; i < rendered.size(); ++i) {
    StretchInto(painter, rendered[i], rects[i]);
    DrawLegend(painter, kCopySpacing, rects[i], *rendered[i].model);
  }
  painter.end();
  QApplication::clipboard()->setImage(image);
  SetMarkersHidden(false);
}

void ChartFrame::PaintPage(QPainter& painter, QSize page_size, int dpi) {
  if (!HasView()) return;
  SetMarkersHidden(true);
  const QSize screen = render_size_.isValid() ? render_size_ : QGuiApplication::primaryScreen()->size();
  const auto margins = graph_->PrintMargins(dpi);
  const PageArea page{page_size.width(), page_size.height(), margins};
  const std::vector<ChartPane*> shown = ShownPanes();
  const std::vector<Rect> rects = StackRenderedPanes(kPrintSpacing, page, SharesOf(shown), graph_->HeightTotal);
  std::vector<RenderedPane> rendered = RenderPanes(shown, rects, screen, painter.worldTransform().m11());
  const std::string heading = PrintHeading(*graph_, *rendered.front().model);

  painter.setFont(PageFont(10, dpi));
  for (size_t i = 0; i < rendered.size(); ++i) {
    StretchInto(painter, rendered[i], rects[i]);
    DrawLegend(painter, kPrintSpacing, rects[i], *rendered[i].model);
  }
  painter.setFont(PageFont(10, dpi, true, true));
  const QFontMetrics title_metrics(painter.font());
  for (size_t i = 0; i < rendered.size(); ++i) {
    if (rendered[i].model->Title.empty()) continue;
    painter.drawText(rects[i].left + kPrintSpacing.title_indent,
                     rects[i].top - kPrintSpacing.legend_rise + title_metrics.ascent(),
                     QString::fromStdString(rendered[i].model->Title));
  }
  QFont heading_font = PageFont(12, dpi, true);
  heading_font.setUnderline(true);
  painter.setFont(heading_font);
  painter.drawText(margins[3] + 150, margins[0] + 30 + QFontMetrics(heading_font).ascent(),
                   QString::fromStdString(heading));
  SetMarkersHidden(false);
}

void ChartFrame::PrintCharts(bool automatic) {
  if (!HasView()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setResolution(kNominalDotsPerInch);
  printer.setPageOrientation(ctx_.startup.print_landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setDocName("Stallminder Chart");
  printer.setCreator("Stallminder");
  bool chosen = false;
  if (automatic) {
    const std::string name = ctx_.startup.auto_printer;
    if (!QPrinterInfo::printerInfo(QString::fromStdString(name)).isNull()) {
      printer.setPrinterName(QString::fromStdString(name));
    } else {
      // Nobody may be there to answer a dialog: the page goes to a file.
      const std::string path = PdfBesideMainLogDir(ctx_);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(path));
      ReportError(ctx_, "Automatic print: printer \"" + name + "\" not found; the chart was printed to " + path, 100);
    }
    chosen = true;
  }
  if (!chosen && !(print_dialog_ && print_dialog_(printer))) return;
  PrintTo(printer);
}

void ChartFrame::PrintTo(QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) printer.setResolution(kNominalDotsPerInch);
  QPainter painter;
  if (!painter.begin(&printer)) throw std::runtime_error("Cannot print to " + printer.printerName().toStdString());
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  PaintPage(painter, area.size(), printer.resolution());
  painter.end();
}

QImage ChartFrame::PageImage(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  // The page's spacings are printer dots: the picture stands for a sheet
  // of A4 across its longer side, drawn at the nominal printer resolution.
  const double inches = size.width() >= size.height() ? 11.69 : 8.27;
  const double scale = size.width() / (inches * kNominalDotsPerInch);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  PaintPage(painter, QSize(static_cast<int>(size.width() / scale), static_cast<int>(size.height() / scale)),
            kNominalDotsPerInch);
  return image;
}

}  // namespace sm
