#pragma once
// Landing, refuelling, obstacles and level hazards.

namespace heli {

struct TForm1;

// Ditching, landing on the pads, refuelling and land under the helicopter.
void PadsTick(TForm1& g);
// The level hazards around scenery record 5 and the tall obstacles.
void HazardsTick(TForm1& g);

}  // namespace heli
