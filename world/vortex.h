#pragma once
// The roaming storm vortex.

namespace heli {

struct TForm1;

// Moves every vortex in its random runs and wraps it around the map.
void DriftVortices(TForm1& g);
// The wind, the warning and the buffeting near a vortex.
void VortexEffectTick(TForm1& g);

}  // namespace heli
