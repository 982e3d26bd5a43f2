#include "shell/step.h"

#include "shell/main_window.h"
#include "shell/rumble.h"

namespace heli {

StepResult Step(TForm1& g, const std::function<bool()>& events) {
  TickClock& clock = g.clock;
  StepResult result;
  const std::int64_t step = clock.NextTickStep();
  while (auto due = clock.CassDue(step)) {
    g.clock_ms = clock.MillisecondsAt(*due);
    cassTimer(g);
    clock.CassFired(g.cass);
    ++result.cass_firings;
  }
  g.clock_ms = clock.MillisecondsAt(step);
  if (events && !events()) {
    FollowRumble(g);
    FollowSounds(g);
    return result;
  }
  // A timer enabled by an event starts counting from this step.
  clock.TrackCass(g.cass, step);
  if (!g.closed) {
    Timer1Timer(g);
    clock.TickDone(g.Timer1.Interval);
    clock.TrackCass(g.cass, step);
    result.ticked = true;
  }
  // The sound list plays what the step's handlers asked for, in their order; the
  // controller shakes at the blows among them.
  FollowRumble(g);
  FollowSounds(g);
  return result;
}

}  // namespace heli
