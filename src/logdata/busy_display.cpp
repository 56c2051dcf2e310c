#include "logdata/busy_display.h"

namespace sm {

BusyDisplay::BusyDisplay(UiHost& ui, const std::string& text) : ui_(ui) {
  ui_.SetBusy(true);
  ui_.ShowStatus(text);
  ui_.ShowProgress(0, kProgressRange);
}

BusyDisplay::~BusyDisplay() {
  ui_.SetBusy(false);
  ui_.ShowStatus("");
  ui_.ShowProgress(0, kProgressRange);
}

void BusyDisplay::Step() {
  position_ += kProgressRange / 10;
  if (position_ > kProgressRange) position_ -= kProgressRange;
  ui_.ShowProgress(position_, kProgressRange);
}

}  // namespace sm
