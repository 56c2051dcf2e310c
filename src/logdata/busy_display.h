// The busy display of long loads: hourglass, a status text and the progress
// item, reset when the work ends, also by an error.
#pragma once

#include <string>

#include "core/ui_host.h"

namespace sm {

class BusyDisplay {
 public:
  static constexpr int kProgressRange = 100;

  // ShowBusy: busy cursor, the text in the status bar, progress 0.
  BusyDisplay(UiHost& ui, const std::string& text);
  // EndBusy: normal cursor, empty status text, progress 0.
  ~BusyDisplay();
  BusyDisplay(const BusyDisplay&) = delete;
  BusyDisplay& operator=(const BusyDisplay&) = delete;

  // Advances the progress item a tenth of its range, starting over past the end.
  void Step();

 private:
  UiHost& ui_;
  int position_ = 0;
};

}  // namespace sm
