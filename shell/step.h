#pragma once
// One step of the game's clock. The program's loop, demo playback and recording,
// the timedemo, the soak test, the autopilot and the tests all advance the game
// through it, so that they run the same game.
#include <functional>

#include "shell/form.h"
#include "shell/timers.h"

namespace heli {

struct StepResult {
  bool ticked = false;  // the main tick ran
  int cass_firings = 0;
};

// Runs every firing of the 2-second timer that is due by the next main tick, then
// `events` (this tick's input, delivered in order, with the clock at the tick's
// time), then the main tick, which presents its frame. The main tick is skipped
// when `events` returns false (a demo's end) or the window has been closed. Last,
// the platform's sound list follows the sound requests of the step.
StepResult Step(TForm1& g, const std::function<bool()>& events = {});

}  // namespace heli
