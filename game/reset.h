#pragma once
// The new-game reset of the game state.

namespace heli {

struct TForm1;

// Run at program start, at the end of the intro, at every level start and at the
// end of the crash sequence; leaves level and the world's records alone.
void ResetGameState(TForm1& g);

}  // namespace heli
