#pragma once
// Frames presented between the main ticks, on a screen that refreshes faster than
// the game ticks (or at --present-rate): the flight view carried on by the share
// of the next tick that has passed. The game's logic keeps its fixed tick.
#include "shell/form.h"

namespace heli {

// True when the last main tick drew the flight view and the next comes one step
// later: then the frames between move smoothly. Otherwise (the intro, the menu,
// a level's start screen, the map's slower ticks, the crash) the last tick's
// frame stays up until the next.
bool CanPresentBetween(const TForm1& g);

// Draws and presents the frame `f` (0 to 1) of the way to the next main tick.
void PresentBetween(TForm1& g, double f);

}  // namespace heli
