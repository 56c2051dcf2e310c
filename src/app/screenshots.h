// Renders the site page and each airspace's report page to PNG files, for
// a machine without a display and for the documentation.
#pragma once

#include <string>
#include <vector>

namespace sm {

class MainWindow;

// Writes "site.png" and "<airspace>-report.png" per airspace into `folder`
// (created when missing); each airspace shows its model data when the site
// has a model file. Answers the files written.
std::vector<std::string> SaveScreenshots(MainWindow& window, const std::string& folder);

}  // namespace sm
