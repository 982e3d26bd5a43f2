#pragma once
// The other helicopters.

namespace heli {

struct GameState;

// Engine sound, fuel drain, courses, turning and moving; in the flight view the
// rotors turn.
void HelisTick(GameState& g);
// Clears the four course latches of helicopter record i (from 1).
void ClearHeliCourse(GameState& g, int i);

}  // namespace heli
