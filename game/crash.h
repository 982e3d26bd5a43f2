#pragma once
// The crash sequence: 149 steps, then the menu with the same level laid out again.

namespace heli {

struct GameState;

// One step of the sequence, run at the end of every play tick while crashed.
void CrashTick(GameState& g);

}  // namespace heli
