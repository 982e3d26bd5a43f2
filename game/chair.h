#pragma once
// Rescue chair: its key and its per-tick movement and limits.

namespace heli {

struct GameState;

// The chair key (stButton5), once per tick while held.
void ChairKey(GameState& g);
// Pays the cable out or winds it in, and sets the limits it imposes.
void ChairTick(GameState& g);

}  // namespace heli
