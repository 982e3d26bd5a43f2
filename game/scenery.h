#pragma once
// Scrolling scenery: the wave sparkles and the map tiles.

namespace heli {

struct TForm1;

// Moves and animates the 40 wave sparkles.
void ParticlesTick(TForm1& g);
// Brings sparkles that left the screen back in at the far side (after drawing).
void WrapParticles(TForm1& g);
// Moves the map tiles in use.
void TilesTick(TForm1& g);

}  // namespace heli
