#include "app/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "airspace/airspace.h"
#include "airspace/model.h"
#include "app/airspace_area.h"
#include "app/main_window.h"
#include "app/report_grid.h"
#include "core/files.h"

namespace sm {
namespace {

std::string SafeFileName(std::string name) {
  for (char& c : name)
    if (c == '/' || c == ' ' || c == '\\') c = '_';
  return name;
}

std::string Grab(MainWindow& window, const std::string& folder, const std::string& name) {
  QApplication::processEvents();
  window.IdleUpdate();
  QApplication::processEvents();
  std::string path = folder + "/" + name;
  if (!window.grab().save(QString::fromStdString(path), "PNG")) throw std::runtime_error("Cannot write " + path);
  return path;
}

}  // namespace

std::vector<std::string> SaveScreenshots(MainWindow& window, const std::string& folder) {
  QDir().mkpath(QString::fromStdString(folder));
  std::vector<std::string> files;
  TSite* site = window.site();
  if (!site) {
    files.push_back(Grab(window, folder, "no-site.png"));
    return files;
  }
  window.page_area()->setCurrentIndex(0);
  files.push_back(Grab(window, folder, "site.png"));
  std::vector<std::string> models = ListFiles(site->model_folder, "*.mdl");
  for (const auto& airspace : site->airspaces) {
    if (!window.SelectAirspacePage(airspace->name)) continue;
    window.ShowReportPage();
    if (!models.empty() && !airspace->model_loaded) {
      ImportModel(*airspace, models.front());
      window.grid().report().SetShowModel(true);
      window.grid().report().Refresh();
      window.grid().WidenForModelValues();
    }
    files.push_back(Grab(window, folder, SafeFileName(airspace->name) + "-report.png"));
    if (!airspace->chart_view_list.empty() && window.SelectChartPage(airspace->chart_view_list.front()))
      files.push_back(Grab(window, folder, SafeFileName(airspace->name) + "-chart.png"));
  }

  return files;
}

}  // namespace sm
