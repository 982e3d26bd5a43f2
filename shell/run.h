#pragma once
// Runs the program: loads the main window, runs create, then delivers timer ticks
// and the window's events one at a time until the window closes.
#include "shell/options.h"

namespace heli {

// Returns the process exit status.
int RunProgram(const Options& options);

}  // namespace heli
