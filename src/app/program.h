// The window program from start to end: single instance, start-up state,
// the main window, the event loop and the shut-down.
#pragma once

namespace sm {

int RunStallminder(int argc, char** argv);

}  // namespace sm
