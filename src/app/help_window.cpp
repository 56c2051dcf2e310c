#include "app/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/files.h"

namespace sm {

std::string HelpFolder(const std::string& program_folder) {
  std::string installed = program_folder + "../share/stallminder/help/";
  if (FileExists(installed + "index.html")) return installed;
  return SM_HELP_DIR "/";
}

std::string HelpPageFor(int context) {
  switch (context) {
    case 9: return "chart-view.html";
    case 13: return "main-logging-directory.html";
    case 14: return "properties-editor.html";
    case 15: return "edit-current-batch.html";
    case 16: return "save-data.html";
    default: return "index.html";
  }
}

HelpWindow::HelpWindow(std::string folder, QWidget* parent) : QDialog(parent), folder_(std::move(folder)) {
  setWindowTitle("Stallminder Help");
  auto* layout = new QVBoxLayout(this);
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(true);
  browser_->setSearchPaths({QString::fromStdString(folder_)});
  layout->addWidget(browser_);
  resize(640, 520);
}

void HelpWindow::ShowContext(int context) {
  browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(folder_ + HelpPageFor(context))));
  show();
  raise();
}

}  // namespace sm
