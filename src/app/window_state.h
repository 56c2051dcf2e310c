// The main window's place and size and its tool-bar layout, kept in the
// settings store between runs: the geometry in "State\TForm1", the tool
// bars' docking, order and visibility in "Bars".
#pragma once

#include "core/app_context.h"

class QMainWindow;

namespace sm {

void SaveWindowState(const QMainWindow& window, AppContext& ctx);
// Puts back what was saved; a new program version starts with the tool
// bars as designed. Damaged or missing values leave the window as it is.
void RestoreWindowState(QMainWindow& window, const AppContext& ctx);

}  // namespace sm
