#pragma once
// People waiting to be rescued, and unloading them at the base.

namespace heli {

struct GameState;

// Scrolls the people, hoists one into the chair, lets them call, flee, fall or
// die, and keeps what the view shows of each.
void PeopleTick(GameState& g);
// The stretcher trips at the base and the rescue counters.
void BaseUnloadTick(GameState& g);

}  // namespace heli
