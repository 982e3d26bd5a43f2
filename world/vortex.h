#pragma once
// The roaming storm vortex.

namespace heli {

struct GameState;

// Moves every vortex in its random runs and wraps it around the map.
void DriftVortices(GameState& g);
// The wind, the warning and the buffeting near a vortex.
void VortexEffectTick(GameState& g);

}  // namespace heli
