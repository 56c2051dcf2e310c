// The in-program help window: the page of docs/help behind a help context
// number, shown in a text browser.
#pragma once

#include <QDialog>
#include <string>

class QTextBrowser;

namespace sm {

// The help folder: next to the program (share/stallminder/help) when
// installed, else the source tree's docs/help.
std::string HelpFolder(const std::string& program_folder);
// The page for a context number; the contents page for unknown numbers.
std::string HelpPageFor(int context);

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  HelpWindow(std::string folder, QWidget* parent);
  void ShowContext(int context);
  QTextBrowser* browser() const { return browser_; }

 private:
  std::string folder_;
  QTextBrowser* browser_;
};

}  // namespace sm
