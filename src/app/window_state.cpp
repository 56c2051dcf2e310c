#include "app/window_state.h"

#include <QByteArray>
#include <QMainWindow>

namespace sm {
namespace {

constexpr const char* kStateSection = "State\\TForm1";
constexpr const char* kBarsSection = "Bars";
// Raised when the tool bars change so much that an old layout no longer fits.
constexpr int kBarsLayoutVersion = 1;

std::string Encode(const QByteArray& bytes) { return bytes.toBase64().toStdString(); }

QByteArray Decode(const std::string& text) { return QByteArray::fromBase64(QByteArray::fromStdString(text)); }

}  // namespace

void SaveWindowState(const QMainWindow& window, AppContext& ctx) {
  try {
    ctx.Section(kStateSection).WriteString("Geometry", Encode(window.saveGeometry()));
    ctx.Section(kBarsSection).WriteString("Layout", Encode(window.saveState(kBarsLayoutVersion)));
  } catch (const std::exception& e) {
    // Losing the window's place is no reason to stop the program closing.
    ReportError(ctx, e.what(), 100);
  }
}

void RestoreWindowState(QMainWindow& window, const AppContext& ctx) {
  const std::string geometry = ctx.Section(kStateSection).ReadString("Geometry", "");
  if (!geometry.empty()) window.restoreGeometry(Decode(geometry));
  if (ctx.version_changed) return;
  const std::string bars = ctx.Section(kBarsSection).ReadString("Layout", "");
  if (!bars.empty()) window.restoreState(Decode(bars), kBarsLayoutVersion);
}

}  // namespace sm
