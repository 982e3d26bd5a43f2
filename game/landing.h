#pragma once
// Landing, refuelling, obstacles and level hazards.

namespace heli {

struct GameState;

// Ditching, landing on the pads, refuelling and land under the helicopter.
void PadsTick(GameState& g);
// The level hazards around scenery record 5 and the tall obstacles.
void HazardsTick(GameState& g);

}  // namespace heli
