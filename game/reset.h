#pragma once
// The new-game reset of the game state.

namespace heli {

struct GameState;

// Run at program start, at the end of the intro, at every level start and at the
// end of the crash sequence; leaves level and the world's records alone.
void ResetGameState(GameState& g);

// The state as the program starts: the intro running, level 1 reset, no game
// started, the panels hidden and the cursor too.
void InitialState(GameState& g);

}  // namespace heli
