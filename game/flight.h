#pragma once
// Flight model: the controls, the scroll vector and map position, the per-tick limits, gauges and
// fuel, and the rotor wash's size.

namespace heli {

struct GameState;

// The flight keys (stUp .. stButton4), once per tick while held.
void ApplyFlightControls(GameState& g);
// Turns heading and speed into the scroll vector and moves the map position.
void ComputeScroll(GameState& g);
// Limits, gauges, fuel use, fuel starvation and the map bounds.
void UpdateFlightLimits(GameState& g);
// The spray under the rotor grows and starts again, while the rotor runs fast.
void RotorWashTick(GameState& g);

}  // namespace heli
