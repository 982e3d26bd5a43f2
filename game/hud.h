#pragma once
// The help and map keys, the head icons and the blink of the vortex warning.

namespace heli {

struct GameState;

// stButton6 (help picture) and stButton7 (map screen), sharing one key lock.
void HelpAndMapKeys(GameState& g);
void UpdateHeadIcons(GameState& g);
// The vortex warning blinks: on for 10 ticks of 15.
void BlinkTick(GameState& g);

}  // namespace heli
